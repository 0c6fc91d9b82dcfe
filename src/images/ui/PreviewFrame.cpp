#include "images/ui/PreviewFrame.h"

#include <QPainter>

#include <algorithm>

namespace {

// Rectangles here are (left, top, right, bottom) with the right column and
// bottom row left out, as everywhere in the program.
QRect exclusiveRect(int Left, int Top, int Right, int Bottom) {
    return QRect(QPoint(Left, Top), QPoint(Right - 1, Bottom - 1));
}

} // namespace

TBitmap32 makePreviewPicture(const TBitmap32& Clean, ColourFormat Format,
                             const TransparencySettings& Transparency) {
    TBitmap32 picture(Clean.Width, Clean.Height);
    if (Format == 32) {
        picture.Bits = Clean.Bits;
        return picture;
    }
    for (int y = 0; y < Clean.Height; ++y) {
        const TColor32* in = Clean.scanLine(y);
        TColor32* out = picture.scanLine(y);
        for (int x = 0; x < Clean.Width; ++x)
            out[x] = SetAlpha(Color32ToColor(in[x]), EffectiveAlpha(in[x], Format, Transparency));
    }
    return picture;
}

QSize previewBoxSize(int Width, int Height) {
    return QSize(std::max(PreviewBoxSize, Width), std::max(PreviewBoxSize, Height));
}

QPoint previewOrigin(int Width, int Height) {
    const QSize box = previewBoxSize(Width, Height);
    return QPoint((box.width() - Width) / 2, (box.height() - Height) / 2);
}

QImage makePreviewFrame(const TBitmap32& Picture, TColor Background) {
    const QColor back = rgbColour(Background);
    QImage frame(Picture.Width + 2 * PreviewMargin, Picture.Height + 2 * PreviewMargin,
                 QImage::Format_RGB888);
    frame.fill(back);
    QImage mixed(Picture.Width, Picture.Height, QImage::Format_RGB888);
    mixed.fill(back);
    Picture.DrawToBitmap(mixed);
    QPainter p(&frame);
    p.drawImage(PreviewMargin, PreviewMargin, mixed);
    return frame;
}

std::optional<MagnifierRects> magnifierAt(QPoint Mouse, QPoint Origin, int Width, int Height) {
    const int x = Mouse.x(), y = Mouse.y();
    const int ox = Origin.x(), oy = Origin.y();
    if (x < ox || x > ox + Width + 2 * PreviewMargin || y < oy ||
        y > oy + Height + 2 * PreviewMargin)
        return std::nullopt;
    return MagnifierRects{exclusiveRect(x - ox + 1, y - oy + 1, x - ox + 7, y - oy + 7),
                          exclusiveRect(x - 7, y - 7, x + 6, y + 6)};
}

QImage magnifierPixels(const QImage& Frame, const QRect& Source, TColor Background) {
    QImage pixels(Source.size(), QImage::Format_RGB888);
    pixels.fill(rgbColour(Background));
    QPainter p(&pixels);
    p.drawImage(-Source.topLeft(), Frame);
    return pixels;
}
