// The editor's own palette files (.icp): a BMP picture whose pixel (0, i) is
// entry i. Only the first column is read, from uncompressed BMPs of 1, 4, 8,
// 24 or 32 bits, the kinds any program that writes a palette picture uses.

#include "document/file/IconByteCursor.h"
#include "document/file/LittleEndianOut.h"
#include "document/file/PaletteFormats.h"

#include <cstdlib>

namespace {
std::uint32_t fromBgr(const std::uint8_t* P) {
    return std::uint32_t(P[2]) | std::uint32_t(P[1]) << 8 | std::uint32_t(P[0]) << 16;
}
} // namespace

std::vector<std::uint32_t> DecodeIcpPalette(const std::uint8_t* Data, std::size_t Size) {
    IconByteCursor in(Data, std::int64_t(Size));
    if (Size < 2 || Data[0] != 'B' || Data[1] != 'M')
        throw PaletteFormatError("it is not a BMP picture");
    in.seek(10);
    const std::int64_t bitsAt = in.u32();
    const std::uint32_t headerSize = in.u32();
    if (headerSize < 40 || headerSize > Size)
        throw PaletteFormatError("its BMP header is of a kind not read here");
    const std::int32_t width = std::int32_t(in.u32());
    const std::int32_t height = std::int32_t(in.u32());
    in.skip(2);
    const int bits = in.u16();
    const std::uint32_t compression = in.u32();
    in.skip(12);
    const std::uint32_t used = in.u32();
    if (compression != 0 || (bits != 1 && bits != 4 && bits != 8 && bits != 24 && bits != 32))
        throw PaletteFormatError("only uncompressed BMPs of 1, 4, 8, 24 or 32 bits are read");
    if (width < 1 || width > 0xFFFFFF || height == 0 || height == INT32_MIN ||
        std::abs(height) > MaxPaletteFileColours)
        throw PaletteFormatError("its size of " + std::to_string(width) + " x " +
                                 std::to_string(height) + " pixels is not a palette's");
    std::vector<std::uint32_t> table;
    if (bits <= 8) {
        const std::uint32_t most = 1u << bits;
        const std::uint32_t count = used == 0 || used > most ? most : used;
        in.seek(14 + std::int64_t(headerSize));
        if (!in.has(std::int64_t(count) * 4))
            throw PaletteFormatError("the file ends inside its colour table");
        for (std::uint32_t i = 0; i < count; ++i) {
            table.push_back(fromBgr(in.peek(4)));
            in.skip(4);
        }
    }
    const int rows = std::abs(height);
    const std::int64_t stride = (std::int64_t(width) * bits + 31) / 32 * 4;
    if (bitsAt < 0 || bitsAt + stride * rows > std::int64_t(Size))
        throw PaletteFormatError("the file ends before its last row");
    std::vector<std::uint32_t> colours(std::size_t(rows), 0);
    for (int i = 0; i < rows; ++i) {
        const int row = height > 0 ? rows - 1 - i : i;
        const std::uint8_t* p = Data + bitsAt + stride * row;
        if (bits >= 24) {
            colours[std::size_t(i)] = fromBgr(p);
            continue;
        }
        const unsigned index = bits == 8 ? p[0] : bits == 4 ? p[0] >> 4 : p[0] >> 7;
        // An index past the colour table is black, as BMP readers show it.
        colours[std::size_t(i)] = index < table.size() ? table[index] : 0;
    }
    return colours;
}

std::vector<std::uint8_t> EncodeIcpPalette(const std::vector<std::uint32_t>& Colours) {
    const std::uint32_t n = std::uint32_t(Colours.size());
    std::vector<std::uint8_t> out;
    out.reserve(54 + 4 * n);
    out.push_back('B');
    out.push_back('M');
    putU32(out, 54 + 4 * n);
    putU32(out, 0);
    putU32(out, 54);
    putU32(out, 40);
    putU32(out, 1);
    putU32(out, n);
    putU16(out, 1);
    putU16(out, 24);
    putU32(out, 0);
    putU32(out, 4 * n);
    putU32(out, 0); // resolutions: readers ignore them
    putU32(out, 0);
    putU32(out, 0);
    putU32(out, 0);
    // Rows bottom-up: the last entry first.
    for (std::uint32_t i = n; i-- > 0;) {
        const std::uint32_t c = Colours[i];
        out.push_back(std::uint8_t(c >> 16));
        out.push_back(std::uint8_t(c >> 8));
        out.push_back(std::uint8_t(c));
        out.push_back(0);
    }
    return out;
}
