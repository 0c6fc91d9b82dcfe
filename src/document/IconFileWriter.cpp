#include "document/IconFileWriter.h"

#include "document/file/IconCodecError.h"
#include "document/file/IconWriter.h"
#include "document/file/XcursorConvert.h"
#include "document/file/XcursorWriter.h"
#include "document/IconFileReader.h"

#include <QDir>
#include <QSaveFile>
#include <algorithm>

// The core writes straight from the images' own pixels and palettes.
std::vector<IconImageView> IconImageViews(const std::vector<const IconImage*>& images,
                                          std::vector<std::vector<std::uint32_t>>& palettes) {
    std::vector<IconImageView> views;
    views.reserve(images.size());
    palettes.reserve(images.size());
    for (const IconImage* image : images) {
        const TBitmap32& px = image->Pixels;
        palettes.push_back(IconFile::ColourTableEntries(image->Format) > 0
                               ? image->Palette.entries()
                               : std::vector<std::uint32_t>());
        IconImageView v;
        v.Width = px.Width;
        v.Height = px.Height;
        v.Format = image->Format;
        v.HotSpotX = image->HotSpotX;
        v.HotSpotY = image->HotSpotY;
        // A buffer whose size disagrees with its pixels is refused as 0 x 0.
        const bool whole = px.Bits.size() == std::size_t(px.Width) * std::size_t(px.Height);
        v.Pixels = whole ? px.Bits.data() : nullptr;
        v.Palette = &palettes.back();
        v.StoredAsPng = image->StoredAsPng;
        v.Stored = reinterpret_cast<const std::uint8_t*>(image->StoredData.constData());
        v.StoredLength = std::size_t(image->StoredData.size());
        views.push_back(v);
    }
    return views;
}

namespace {

std::vector<const IconImage*> pointers(const std::vector<std::unique_ptr<IconImage>>& images) {
    std::vector<const IconImage*> out;
    out.reserve(images.size());
    for (const auto& image : images)
        out.push_back(image.get());
    return out;
}

// Each image one still X cursor image of nominal size its longer side.
std::vector<std::uint8_t> encodeXcursor(const std::vector<const IconImage*>& Images,
                                        const TransparencySettings& Settings) {
    XcursorContents contents;
    int inverted = 0;
    for (const IconImage* image : XcursorKeptImages(Images))
        contents.Images.push_back(XcursorImageFromRaster(IconRasterOf(*image), Settings, inverted));
    return EncodeXcursorFile(contents);
}

} // namespace

IconRaster IconRasterOf(const IconImage& Image) {
    IconRaster raster;
    raster.Width = Image.Pixels.Width;
    raster.Height = Image.Pixels.Height;
    raster.Format = Image.Format;
    raster.HotSpotX = Image.HotSpotX;
    raster.HotSpotY = Image.HotSpotY;
    raster.Pixels = Image.Pixels.Bits;
    if (raster.Pixels.size() != std::size_t(raster.Width) * std::size_t(raster.Height))
        throw IconFileError(QStringLiteral("An image's pixels do not match its size."));
    return raster;
}

std::vector<const IconImage*> XcursorKeptImages(const std::vector<const IconImage*>& Images) {
    // Only the sizes and formats decide.
    std::vector<IconRaster> shapes(Images.size());
    for (std::size_t i = 0; i < Images.size(); ++i) {
        shapes[i].Width = Images[i]->Pixels.Width;
        shapes[i].Height = Images[i]->Pixels.Height;
        shapes[i].Format = Images[i]->Format;
    }
    std::vector<const IconImage*> kept;
    for (std::size_t i : OneImagePerSize(shapes))
        kept.push_back(Images[i]);
    return kept;
}

int CountInvertedPixels(const std::vector<const IconImage*>& Images,
                        const TransparencySettings& Settings) {
    int count = 0;
    for (const auto& image : Images)
        for (std::uint32_t c : image->Pixels.Bits)
            count += IsInvertedPixel(c, image->Format, Settings) ? 1 : 0;
    return count;
}

QByteArray WriteIconFile(std::uint16_t FileType, const std::vector<const IconImage*>& Images,
                         const TransparencySettings& Settings) {
    std::vector<std::vector<std::uint32_t>> palettes;
    std::vector<std::uint8_t> bytes;
    try {
        bytes = FileType == XcursorFileType
                    ? encodeXcursor(Images, Settings)
                    : EncodeIconFile(FileType, IconImageViews(Images, palettes), Settings);
    } catch (const IconCodecError& e) {
        throw IconFileError(QString::fromStdString(e.what()));
    }
    return QByteArray(reinterpret_cast<const char*>(bytes.data()), qsizetype(bytes.size()));
}

QByteArray WriteIconFile(std::uint16_t FileType,
                         const std::vector<std::unique_ptr<IconImage>>& Images,
                         const TransparencySettings& Settings) {
    return WriteIconFile(FileType, pointers(Images), Settings);
}

void SaveIconFile(const QString& Path, std::uint16_t FileType,
                  const std::vector<const IconImage*>& Images,
                  const TransparencySettings& Settings) {
    const QString shown = QDir::toNativeSeparators(Path);
    const auto fail = [&](const QString& reason) {
        return IconFileError(QStringLiteral("Cannot save \"%1\". %2").arg(shown, reason));
    };
    // Encode first: an image that cannot be stored must not cost the old file.
    QByteArray bytes;
    try {
        bytes = WriteIconFile(FileType, Images, Settings);
    } catch (const IconFileError& e) {
        throw fail(e.message());
    }
    SaveFileBytes(Path, bytes);
}

void SaveFileBytes(const QString& Path, const QByteArray& Bytes) {
    const auto fail = [&](const QString& reason) {
        return IconFileError(
            QStringLiteral("Cannot save \"%1\". %2").arg(QDir::toNativeSeparators(Path), reason));
    };
    QSaveFile file(Path);
    if (!file.open(QIODevice::WriteOnly)) throw fail(file.errorString());
    if (file.write(Bytes) != Bytes.size()) {
        const QString reason = file.errorString();
        file.cancelWriting();
        throw fail(reason);
    }
    if (!file.commit()) throw fail(file.errorString());
}

void SaveIconFile(const QString& Path, std::uint16_t FileType,
                  const std::vector<std::unique_ptr<IconImage>>& Images,
                  const TransparencySettings& Settings) {
    SaveIconFile(Path, FileType, pointers(Images), Settings);
}
