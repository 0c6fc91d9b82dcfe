#include "document/IconFileWriter.h"

#include "document/IconImageData.h"

#include <QDir>
#include <QSaveFile>

namespace {

void putU16(QByteArray& out, unsigned v) {
    out.append(char(v & 0xFF));
    out.append(char((v >> 8) & 0xFF));
}

void putU32(QByteArray& out, std::uint32_t v) {
    for (int i = 0; i < 4; ++i)
        out.append(char((v >> (8 * i)) & 0xFF));
}

std::uint32_t imageBytes(const IconImage& image) {
    const int w = image.Pixels.Width;
    const int h = image.Pixels.Height;
    return std::uint32_t(IconFile::InfoHeaderSize + 4 * IconFile::ColourTableEntries(image.Format) +
                         ImageDataSize(w, h, image.Format) + ImageDataSize(w, h, 1));
}

void checkImages(const std::vector<const IconImage*>& images) {
    if (images.empty()) throw IconFileError(QStringLiteral("There are no images to save."));
    if (images.size() > std::size_t(IconFile::MaxImageCount))
        throw IconFileError(
            QStringLiteral("An icon file holds at most %1 images.").arg(IconFile::MaxImageCount));
    for (std::size_t i = 0; i < images.size(); ++i) {
        const IconImage& image = *images[i];
        const int w = image.Pixels.Width;
        const int h = image.Pixels.Height;
        if (w < 1 || h < 1 || w > IconFile::MaxSide || h > IconFile::MaxSide)
            throw IconFileError(
                QStringLiteral("Image %1 is %2 x %3 pixels; an icon image is 1 to 255 pixels "
                               "wide and high.")
                    .arg(i + 1)
                    .arg(w)
                    .arg(h));
        if (!IconFile::IsSupportedBitCount(image.Format))
            throw IconFileError(
                QStringLiteral("Image %1 has an unknown colour format.").arg(i + 1));
    }
}

void writeDirectory(QByteArray& out, std::uint16_t fileType,
                    const std::vector<const IconImage*>& images) {
    putU16(out, 0);
    putU16(out, fileType);
    putU16(out, unsigned(images.size()));
    std::uint32_t offset =
        std::uint32_t(IconFile::HeaderSize + IconFile::EntrySize * int(images.size()));
    for (const IconImage* image : images) {
        out.append(char(image->Pixels.Width));
        out.append(char(image->Pixels.Height));
        out.append(char(image->Format == 1 ? 2 : image->Format == 4 ? 16 : 0));
        out.append(char(0));
        const bool icon = fileType == IconFile::TypeIcon;
        putU16(out, icon ? 1u : image->HotSpotX);
        putU16(out, icon ? unsigned(image->Format) : image->HotSpotY);
        const std::uint32_t size = imageBytes(*image);
        putU32(out, size);
        putU32(out, offset);
        offset += size;
    }
}

// The colour bitmap and the mask of one image. Masked pixels are stood in for
// by white (inverted) or black (transparent) with alpha 0, so that programs
// which ignore the mask's meaning still show them right.
void writeImage(QByteArray& out, const IconImage& image, const TransparencySettings& settings) {
    const TBitmap32& pixels = image.Pixels;
    const int w = pixels.Width;
    const int h = pixels.Height;
    const int format = image.Format;

    putU32(out, IconFile::InfoHeaderSize);
    putU32(out, std::uint32_t(w));
    putU32(out, std::uint32_t(2 * h));
    putU16(out, 1);
    putU16(out, unsigned(format));
    putU32(out, 0); // compression
    putU32(out, std::uint32_t(ImageDataSize(w, h, format)));
    putU32(out, 0);
    putU32(out, 0);
    putU32(out, 0); // colours used: the full table follows
    putU32(out, 0);

    for (int i = 0; i < IconFile::ColourTableEntries(format); ++i) {
        const TColor c = image.Palette.entry(i);
        out.append(char(BlueOf(c)));
        out.append(char(GreenOf(c)));
        out.append(char(RedOf(c)));
        out.append(char(0));
    }

    TBitmap32 colours(w, h);
    TBitmap32 mask(w, h);
    for (std::size_t i = 0; i < pixels.Bits.size(); ++i) {
        const TColor32 c = pixels.Bits[i];
        if (IsMaskedPixel(c, ColourFormat(format), settings)) {
            colours.Bits[i] = IsInvertedPixel(c, ColourFormat(format), settings) ? 0x00FFFFFFu : 0u;
            mask.Bits[i] = 0x00FFFFFFu;
        } else {
            colours.Bits[i] = c;
        }
    }
    WriteImageData(colours, image.Palette, format, out);
    static const PalettePicture maskPalette = PalettePicture::fromEntries({0x000000, 0xFFFFFF});
    WriteImageData(mask, maskPalette, 1, out);
}

std::vector<const IconImage*> pointers(const std::vector<std::unique_ptr<IconImage>>& images) {
    std::vector<const IconImage*> out;
    out.reserve(images.size());
    for (const auto& image : images)
        out.push_back(image.get());
    return out;
}

} // namespace

QByteArray WriteIconFile(std::uint16_t FileType, const std::vector<const IconImage*>& Images,
                         const TransparencySettings& Settings) {
    checkImages(Images);
    QByteArray out;
    std::int64_t total = IconFile::HeaderSize + std::int64_t(IconFile::EntrySize) * Images.size();
    for (const IconImage* image : Images)
        total += imageBytes(*image);
    out.reserve(qsizetype(total));
    writeDirectory(out, FileType, Images);
    for (const IconImage* image : Images)
        writeImage(out, *image, Settings);
    return out;
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
    QSaveFile file(Path);
    if (!file.open(QIODevice::WriteOnly)) throw fail(file.errorString());
    if (file.write(bytes) != bytes.size()) {
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
