#include "document/IconFileReader.h"

#include "document/file/IconCodecError.h"
#include "document/file/IconReader.h"
#include "document/ImageCaption.h"

#include <QDir>
#include <QFile>
#include <QIODevice>

namespace {

// Anything bigger cannot be an icon: 65535 images of 256 x 256 pixels as
// 32-bit bitmaps would not reach it by much, and no real file comes near.
constexpr qint64 MaxFileSize = qint64(1) << 30;

std::unique_ptr<IconImage> imageOf(IconRaster& Raster, const QByteArray& Bytes,
                                   const PalettePicture& ColourChart) {
    auto image = std::make_unique<IconImage>();
    image->Format = Raster.Format;
    image->StoredAsPng = Raster.StoredAsPng;
    if (Raster.StoredLength > 0)
        image->StoredData = Bytes.mid(qsizetype(Raster.StoredOffset), qsizetype(Raster.StoredLength));
    image->HotSpotX = Raster.HotSpotX;
    image->HotSpotY = Raster.HotSpotY;
    image->Palette =
        Raster.Palette.empty() ? ColourChart : PalettePicture::fromEntries(Raster.Palette);
    TBitmap32& px = image->Pixels;
    px.Width = Raster.Width;
    px.Height = Raster.Height;
    px.Size = Raster.Width * Raster.Height * 4;
    px.Bits = std::move(Raster.Pixels);
    image->Caption = ReaderCaption(Raster.Width, Raster.Height, image->Format);
    return image;
}

} // namespace

IconFileContents ReadIconFile(const QByteArray& Bytes, const QString& FileName,
                              const TransparencySettings& Settings,
                              const PalettePicture& ColourChart) {
    IconContents read;
    try {
        read = DecodeIconFile(reinterpret_cast<const std::uint8_t*>(Bytes.constData()),
                              std::size_t(Bytes.size()), FileName.toStdString(), Settings);
    } catch (const IconCodecError& e) {
        throw IconFileError(QString::fromStdString(e.what()));
    }
    IconFileContents contents;
    contents.FileType = read.FileType;
    contents.Images.reserve(read.Images.size());
    for (IconRaster& raster : read.Images) {
        contents.Images.push_back(imageOf(raster, Bytes, ColourChart));
        contents.Images.back()->Index = int(contents.Images.size()) - 1;
    }
    return contents;
}

namespace {

QByteArray readDevice(QIODevice& Device, const QString& FileName) {
    if (!Device.isSequential() && Device.size() - Device.pos() > MaxFileSize)
        throw IconFileError::notAnIcon(FileName, QStringLiteral("The file is too large."));
    QByteArray bytes;
    for (;;) {
        const QByteArray chunk = Device.read(qint64(1) << 16);
        if (chunk.isEmpty()) break;
        bytes += chunk;
        if (bytes.size() > MaxFileSize)
            throw IconFileError::notAnIcon(FileName, QStringLiteral("The file is too large."));
    }
    return bytes;
}

} // namespace

IconFileContents ReadIconFile(QIODevice& Device, const QString& FileName,
                              const TransparencySettings& Settings,
                              const PalettePicture& ColourChart) {
    return ReadIconFile(readDevice(Device, FileName), FileName, Settings, ColourChart);
}

IconFileContents LoadIconFile(const QString& Path, const TransparencySettings& Settings,
                              const PalettePicture& ColourChart) {
    return ReadIconFile(LoadFileBytes(Path), Path, Settings, ColourChart);
}

QByteArray LoadFileBytes(const QString& Path) {
    QFile file(Path);
    if (!file.open(QIODevice::ReadOnly))
        throw IconFileError(QStringLiteral("Cannot open file \"%1\". %2")
                                .arg(QDir::toNativeSeparators(Path), file.errorString()));
    const QByteArray bytes = readDevice(file, Path);
    if (file.error() != QFileDevice::NoError)
        throw IconFileError(QStringLiteral("Cannot read file \"%1\". %2")
                                .arg(QDir::toNativeSeparators(Path), file.errorString()));
    return bytes;
}
