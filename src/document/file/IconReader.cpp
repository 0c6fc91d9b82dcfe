#include "document/file/IconReader.h"

#include "document/file/IconByteCursor.h"
#include "document/file/IconRgb.h"
#include "document/file/IconCodecError.h"
#include "document/file/ImageRows.h"
#include "document/file/PngCodec.h"
#include "document/file/PngPlainDecoder.h"

#include <algorithm>

namespace {

struct ImagePlan {
    int width = 0;
    int height = 0;
    std::uint8_t hotSpotX = 0;
    std::uint8_t hotSpotY = 0;
    std::int64_t dataSize = 0; // as the directory states it
    std::int64_t offset = 0;
    bool isPng = false;
    std::int64_t headerSize = 0;
    int bitCount = 0;
    int tableEntries = 0;
    std::int64_t end = 0;       // first byte after the image's data
    std::int64_t shortEnd = -1; // the same without the mask, where that is allowed
    bool hasMask = true;
};

std::string number(std::int64_t N) { return std::to_string(N); }

class Reader {
public:
    Reader(const std::uint8_t* data, std::size_t size, const std::string& fileName)
        : m_in(data, std::int64_t(size)), m_data(data), m_fileName(fileName) {}

    [[noreturn]] void refuse(const std::string& reason) const {
        throw IconCodecError::notAnIcon(m_fileName, reason);
    }

    std::uint16_t readHeader(int& count) {
        if (!m_in.has(IconFile::HeaderSize)) refuse("The file is too short.");
        const std::uint16_t reserved = m_in.u16();
        const std::uint16_t type = m_in.u16();
        count = m_in.u16();
        m_count = count;
        if (reserved != 0 || type > IconFile::TypeCursor)
            refuse("Its header is not that of an icon or a cursor.");
        if (count == 0) refuse("It holds no images.");
        if (!m_in.has(std::int64_t(count) * IconFile::EntrySize))
            refuse("The file ends inside its directory.");
        return type;
    }

    std::vector<ImagePlan> readDirectory(int count) {
        std::vector<ImagePlan> plans(static_cast<std::size_t>(count));
        for (ImagePlan& p : plans) {
            p.width = IconFile::SideOfByte(m_in.u8());
            p.height = IconFile::SideOfByte(m_in.u8());
            m_in.skip(2); // colour count, reserved
            p.hotSpotX = std::uint8_t(m_in.u16());
            p.hotSpotY = std::uint8_t(m_in.u16());
            p.dataSize = m_in.u32();
            p.offset = m_in.u32();
        }
        return plans;
    }

    void planImage(int n, ImagePlan& p) {
        const std::int64_t directoryEnd =
            IconFile::HeaderSize + std::int64_t(m_count) * IconFile::EntrySize;
        if (p.offset < directoryEnd || p.offset >= m_in.size())
            refuse("The data of image " + number(n) + " lies outside the file.");
        m_in.seek(p.offset);
        if (IsPng(m_data + p.offset, std::size_t(m_in.remaining()))) return planPng(n, p);
        if (!m_in.has(IconFile::InfoHeaderSize)) truncated(n);
        p.headerSize = m_in.u32();
        m_in.skip(10); // width, height, planes: the directory gives the size
        p.bitCount = m_in.u16();
        const std::uint32_t compression = m_in.u32();
        m_in.skip(12); // image size, resolutions
        const std::uint32_t coloursUsed = m_in.u32();
        if (p.headerSize < IconFile::InfoHeaderSize)
            refuse("Image " + number(n) + " has an unknown bitmap header.");
        if (!IconFile::IsSupportedBitCount(p.bitCount))
            refuse("Image " + number(n) + " has an unsupported colour depth of " +
                   number(p.bitCount) + " bits.");
        if (compression != 0) refuse("Image " + number(n) + " is compressed.");

        const int fullTable = IconFile::ColourTableEntries(p.bitCount);
        if (coloursUsed > std::uint32_t(fullTable) && fullTable > 0)
            refuse("Image " + number(n) + " has a damaged colour table.");
        p.tableEntries = (coloursUsed != 0 && fullTable > 0) ? int(coloursUsed) : fullTable;

        const std::int64_t pixelsEnd = p.offset + p.headerSize + 4 * std::int64_t(p.tableEntries) +
                                       ImageDataSize(p.width, p.height, p.bitCount);
        if (pixelsEnd > m_in.size()) truncated(n);
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
        if (p.shortEnd < 0) truncated(n);
        dropMask(p);
    }

    // A PNG picture: its length is the directory's, its size its own header's,
    // and both must agree with the directory before a pixel is decoded.
    void planPng(int n, ImagePlan& p) {
        p.isPng = true;
        p.hasMask = false;
        p.end = p.offset + p.dataSize;
        if (p.end > m_in.size()) truncated(n);
        int w = 0, h = 0;
        if (!PngSize(m_data + p.offset, std::size_t(p.dataSize), w, h))
            damagedPng(n, "its header is missing or cut short");
        if (w > IconFile::MaxSide || h > IconFile::MaxSide)
            refuse("Image " + number(n) + " is larger than 256 x 256 pixels.");
        if (w != p.width || h != p.height)
            refuse("Image " + number(n) + " is " + number(w) + " x " + number(h) +
                   " pixels, but the directory says " + number(p.width) + " x " +
                   number(p.height) + ".");
    }

