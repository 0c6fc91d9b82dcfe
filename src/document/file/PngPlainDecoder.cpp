#include "document/file/PngPlainDecoder.h"

#include "document/file/PngUnfilter.h"

#include <libdeflate.h>

#include <cstring>
#include <memory>
#include <vector>

namespace {

std::uint32_t be32(const std::uint8_t* P) {
    return (std::uint32_t(P[0]) << 24) | (std::uint32_t(P[1]) << 16) | (std::uint32_t(P[2]) << 8) |
           std::uint32_t(P[3]);
}

bool isType(const std::uint8_t* Type, const char* Name) {
    return std::memcmp(Type, Name, 4) == 0;
}

struct DecompressorFree {
    void operator()(libdeflate_decompressor* D) const { libdeflate_free_decompressor(D); }
};

libdeflate_decompressor* decompressor() {
    thread_local std::unique_ptr<libdeflate_decompressor, DecompressorFree> d(
        libdeflate_alloc_decompressor());
    return d.get();
}

// A plain picture's chunks, walked and checked: its colour type and its
// packed data, joined when it comes in several IDAT chunks.
struct PlainChunks {
    int ColourType = -1;
    const std::uint8_t* Packed = nullptr;
    std::size_t PackedSize = 0;
    std::vector<std::uint8_t> Joined;
    std::size_t End = 0; // first byte after IEND
};

bool walkChunks(const std::uint8_t* Data, std::size_t Size, PlainChunks& C) {
    for (std::size_t pos = 8;;) {
        if (Size - pos < 12) return false;
        const std::uint32_t length = be32(Data + pos);
        if (length > Size - pos - 12) return false;
        const std::uint8_t* type = Data + pos + 4;
        const std::uint8_t* data = type + 4;
        if (libdeflate_crc32(0, type, length + 4) != be32(data + length)) return false;
        pos += 12 + std::size_t(length);
        if (isType(type, "IHDR")) {
            if (pos != 8 + 25 || length != 13 || data[8] != 8 || (data[9] != 2 && data[9] != 6) ||
                data[10] != 0 || data[11] != 0 || data[12] != 0)
                return false;
            C.ColourType = data[9];
        } else if (isType(type, "IDAT")) {
            if (C.Packed && C.Joined.empty()) C.Joined.assign(C.Packed, C.Packed + C.PackedSize);
            if (C.Packed) {
                C.Joined.insert(C.Joined.end(), data, data + length);
                C.Packed = C.Joined.data();
                C.PackedSize = C.Joined.size();
            } else {
                C.Packed = data;
                C.PackedSize = length;
            }
        } else if (isType(type, "IEND")) {
            C.End = pos;
            return C.ColourType >= 0 && C.Packed;
        } else if (isType(type, "tRNS") || !(type[0] & 0x20)) {
            return false; // colour-key transparency, or a critical chunk we do not know
        }
    }
}

// The filtered rows, exactly RawSize bytes of them, into Raw.
bool inflateRows(const PlainChunks& C, std::uint8_t* Raw, std::size_t RawSize) {
    std::size_t actual = 0;
    return libdeflate_zlib_decompress(decompressor(), C.Packed, C.PackedSize, Raw, RawSize,
                                      &actual) == LIBDEFLATE_SUCCESS &&
           actual == RawSize;
}

} // namespace

bool DecodePlainPng(const std::uint8_t* Data, std::size_t Size, int Width, int Height,
                    std::uint32_t* Out) {
    PlainChunks chunks;
    if (!walkChunks(Data, Size, chunks)) return false;
    const std::size_t bpp = chunks.ColourType == 6 ? 4 : 3;
    const std::size_t rowBytes = std::size_t(Width) * bpp;
    const std::size_t rawSize = (rowBytes + 1) * std::size_t(Height);
    // Every byte is written by the inflater before it is read: left unset.
    const std::unique_ptr<std::uint8_t[]> raw(new std::uint8_t[rawSize]);
    if (!inflateRows(chunks, raw.get(), rawSize)) return false;

    const std::vector<std::uint8_t> zeros(rowBytes, 0);
    const std::uint8_t* above = zeros.data();
    auto* pixels = reinterpret_cast<std::uint8_t*>(Out);
    for (int y = 0; y < Height; ++y) {
        std::uint8_t* row = raw.get() + std::size_t(y) * (rowBytes + 1);
        std::uint8_t* out = pixels + std::size_t(y) * std::size_t(Width) * 4;
        if (bpp == 4) {
            // Straight into the pixels: their rows are the unfiltered rows.
            if (!UnfilterPngRow(row[0], row + 1, above, rowBytes, bpp, out)) return false;
            above = out;
            continue;
        }
        if (!UnfilterPngRow(row[0], row + 1, above, rowBytes, bpp, row + 1)) return false;
        above = row + 1;
        for (int x = 0; x < Width; ++x) {
            std::memcpy(out + 4 * x, row + 1 + 3 * x, 3);
            out[4 * x + 3] = 0xFF;
        }
    }
    return true;
}

bool IsWholeRgbaPng(const std::uint8_t* Data, std::size_t Size, std::size_t& Length) {
    PlainChunks chunks;
    if (!walkChunks(Data, Size, chunks) || chunks.ColourType != 6) return false;
    // The zlib header: deflate with a window of at most 32 KiB, its check
    // bits right, no preset dictionary.
    const std::uint8_t* z = chunks.Packed;
    if (chunks.PackedSize < 2 || (z[0] & 0x0F) != 8 || (z[0] >> 4) > 7 ||
        ((unsigned(z[0]) << 8) | z[1]) % 31 != 0 || (z[1] & 0x20))
        return false;
    Length = chunks.End;
    return true;
}
