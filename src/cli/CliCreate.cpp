// brisel-cli create OUT [--cursor] [--format 1|4|8|24|32] [--hotspot X,Y]
// PICTURE...: one image per picture, in the order given.
// brisel-cli convert IN OUT: IN rewritten as an icon (.ico) or cursor (.cur).

#include "cli/CliCommon.h"

#include "document/IconFileReader.h"
#include "document/IconFileWriter.h"
#include "document/ImageCaption.h"
#include "document/PaletteOps.h"

#include <QDir>
#include <QFileInfo>
#include <QImageReader>
#include <algorithm>
#include <iterator>

namespace {

struct CreateOptions {
    QString Out;
    std::uint16_t Type = IconFile::TypeIcon;
    ColourFormat Format = 32;
    bool HotSpotGiven = false;
    int HotSpotX = 0;
    int HotSpotY = 0;
    QStringList Pictures;
};

int parseNumber(const QString& Text, int Low, int High, const QString& What) {
    bool ok = false;
    const int v = Text.toInt(&ok);
    if (!ok || v < Low || v > High)
        throw CliError(QStringLiteral("create: %1 must be a number from %2 to %3, not \"%4\"")
                           .arg(What)
                           .arg(Low)
                           .arg(High)
                           .arg(Text));
    return v;
}

CreateOptions parseCreate(const QStringList& Args) {
    CreateOptions o;
    for (int i = 0; i < Args.size(); ++i) {
        const QString& a = Args.at(i);
        const auto value = [&]() -> QString {
            if (i + 1 >= Args.size())
                throw CliError(QStringLiteral("create: %1 needs a value").arg(a));
            return Args.at(++i);
        };
        if (a == QLatin1String("--cursor")) {
            o.Type = IconFile::TypeCursor;
        } else if (a == QLatin1String("--format")) {
            const QString v = value();
            const int f = parseNumber(v, 1, 32, QStringLiteral("the format"));
            if (!IconFile::IsSupportedBitCount(f))
                throw CliError(
                    QStringLiteral("create: the format must be 1, 4, 8, 24 or 32, not \"%1\"")
                        .arg(v));
            o.Format = ColourFormat(f);
        } else if (a == QLatin1String("--hotspot")) {
            const QStringList xy = value().split(QLatin1Char(','));
            if (xy.size() != 2)
                throw CliError(QStringLiteral("create: the hot spot is written X,Y"));
            o.HotSpotX =
                parseNumber(xy.at(0).trimmed(), 0, 255, QStringLiteral("the hot spot's X"));
            o.HotSpotY =
                parseNumber(xy.at(1).trimmed(), 0, 255, QStringLiteral("the hot spot's Y"));
            o.HotSpotGiven = true;
        } else if (a.startsWith(QLatin1String("--"))) {
            throw CliError(QStringLiteral("create: unknown option %1").arg(a));
        } else if (o.Out.isEmpty()) {
            o.Out = a;
        } else {
            o.Pictures << a;
        }
    }
    if (o.Out.isEmpty() || o.Pictures.isEmpty())
        throw CliError(QStringLiteral("create: give OUT and at least one PICTURE"));
    if (o.HotSpotGiven && o.Type != IconFile::TypeCursor)
        throw CliError(QStringLiteral("create: a hot spot belongs to a cursor; add --cursor"));
    return o;
}

TBitmap32 readPicture(const QString& Path) {
    const QString shown = QDir::toNativeSeparators(Path);
    QImageReader reader(Path);
    const QSize size = reader.size();
    if (size.isValid() && (size.width() > IconFile::MaxSide || size.height() > IconFile::MaxSide))
        throw CliError(
            QStringLiteral("%1: the picture is %2 x %3 pixels; an image is at most 255 x 255")
                .arg(shown)
                .arg(size.width())
                .arg(size.height()));
    const QImage picture = reader.read();
    if (picture.isNull()) throw CliError(QStringLiteral("%1: %2").arg(shown, reader.errorString()));
    if (picture.width() > IconFile::MaxSide || picture.height() > IconFile::MaxSide)
        throw CliError(
            QStringLiteral("%1: the picture is %2 x %3 pixels; an image is at most 255 x 255")
                .arg(shown)
                .arg(picture.width())
                .arg(picture.height()));
    const QImage argb = picture.convertToFormat(QImage::Format_ARGB32);
    TBitmap32 px;
    px.Width = argb.width();
    px.Height = argb.height();
    px.Size = px.Width * px.Height * 4;
    px.Bits.reserve(std::size_t(px.Width) * std::size_t(px.Height));
    for (int y = 0; y < px.Height; ++y) {
        const QRgb* in = reinterpret_cast<const QRgb*>(argb.constScanLine(y));
        // 0xAARRGGBB to red in the low byte: red and blue change places.
        std::transform(in, in + px.Width, std::back_inserter(px.Bits), [](QRgb c) {
            return TColor32((c & 0xFF00FF00u) | ((c >> 16) & 0xFFu) | ((c & 0xFFu) << 16));
        });
    }
    return px;
}

std::unique_ptr<IconImage> imageOf(TBitmap32 Pixels, const CreateOptions& O) {
    auto image = std::make_unique<IconImage>();
    image->Format = O.Format;
    image->HotSpotX = std::uint8_t(O.HotSpotX);
    image->HotSpotY = std::uint8_t(O.HotSpotY);
    const int entries = IconFile::ColourTableEntries(O.Format);
    if (entries > 0) {
        // The palette holds the picture's first colours in reading order;
        // entries it leaves over stay black. Every visible pixel then takes
        // its nearest entry.
        PaletteFromImage(Pixels, entries, image->Palette);
        FitToPalette(Pixels, O.Format, image->Palette);
    }
    image->Pixels = std::move(Pixels);
    return image;
}

void save(const QString& Out, std::uint16_t Type,
          const std::vector<std::unique_ptr<IconImage>>& Images) {
    QByteArray bytes;
    try {
        bytes = WriteIconFile(Type, Images, TransparencySettings());
    } catch (const FileError& e) {
        throw CliError(QStringLiteral("%1: %2").arg(QDir::toNativeSeparators(Out), e.message()));
    }
    writeFileReplacing(Out, bytes);
}

} // namespace