    [[noreturn]] void damagedPng(int n, const std::string& why) const {
        refuse("Image " + number(n) + " holds a damaged PNG picture (" + why + ").");
    }

    static void dropMask(ImagePlan& p) {
        p.hasMask = false;
        p.end = p.shortEnd;
    }

    [[noreturn]] void truncated(int n) const {
        refuse("The file ends inside image " + number(n) + ".");
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
            refuse("The data of images " + number(a) + " and " + number(b) + " overlap.");
        }
    }

    IconRaster readImage(int n, const ImagePlan& p, const TransparencySettings& settings,
                         PngImages png) {
        IconRaster image;
        image.Width = p.width;
        image.Height = p.height;
        image.HotSpotX = p.hotSpotX;
        image.HotSpotY = p.hotSpotY;
        if (p.isPng) {
            image.Format = 32;
            image.StoredAsPng = true;
            const std::uint8_t* at = m_data + p.offset;
            std::size_t length = 0;
            if (png == PngImages::KeepWholeRgba &&
                IsWholeRgbaPng(at, std::size_t(p.dataSize), length)) {
                image.PngOffset = std::size_t(p.offset);
                image.PngLength = length;
                return image;
            }
            try {
                image.Pixels =
                    DecodePng(m_data + p.offset, std::size_t(p.dataSize), IconFile::MaxSide).Pixels;
            } catch (const PngError& e) {
                damagedPng(n, e.what());
            }
            return image;
        }
        image.Format = ColourFormat(p.bitCount);
        m_in.seek(p.offset + p.headerSize);
        const int fullTable = IconFile::ColourTableEntries(p.bitCount);
        // The palette always has the format's full size; entries the file
        // does not list stay black.
        image.Palette.assign(std::size_t(fullTable), 0);
        for (int i = 0; i < p.tableEntries; ++i) {
            const std::uint8_t* bgr = m_in.peek(4);
            image.Palette[std::size_t(i)] = std::uint32_t(bgr[2]) | (std::uint32_t(bgr[1]) << 8) |
                                            (std::uint32_t(bgr[0]) << 16);
            m_in.skip(4);
        }
        image.Pixels.resize(std::size_t(p.width) * std::size_t(p.height));
        DecodeRows(image.Pixels.data(), p.width, p.height, image.Palette, p.bitCount, m_in);
        if (p.hasMask) applyMask(image, settings);
        return image;
    }

private:
    // Mask bit 1 over white inverts the screen, over anything else lets it
    // through. A 32-bit pixel that has alpha of its own keeps it: its alpha
    // channel, not the mask, says how it shows.
    void applyMask(IconRaster& image, const TransparencySettings& settings) {
        const int w = image.Width;
        const int stride = IconFile::RowStride(w, 1);
        const std::uint8_t* rows = m_in.peek(ImageDataSize(w, image.Height, 1));
        const std::uint32_t inverted = IconRgb::withAlpha(settings.InvColor, 0);
        const std::uint32_t transparent = IconRgb::withAlpha(settings.TraColor, 0);
        for (int y = 0; y < image.Height; ++y) {
            const std::uint8_t* bits = rows + std::size_t(image.Height - 1 - y) * std::size_t(stride);
            std::uint32_t* out = image.Pixels.data() + std::size_t(y) * std::size_t(w);
            for (int x = 0; x < w; ++x) {
                if (!((bits[x >> 3] >> (7 - (x & 7))) & 1)) continue;
                std::uint32_t& c = out[x];
                if (image.Format == 32 && IconRgb::alpha(c) != 0) continue;
                c = IconRgb::rgb(c) == 0xFFFFFFu ? inverted : transparent;
            }
        }
        m_in.skip(ImageDataSize(w, image.Height, 1));
    }

    IconByteCursor m_in;
    const std::uint8_t* m_data;
    std::string m_fileName;
    int m_count = 0;
};

} // namespace

IconContents DecodeIconFile(const std::uint8_t* Data, std::size_t Size,
                            const std::string& FileName, const TransparencySettings& Settings,
                            PngImages Png) {
    Reader reader(Data, Size, FileName);
    try {
        int count = 0;
        IconContents contents;
        contents.FileType = reader.readHeader(count);
        std::vector<ImagePlan> plans = reader.readDirectory(count);
        for (int i = 0; i < count; ++i)
            reader.planImage(i + 1, plans[std::size_t(i)]);
        reader.checkOverlaps(plans);

        contents.Images.reserve(plans.size());
        for (int i = 0; i < count; ++i)
            contents.Images.push_back(reader.readImage(i + 1, plans[std::size_t(i)], Settings, Png));
        return contents;
    } catch (const IconByteCursor::Overrun&) {
        // Every size is checked before it is read; this is the safety net.
        reader.refuse("The file ends too early.");
    }
}
