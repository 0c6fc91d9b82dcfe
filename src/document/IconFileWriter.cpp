#include "document/IconFileWriter.h"

#include "document/file/IconCodecError.h"
#include "document/file/IconWriter.h"

#include <QDir>
#include <QSaveFile>

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

} // namespace

QByteArray WriteIconFile(std::uint16_t FileType, const std::vector<const IconImage*>& Images,
                         const TransparencySettings& Settings) {
    std::vector<std::vector<std::uint32_t>> palettes;
    std::vector<std::uint8_t> bytes;
    try {
        bytes = EncodeIconFile(FileType, IconImageViews(Images, palettes), Settings);
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