int runCreate(const QStringList& Args) {
    const CreateOptions o = parseCreate(Args);
    if (o.Pictures.size() > IconFile::MaxImageCount)
        throw CliError(
            QStringLiteral("create: a file holds at most %1 images").arg(IconFile::MaxImageCount));
    std::vector<std::unique_ptr<IconImage>> images(std::size_t(o.Pictures.size()));
    forEachParallel(int(images.size()), [&](int i) {
        images[std::size_t(i)] = imageOf(readPicture(o.Pictures.at(i)), o);
    });
    save(o.Out, o.Type, images);
    return 0;
}

int runConvert(const QStringList& Args) {
    if (Args.size() != 2) throw CliError(QStringLiteral("convert: give one IN and one OUT"));
    const QString& in = Args.at(0);
    const QString& out = Args.at(1);
    const QString suffix = QFileInfo(out).suffix().toLower();
    std::uint16_t type = 0;
    if (suffix == QLatin1String("ico"))
        type = IconFile::TypeIcon;
    else if (suffix == QLatin1String("cur"))
        type = IconFile::TypeCursor;
    else
        throw CliError(QStringLiteral("%1: the name must end in .ico or .cur")
                           .arg(QDir::toNativeSeparators(out)));
    IconFileContents contents;
    try {
        contents =
            ReadIconFile(readWholeFile(in), QDir::toNativeSeparators(in), TransparencySettings());
    } catch (const FileError& e) {
        throw CliError(e.message());
    }
    // An icon's directory holds planes and bit count where a cursor keeps its
    // hot spot; a cursor made from an icon starts at the top-left corner.
    if (type == IconFile::TypeCursor && contents.FileType != IconFile::TypeCursor)
        for (auto& image : contents.Images)
            image->HotSpotX = image->HotSpotY = 0;
    save(out, type, contents.Images);
    return 0;
}
