#include "document/IconFileReader.h"

#include "document/IconByteCursor.h"
#include "document/IconImageData.h"
#include "document/ImageCaption.h"

#include <QDir>
#include <QFile>
#include <QIODevice>
#include <algorithm>

namespace {

// Anything bigger cannot be an icon: 65535 images of 255 x 255 at 32 bits
// would not reach it by much, and no real file comes near.
constexpr qint64 MaxFileSize = qint64(1) << 30;

struct ImagePlan {
    int width = 0;
    int height = 0;
    std::uint8_t hotSpotX = 0;
    std::uint8_t hotSpotY = 0;
    std::int64_t dataSize = 0; // as the directory states it
    std::int64_t offset = 0;
    std::int64_t headerSize = 0;
    int bitCount = 0;
    int tableEntries = 0;
    std::int64_t end = 0;       // first byte after the image's data
    std::int64_t shortEnd = -1; // the same without the mask, where that is allowed
    bool hasMask = true;
};

class Reader {
public:
    Reader(const QByteArray& bytes, const QString& fileName) : m_in(bytes), m_fileName(fileName) {}

    [[noreturn]] void refuse(const QString& reason) const {
        throw IconFileError::notAnIcon(m_fileName, reason);
    }

    std::uint16_t readHeader(int& count) {
        if (!m_in.has(IconFile::HeaderSize)) refuse(QStringLiteral("The file is too short."));
        const std::uint16_t reserved = m_in.u16();
        const std::uint16_t type = m_in.u16();
        count = m_in.u16();
        m_count = count;
        if (reserved != 0 || type > IconFile::TypeCursor)
            refuse(QStringLiteral("Its header is not that of an icon or a cursor."));
        if (count == 0) refuse(QStringLiteral("It holds no images."));
        if (!m_in.has(std::int64_t(count) * IconFile::EntrySize))
            refuse(QStringLiteral("The file ends inside its directory."));
        return type;
    }

    std::vector<ImagePlan> readDirectory(int count) {
        std::vector<ImagePlan> plans(static_cast<std::size_t>(count));
        for (int i = 0; i < count; ++i) {
            ImagePlan& p = plans[std::size_t(i)];
            p.width = m_in.u8();
            p.height = m_in.u8();
            m_in.skip(2); // colour count, reserved
            p.hotSpotX = std::uint8_t(m_in.u16());
            p.hotSpotY = std::uint8_t(m_in.u16());
            p.dataSize = m_in.u32();
            p.offset = m_in.u32();
            if (p.width == 0 || p.height == 0)
                refuse(QStringLiteral("Image %1 is larger than 255 x 255 pixels.").arg(i + 1));
        }
        return plans;
    }

    void planImage(int number, ImagePlan& p) {
        const std::int64_t directoryEnd =
            IconFile::HeaderSize + std::int64_t(m_count) * IconFile::EntrySize;
        if (p.offset < directoryEnd || p.offset >= m_in.size())
            refuse(QStringLiteral("The data of image %1 lies outside the file.").arg(number));
        m_in.seek(p.offset);
        static const std::uint8_t png[] = {0x89, 'P', 'N', 'G', '\r', '\n', 0x1A, '\n'};
        if (m_in.has(8) && std::equal(png, png + 8, m_in.peek(8)))
            refuse(QStringLiteral("Image %1 is stored as PNG.").arg(number));
        if (!m_in.has(IconFile::InfoHeaderSize)) truncated(number);
        p.headerSize = m_in.u32();
        m_in.skip(10); // width, height, planes: the directory gives the size
        p.bitCount = m_in.u16();
        const std::uint32_t compression = m_in.u32();
        m_in.skip(12); // image size, resolutions
        const std::uint32_t coloursUsed = m_in.u32();
        if (p.headerSize < IconFile::InfoHeaderSize)
            refuse(QStringLiteral("Image %1 has an unknown bitmap header.").arg(number));
        if (!IconFile::IsSupportedBitCount(p.bitCount))
            refuse(QStringLiteral("Image %1 has an unsupported colour depth of %2 bits.")
                       .arg(number)
                       .arg(p.bitCount));
        if (compression != 0) refuse(QStringLiteral("Image %1 is compressed.").arg(number));

        const int fullTable = IconFile::ColourTableEntries(p.bitCount);
        if (coloursUsed > std::uint32_t(fullTable) && fullTable > 0)
            refuse(QStringLiteral("Image %1 has a damaged colour table.").arg(number));
        p.tableEntries = (coloursUsed != 0 && fullTable > 0) ? int(coloursUsed) : fullTable;

        const std::int64_t pixelsEnd = p.offset + p.headerSize + 4 * std::int64_t(p.tableEntries) +
                                       ImageDataSize(p.width, p.height, p.bitCount);
        if (pixelsEnd > m_in.size()) truncated(number);
        p.end = pixelsEnd + ImageDataSize(p.width, p.height, 1);
        // Where the image ends if its mask is left out: some writers leave out
        // the mask of a 32-bit image, which does not need one, when the file
        // ends right after the pixels; others write the mask short and say so
        // in the directory's size. Both read with a clear mask. A mask cut
        // short any other way is a truncated file.
        const std::int64_t stated = p.offset + p.dataSize;
        if (stated >= pixelsEnd && stated < p.end && stated <= m_in.size()) p.shortEnd = stated;
        if (p.end <= m_in.size()) return;
        if (p.bitCount == 32 && pixelsEnd == m_in.size()) p.shortEnd = pixelsEnd;
        if (p.shortEnd < 0) truncated(number);
        dropMask(p);
    }

