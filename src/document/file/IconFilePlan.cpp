#include "document/file/IconFilePlan.h"

#include "document/file/IconCodecError.h"
#include "document/file/IconFileLayout.h"
#include "document/file/PngCodec.h"

#include <algorithm>
#include <cstring>

bool MemoryByteSource::read(std::int64_t Offset, std::uint8_t* Into, std::size_t Count) const {
    if (Offset < 0 || std::uint64_t(Offset) > m_size || Count > m_size - std::size_t(Offset))
        return false;
    if (Count > 0) std::memcpy(Into, m_data + Offset, Count);
    return true;
}

namespace {

unsigned u16(const std::uint8_t* P) {
    return unsigned(P[0]) | (unsigned(P[1]) << 8);
}
std::uint32_t u32(const std::uint8_t* P) {
    return std::uint32_t(P[0]) | (std::uint32_t(P[1]) << 8) | (std::uint32_t(P[2]) << 16) |
           (std::uint32_t(P[3]) << 24);
}

std::string number(std::int64_t N) {
    return std::to_string(N);
}

// Bits per pixel of a PNG picture from its header's bit depth and colour type.
int pngBitCount(int Depth, int ColourType) {
    switch (ColourType) {
    case 2:
        return Depth * 3; // RGB
    case 4:
        return Depth * 2; // grey and alpha
    case 6:
        return Depth * 4; // RGBA
    default:
        return Depth; // grey, palette
    }
}

bool believableSide(std::int64_t Side) {
    return Side >= 1 && Side <= IconFile::MaxSide;
}

// Where a bitmap of W x H pixels laid out from P's offset would end.
struct BitmapLayout {
    std::int64_t pixelsEnd = 0;
    std::int64_t end = 0;
    std::int64_t shortEnd = -1;
};

class Planner {
public:
    Planner(const IconByteSource& source, const std::string& fileName)
        : m_in(source), m_size(source.size()), m_fileName(fileName) {}

    [[noreturn]] void refuse(const std::string& reason) const {
        throw IconCodecError::notAnIcon(m_fileName, reason);
    }

