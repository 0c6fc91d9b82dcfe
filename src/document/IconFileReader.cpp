#include "document/IconFileReader.h"

#include "document/file/IconCodecError.h"
#include "document/file/IconReader.h"
#include "document/file/XcursorConvert.h"
#include "document/file/XcursorReader.h"
#include "document/ImageCaption.h"

#include <QDir>
#include <QFile>
#include <QIODevice>
#include <QStringList>
#include <algorithm>

namespace {

// Anything bigger cannot be an icon: 65535 images of 256 x 256 pixels as
// 32-bit bitmaps would not reach it by much, and no real file comes near.
constexpr qint64 MaxFileSize = qint64(1) << 30;

} // namespace

std::unique_ptr<IconImage> IconImageOf(IconRaster& Raster, const QByteArray& Bytes,
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

namespace {

// An X cursor's first frame of each nominal size that an image can hold.
IconFileContents readXcursor(const QByteArray& Bytes, const QString& FileName,
                             const PalettePicture& ColourChart) {
    XcursorContents read;
    try {
        read = DecodeXcursorFile(reinterpret_cast<const std::uint8_t*>(Bytes.constData()),
                                 std::size_t(Bytes.size()), FileName.toStdString());
    } catch (const IconCodecError& e) {
        throw IconFileError(QString::fromStdString(e.what()));
    }
    IconFileContents contents;
    contents.FileType = XcursorFileType;
    int laterFrames = 0, tooLarge = 0, renamed = 0;
    for (std::uint32_t size : NominalSizes(read.Images)) {
        const std::vector<const XcursorImage*> frames = FramesOfSize(read.Images, size);
        const XcursorImage& first = *frames.front();
        if (first.Width > IconFile::MaxSide || first.Height > IconFile::MaxSide) {
            ++tooLarge;
            continue;
        }
        laterFrames += int(frames.size()) - 1;
        if (size != std::uint32_t(std::max(first.Width, first.Height))) ++renamed;
        IconRaster raster = RasterFromXcursorImage(first);
        raster.StoredAsPng = false;
        contents.Images.push_back(IconImageOf(raster, Bytes, ColourChart));
        contents.Images.back()->Index = int(contents.Images.size()) - 1;
    }
    if (contents.Images.empty())
        throw IconFileError::notAnIcon(FileName,
                                       QStringLiteral("Its images are larger than 256 pixels."));
    QStringList left;
    if (laterFrames > 0)
        left << QStringLiteral("the frames after the first of each size (%1 in all)").arg(laterFrames);
    if (tooLarge > 0) left << QStringLiteral("%1 sizes larger than 256 pixels").arg(tooLarge);
    if (renamed > 0)
        left << QStringLiteral("the nominal sizes that differ from the drawn sizes (%1)").arg(renamed);
    if (!read.Comments.empty()) left << QStringLiteral("its comments");
    if (!left.isEmpty())
        contents.Notice = QStringLiteral("\"%1\" is opened without %2. Saving it writes only "
                                         "what is shown.")
                              .arg(QDir::toNativeSeparators(FileName), left.join(QStringLiteral("; ")));
    return contents;
}

} // namespace

IconFileContents ReadIconFile(const QByteArray& Bytes, const QString& FileName,
                              const TransparencySettings& Settings,
                              const PalettePicture& ColourChart) {
    if (IsXcursorFile(reinterpret_cast<const std::uint8_t*>(Bytes.constData()),
                      std::size_t(Bytes.size())))
        return readXcursor(Bytes, FileName, ColourChart);
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
        contents.Images.push_back(IconImageOf(raster, Bytes, ColourChart));
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
