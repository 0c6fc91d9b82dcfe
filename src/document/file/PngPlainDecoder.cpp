#include "PngPlainDecoder.h"

#include <libdeflate.h>

#include <cstdlib>
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

int paeth(int A, int B, int C) {
    const int p = A + B - C;
    const int pa = std::abs(p - A), pb = std::abs(p - B), pc = std::abs(p - C);
    return pa <= pb && pa <= pc ? A : pb <= pc ? B : C;
}

// Undoes one row's filter in place; Above is the row before, unfiltered.
bool unfilter(int Filter, std::uint8_t* Row, const std::uint8_t* Above, std::size_t Bytes,
              std::size_t Bpp) {
    switch (Filter) {
    case 0:
        return true;
    case 1:
        for (std::size_t i = Bpp; i < Bytes; ++i)
            Row[i] = std::uint8_t(Row[i] + Row[i - Bpp]);
        return true;
    case 2:
        for (std::size_t i = 0; i < Bytes; ++i)
            Row[i] = std::uint8_t(Row[i] + Above[i]);
        return true;
    case 3:
        for (std::size_t i = 0; i < Bpp; ++i)
            Row[i] = std::uint8_t(Row[i] + Above[i] / 2);
        for (std::size_t i = Bpp; i < Bytes; ++i)
            Row[i] = std::uint8_t(Row[i] + (Row[i - Bpp] + Above[i]) / 2);
        return true;
    case 4:
        for (std::size_t i = 0; i < Bpp; ++i)
            Row[i] = std::uint8_t(Row[i] + Above[i]);
        for (std::size_t i = Bpp; i < Bytes; ++i)
            Row[i] = std::uint8_t(Row[i] + paeth(Row[i - Bpp], Above[i], Above[i - Bpp]));
        return true;
    default:
        return false;
    }
}

} // namespace

bool DecodePlainPng(const std::uint8_t* Data, std::size_t Size, int Width, int Height,
                    std::uint32_t* Out) {
    int colourType = -1;
    std::vector<std::uint8_t> joined; // the IDAT data when it comes in several chunks
    const std::uint8_t* packed = nullptr;
    std::size_t packedSize = 0;
    bool ended = false;
    for (std::size_t pos = 8; !ended;) {
        if (Size - pos < 12) return false;
        const std::uint32_t length = be32(Data + pos);
        if (length > Size - pos - 12) return false;
        const std::uint8_t* type = Data + pos + 4;
        const std::uint8_t* data = type + 4;
        if (libdeflate_crc32(0, type, length + 4) != be32(data + length)) return false;
        if (isType(type, "IHDR")) {
            if (pos != 8 || length != 13 || data[8] != 8 || (data[9] != 2 && data[9] != 6) ||
                data[10] != 0 || data[11] != 0 || data[12] != 0)
                return false;
            colourType = data[9];
        } else if (isType(type, "IDAT")) {
            if (packed && joined.empty()) joined.assign(packed, packed + packedSize);
            if (packed) {
                joined.insert(joined.end(), data, data + length);
                packed = joined.data();
                packedSize = joined.size();
            } else {
                packed = data;
                packedSize = length;
            }
        } else if (isType(type, "IEND")) {
            ended = true;
        } else if (isType(type, "tRNS") || !(type[0] & 0x20)) {
            return false; // colour-key transparency, or a critical chunk we do not know
        }
        pos += 12 + std::size_t(length);
    }
    if (colourType < 0 || !packed) return false;

    const std::size_t bpp = colourType == 6 ? 4 : 3;
    const std::size_t rowBytes = std::size_t(Width) * bpp;
    const std::size_t rawSize = (rowBytes + 1) * std::size_t(Height);
    // Every byte is written by the inflater before it is read: left unset.
    const std::unique_ptr<std::uint8_t[]> raw(new std::uint8_t[rawSize]);
    std::size_t actual = 0;
    if (libdeflate_zlib_decompress(decompressor(), packed, packedSize, raw.get(), rawSize,
                                   &actual) != LIBDEFLATE_SUCCESS ||
        actual != rawSize)
        return false;

    const std::vector<std::uint8_t> zeros(rowBytes, 0);
    const std::uint8_t* above = zeros.data();
    for (int y = 0; y < Height; ++y) {
        std::uint8_t* row = raw.get() + std::size_t(y) * (rowBytes + 1);
        if (!unfilter(row[0], row + 1, above, rowBytes, bpp)) return false;
        above = row + 1;
        std::uint8_t* out = reinterpret_cast<std::uint8_t*>(Out + std::size_t(y) * std::size_t(Width));
        if (bpp == 4) {
            std::memcpy(out, row + 1, rowBytes);
        } else {
            for (int x = 0; x < Width; ++x) {
                std::memcpy(out + 4 * x, row + 1 + 3 * x, 3);
                out[4 * x + 3] = 0xFF;
            }
        }
    }
    return true;
}