    IconFilePlan plan() {
        IconFilePlan result;
        std::uint8_t header[IconFile::HeaderSize];
        if (m_size < IconFile::HeaderSize || !m_in.read(0, header, sizeof header))
            refuse("The file is too short.");
        const unsigned type = u16(header + 2);
        const int count = int(u16(header + 4));
        if (u16(header) != 0 || type > IconFile::TypeCursor)
            refuse("Its header is not that of an icon or a cursor.");
        if (count == 0) refuse("It holds no images.");
        std::vector<std::uint8_t> directory(std::size_t(count) * IconFile::EntrySize);
        if (m_size < IconFile::HeaderSize + std::int64_t(directory.size()) ||
            !m_in.read(IconFile::HeaderSize, directory.data(), directory.size()))
            refuse("The file ends inside its directory.");
        m_directoryEnd = IconFile::HeaderSize + std::int64_t(directory.size());
        result.FileType = std::uint16_t(type);
        result.Images.resize(std::size_t(count));
        for (int i = 0; i < count; ++i) {
            const std::uint8_t* e = directory.data() + std::size_t(i) * IconFile::EntrySize;
            IconImagePlan& p = result.Images[std::size_t(i)];
            p.DirectoryWidth = p.Width = IconFile::SideOfByte(e[0]);
            p.DirectoryHeight = p.Height = IconFile::SideOfByte(e[1]);
            p.Planes = std::uint16_t(u16(e + 4));
            p.BitField = std::uint16_t(u16(e + 6));
            // Only a cursor keeps its hot spot there; an icon's entry holds
            // planes and bit count, which are no point of the image. An icon
            // has no hot spot of its own: it starts at the top-left corner,
            // as a new image does.
            if (type == IconFile::TypeCursor) {
                p.HotSpotX = std::uint8_t(p.Planes);
                p.HotSpotY = std::uint8_t(p.BitField);
            }
            p.DataSize = u32(e + 8);
            p.Offset = u32(e + 12);
        }
        m_offsets.reserve(result.Images.size());
        for (const IconImagePlan& p : result.Images)
            m_offsets.push_back(p.Offset);
        std::sort(m_offsets.begin(), m_offsets.end());
        for (int i = 0; i < count; ++i)
            planImage(i + 1, result.Images[std::size_t(i)]);
        checkOverlaps(result.Images);
        // A cursor's hot spot was given for the size its directory states;
        // read at another size, it is kept inside the image.
        if (type == IconFile::TypeCursor)
            for (IconImagePlan& p : result.Images) {
                if (p.Width == p.DirectoryWidth && p.Height == p.DirectoryHeight) continue;
                p.HotSpotX = std::uint8_t(std::min<int>(p.HotSpotX, p.Width - 1));
                p.HotSpotY = std::uint8_t(std::min<int>(p.HotSpotY, p.Height - 1));
            }
        return result;
    }

private:
    void planImage(int n, IconImagePlan& p) {
        if (p.Offset < m_directoryEnd || p.Offset >= m_size)
            refuse("The data of image " + number(n) + " lies outside the file.");
        std::uint8_t head[IconFile::InfoHeaderSize] = {};
        const std::size_t got =
            std::size_t(std::min<std::int64_t>(IconFile::InfoHeaderSize, m_size - p.Offset));
        if (!m_in.read(p.Offset, head, got)) truncated(n);
        if (IsPng(head, got)) return planPng(n, p, head, got);
        if (got < std::size_t(IconFile::InfoHeaderSize)) truncated(n);
        p.HeaderSize = u32(head);
        const std::int64_t headerWidth = std::int32_t(u32(head + 4));
        const std::int64_t headerHeight = std::int32_t(u32(head + 8)) / 2;
        p.BitCount = int(u16(head + 14));
        const std::uint32_t compression = u32(head + 16);
        const std::uint32_t coloursUsed = u32(head + 32);
        if (p.HeaderSize < IconFile::InfoHeaderSize)
            refuse("Image " + number(n) + " has an unknown bitmap header.");
        if (!IconFile::IsSupportedBitCount(p.BitCount))
            refuse("Image " + number(n) + " has an unsupported colour depth of " +
                   number(p.BitCount) + " bits.");
        if (compression != 0) refuse("Image " + number(n) + " is compressed.");

        const int fullTable = IconFile::ColourTableEntries(p.BitCount);
        if (coloursUsed > std::uint32_t(fullTable) && fullTable > 0)
            refuse("Image " + number(n) + " has a damaged colour table.");
        p.TableEntries = (coloursUsed != 0 && fullTable > 0) ? int(coloursUsed) : fullTable;

        // The image's own header decides its size, as Windows reads it, when
        // that size is one an image can have and the data before the next
        // image (or the file's end) holds it. Otherwise the directory's size
        // stands, and must fit as it always had to.
        if ((headerWidth != p.Width || headerHeight != p.Height) && believableSide(headerWidth) &&
            believableSide(headerHeight)) {
            const BitmapLayout l = layout(p, int(headerWidth), int(headerHeight));
            const std::int64_t room = roomAfter(p.Offset);
            const bool whole = l.end <= room;
            if (whole || (l.shortEnd >= 0 && l.shortEnd <= room)) {
                p.Width = int(headerWidth);
                p.Height = int(headerHeight);
                p.End = l.end;
                p.ShortEnd = l.shortEnd;
                if (!whole) dropMask(p);
                return;
            }
        }
        const BitmapLayout l = layout(p, p.Width, p.Height);
        if (l.pixelsEnd > m_size) truncated(n);
        p.End = l.end;
        p.ShortEnd = l.shortEnd;
        if (p.End <= m_size) return;
        if (p.BitCount == 32 && l.pixelsEnd == m_size) p.ShortEnd = l.pixelsEnd;
        if (p.ShortEnd < 0) truncated(n);
        dropMask(p);
    }