    static void dropMask(ImagePlan& p) {
        p.hasMask = false;
        p.end = p.shortEnd;
    }

    [[noreturn]] void truncated(int number) const {
        refuse(QStringLiteral("The file ends inside image %1.").arg(number));
    }

    // Two entries sharing data would let a small file ask for many copies of
    // its largest image; real files never share.
    // A mask the directory states short gives way to the image after it.
    void checkOverlaps(std::vector<ImagePlan>& plans) const {
        std::vector<int> order(plans.size());
        for (std::size_t i = 0; i < order.size(); ++i)
            order[i] = int(i);
        std::stable_sort(order.begin(), order.end(), [&](int a, int b) {
            return plans[std::size_t(a)].offset < plans[std::size_t(b)].offset;
        });
        for (std::size_t k = 1; k < order.size(); ++k) {
            ImagePlan& before = plans[std::size_t(order[k - 1])];
            const ImagePlan& after = plans[std::size_t(order[k])];
            if (after.offset >= before.end) continue;
            if (before.hasMask && before.shortEnd >= 0 && after.offset >= before.shortEnd) {
                dropMask(before);
                continue;
            }
            const int a = std::min(order[k - 1], order[k]) + 1;
            const int b = std::max(order[k - 1], order[k]) + 1;
            refuse(QStringLiteral("The data of images %1 and %2 overlap.").arg(a).arg(b));
        }
    }

    std::unique_ptr<IconImage> readImage(const ImagePlan& p, const TransparencySettings& settings,
                                         const PalettePicture& colourChart) {
        auto image = std::make_unique<IconImage>();
        image->Format = ColourFormat(p.bitCount);
        image->HotSpotX = p.hotSpotX;
        image->HotSpotY = p.hotSpotY;

        m_in.seek(p.offset + p.headerSize);
        const int fullTable = IconFile::ColourTableEntries(p.bitCount);
        if (fullTable > 0) {
            // The palette always has the format's full size; entries the file
            // does not list stay black.
            std::vector<TColor> entries(std::size_t(fullTable), 0);
            for (int i = 0; i < p.tableEntries; ++i) {
                const std::uint8_t* bgr = m_in.peek(4);
                entries[std::size_t(i)] =
                    TColor(bgr[2]) | (TColor(bgr[1]) << 8) | (TColor(bgr[0]) << 16);
                m_in.skip(4);
            }
            image->Palette = PalettePicture::fromEntries(entries);
        } else {
            image->Palette = colourChart;
        }

        TBitmap32 colours(p.width, p.height);
        ReadImageData(colours, image->Palette, p.bitCount, m_in);
        if (p.hasMask) {
            TBitmap32 mask(p.width, p.height);
            ReadImageData(mask, maskPalette(), 1, m_in);
            applyMask(colours, mask, image->Format, settings);
        }
        image->Pixels = std::move(colours);
        image->Caption = ReaderCaption(p.width, p.height, image->Format);
        return image;
    }

private:
    static const PalettePicture& maskPalette() {
        static const PalettePicture palette = PalettePicture::fromEntries({0x000000, 0xFFFFFF});
        return palette;
    }

    // Mask bit 1 over white inverts the screen, over anything else lets it
    // through. A 32-bit pixel that has alpha of its own keeps it: its alpha
    // channel, not the mask, says how it shows.
    static void applyMask(TBitmap32& colours, const TBitmap32& mask, ColourFormat format,
                          const TransparencySettings& settings) {
        const TColor32 inverted = SetAlpha(settings.InvColor & 0xFFFFFFu, 0);
        const TColor32 transparent = SetAlpha(settings.TraColor & 0xFFFFFFu, 0);
        for (std::size_t i = 0; i < colours.Bits.size(); ++i) {
            if (Color32ToColor(mask.Bits[i]) != 0xFFFFFFu) continue;
            TColor32& c = colours.Bits[i];
            if (format == 32 && AlphaOf(c) != 0) continue;
            c = Color32ToColor(c) == 0xFFFFFFu ? inverted : transparent;
        }
    }

    IconByteCursor m_in;
    QString m_fileName;
    int m_count = 0;
};

} // namespace

IconFileContents ReadIconFile(const QByteArray& Bytes, const QString& FileName,
                              const TransparencySettings& Settings,
                              const PalettePicture& ColourChart) {
    Reader reader(Bytes, FileName);
    try {
        int count = 0;
        IconFileContents contents;
        contents.FileType = reader.readHeader(count);
        std::vector<ImagePlan> plans = reader.readDirectory(count);
        for (int i = 0; i < count; ++i)
            reader.planImage(i + 1, plans[std::size_t(i)]);
        reader.checkOverlaps(plans);

        contents.Images.reserve(plans.size());
        for (const ImagePlan& p : plans) {
            contents.Images.push_back(reader.readImage(p, Settings, ColourChart));
            contents.Images.back()->Index = int(contents.Images.size()) - 1;
        }
        return contents;
    } catch (const IconByteCursor::Overrun&) {
        // Every size is checked before it is read; this is the safety net.
        reader.refuse(QStringLiteral("The file ends too early."));
    }
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
    QFile file(Path);
    if (!file.open(QIODevice::ReadOnly))
        throw IconFileError(QStringLiteral("Cannot open file \"%1\". %2")
                                .arg(QDir::toNativeSeparators(Path), file.errorString()));
    const QByteArray bytes = readDevice(file, Path);
    if (file.error() != QFileDevice::NoError)
        throw IconFileError(QStringLiteral("Cannot read file \"%1\". %2")
                                .arg(QDir::toNativeSeparators(Path), file.errorString()));
    return ReadIconFile(bytes, Path, Settings, ColourChart);
}
