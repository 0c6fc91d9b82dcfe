#include "document/ImageCaption.h"

std::optional<QString> FormatLabel(ColourFormat Format) {
    switch (Format) {
    case 1:
        return QStringLiteral("(2)");
    case 4:
        return QStringLiteral("(16)");
    case 8:
        return QStringLiteral("(256)");
    case 24:
        return QStringLiteral("(TC)");
    case 32:
        return QStringLiteral("(TCA)");
    default:
        return std::nullopt;
    }
}

void FormatLabel(ColourFormat Format, QString& S) {
    if (const auto label = FormatLabel(Format)) S = *label;
}

namespace {

// An unknown format leaves the label empty rather than inventing one.
QString caption(int Width, int Height, ColourFormat Format, const char* gap) {
    QString label;
    FormatLabel(Format, label);
    return QStringLiteral("%1 x %2%3%4").arg(Width).arg(Height).arg(QLatin1String(gap), label);
}

} // namespace

QString ImageCaption(int Width, int Height, ColourFormat Format) {
    return caption(Width, Height, Format, "  ");
}

QString ImageCaption(const IconImage& Image) {
    return ImageCaption(Image.Pixels.Width, Image.Pixels.Height, Image.Format);
}

QString ReaderCaption(int Width, int Height, ColourFormat Format) {
    return caption(Width, Height, Format, " ");
}

QString ReaderCaption(const IconImage& Image) {
    return ReaderCaption(Image.Pixels.Width, Image.Pixels.Height, Image.Format);
}