    BitmapLayout layout(const IconImagePlan& p, int w, int h) const {
        BitmapLayout l;
        l.pixelsEnd = p.Offset + p.HeaderSize + 4 * std::int64_t(p.TableEntries) +
                      ImageDataSize(w, h, p.BitCount);
        l.end = l.pixelsEnd + ImageDataSize(w, h, 1);
        // Where the image ends if its mask is left out: some writers leave out
        // the mask of a 32-bit image, which does not need one, when the file
        // ends right after the pixels; others write the mask short and say so
        // in the directory's size. Both read with a clear mask. A mask cut
        // short any other way is a truncated file.
        const std::int64_t stated = p.Offset + p.DataSize;
        if (stated >= l.pixelsEnd && stated < l.end && stated <= m_size) l.shortEnd = stated;
        return l;
    }

    // The bytes an image at Offset may take: up to the next image's data, or
    // the end of the file.
    std::int64_t roomAfter(std::int64_t Offset) const {
        const auto next = std::upper_bound(m_offsets.begin(), m_offsets.end(), Offset);
        return next == m_offsets.end() ? m_size : std::min(m_size, *next);
    }

    // A PNG picture: its length is the directory's, its size its own header's.
    void planPng(int n, IconImagePlan& p, const std::uint8_t* head, std::size_t got) {
        p.IsPng = true;
        p.HasMask = false;
        p.End = p.Offset + p.DataSize;
        if (p.End > m_size) truncated(n);
        int w = 0, h = 0;
        if (got < 26 || !PngSize(head, got, w, h))
            refuse("Image " + number(n) +
                   " holds a damaged PNG picture (its header is missing or cut short).");
        if (w > IconFile::MaxSide || h > IconFile::MaxSide)
            refuse("Image " + number(n) + " is larger than 256 x 256 pixels.");
        if (w < 1 || h < 1)
            refuse("Image " + number(n) +
                   " holds a damaged PNG picture (its header gives no size).");
        p.Width = w;
        p.Height = h;
        p.BitCount = pngBitCount(head[24], head[25]);
    }

    static void dropMask(IconImagePlan& p) {
        p.HasMask = false;
        p.End = p.ShortEnd;
    }

    [[noreturn]] void truncated(int n) const {
        refuse("The file ends inside image " + number(n) + ".");
    }

    // Two entries sharing data would let a small file ask for many copies of
    // its largest image; real files never share.
    // A mask the directory states short gives way to the image after it.
    void checkOverlaps(std::vector<IconImagePlan>& plans) const {
        std::vector<int> order(plans.size());
        for (std::size_t i = 0; i < order.size(); ++i)
            order[i] = int(i);
        std::stable_sort(order.begin(), order.end(), [&](int a, int b) {
            return plans[std::size_t(a)].Offset < plans[std::size_t(b)].Offset;
        });
        for (std::size_t k = 1; k < order.size(); ++k) {
            IconImagePlan& before = plans[std::size_t(order[k - 1])];
            const IconImagePlan& after = plans[std::size_t(order[k])];
            if (after.Offset >= before.End) continue;
            if (before.HasMask && before.ShortEnd >= 0 && after.Offset >= before.ShortEnd) {
                dropMask(before);
                continue;
            }
            const int a = std::min(order[k - 1], order[k]) + 1;
            const int b = std::max(order[k - 1], order[k]) + 1;
            refuse("The data of images " + number(a) + " and " + number(b) + " overlap.");
        }
    }

    const IconByteSource& m_in;
    std::int64_t m_size;
    std::string m_fileName;
    std::int64_t m_directoryEnd = 0;
    std::vector<std::int64_t> m_offsets; // every image's, ascending
};

} // namespace

IconFilePlan PlanIconFile(const IconByteSource& Source, const std::string& FileName) {
    return Planner(Source, FileName).plan();
}
