#include "document/file/PngCodec.h"

#include <libdeflate.h>

#include <cstdlib>
#include <cstring>
#include <memory>
#include <new>

// The pixels' memory is taken as RGBA rows as it stands.
static_assert(__BYTE_ORDER__ == __ORDER_LITTLE_ENDIAN__, "pixels are read as bytes R, G, B, A");

namespace {

enum Filter : std::uint8_t { None = 0, Sub = 1, Up = 2, Average = 3, Paeth = 4 };

void putBe32(std::vector<std::uint8_t>& Out, std::uint32_t V) {
    const std::uint8_t b[4] = {std::uint8_t(V >> 24), std::uint8_t(V >> 16), std::uint8_t(V >> 8),
                               std::uint8_t(V)};
    Out.insert(Out.end(), b, b + 4);
}

// Length, type, data and the CRC of type and data.
void putChunk(std::vector<std::uint8_t>& Out, const char* Type, const std::uint8_t* Data,
              std::size_t Size) {
    putBe32(Out, std::uint32_t(Size));
    const std::size_t typeAt = Out.size();
    Out.insert(Out.end(), Type, Type + 4);
    if (Size > 0) Out.insert(Out.end(), Data, Data + Size);
    putBe32(Out, std::uint32_t(libdeflate_crc32(0, Out.data() + typeAt, 4 + Size)));
}

int paethPredictor(int A, int B, int C) {
    const int p = A + B - C;
    const int pa = std::abs(p - A), pb = std::abs(p - B), pc = std::abs(p - C);
    return pa <= pb && pa <= pc ? A : pb <= pc ? B : C;
}

// One row through one filter; above the first row lies a row of zeros. Each filter
// has its own plain loop (the first pixel apart), so the compiler can
// vectorise it.
void filterRow(Filter F, const std::uint8_t* Row, const std::uint8_t* Above, std::size_t Bytes,
               std::uint8_t* Out) {
    constexpr std::size_t bpp = 4;
    const std::uint8_t* up = Above;
    switch (F) {
    case None:
        std::memcpy(Out, Row, Bytes);
        break;
    case Sub:
        std::memcpy(Out, Row, bpp);
        for (std::size_t i = bpp; i < Bytes; ++i)
            Out[i] = std::uint8_t(Row[i] - Row[i - bpp]);
        break;
    case Up:
        for (std::size_t i = 0; i < Bytes; ++i)
            Out[i] = std::uint8_t(Row[i] - up[i]);
        break;
    case Average:
        for (std::size_t i = 0; i < bpp; ++i)
            Out[i] = std::uint8_t(Row[i] - up[i] / 2);
        for (std::size_t i = bpp; i < Bytes; ++i)
            Out[i] = std::uint8_t(Row[i] - (Row[i - bpp] + up[i]) / 2);
        break;
    case Paeth:
        for (std::size_t i = 0; i < bpp; ++i)
            Out[i] = std::uint8_t(Row[i] - up[i]);
        for (std::size_t i = bpp; i < Bytes; ++i)
            Out[i] = std::uint8_t(Row[i] - paethPredictor(Row[i - bpp], up[i], up[i - bpp]));
        break;
    }
}

// The usual guess at the filter that packs best: the smallest sum of the
// filtered bytes read as signed values.
std::uint64_t cost(const std::uint8_t* Filtered, std::size_t Bytes) {
    std::uint64_t sum = 0;
    for (std::size_t i = 0; i < Bytes; ++i)
        sum += std::uint64_t(std::abs(int(std::int8_t(Filtered[i]))));
    return sum;
}

struct CompressorFree {
    void operator()(libdeflate_compressor* C) const { libdeflate_free_compressor(C); }
};
using Compressor = std::unique_ptr<libdeflate_compressor, CompressorFree>;

// One compressor per thread and packing, kept: making one costs more than
// packing a small picture.
libdeflate_compressor* compressor(PngPacking Packing) {
    thread_local Compressor fast, small;
    Compressor& c = Packing == PngPacking::Fast ? fast : small;
    if (!c) c.reset(libdeflate_alloc_compressor(Packing == PngPacking::Fast ? 1 : 6));
    if (!c) throw std::bad_alloc();
    return c.get();
}

} // namespace

std::vector<std::uint8_t> EncodePng(const std::uint32_t* Pixels, int Width, int Height,
                                    PngPacking Packing) {
    const std::size_t rowBytes = std::size_t(Width) * 4;
    std::vector<std::uint8_t> filtered((rowBytes + 1) * std::size_t(Height));
    std::vector<std::uint8_t> trial(Packing == PngPacking::Small ? rowBytes : 0);
    const std::vector<std::uint8_t> zeros(rowBytes, 0);
    const auto* rows = reinterpret_cast<const std::uint8_t*>(Pixels);
    for (int y = 0; y < Height; ++y) {
        const std::uint8_t* row = rows + std::size_t(y) * rowBytes;
        const std::uint8_t* above = y > 0 ? row - rowBytes : zeros.data();
        std::uint8_t* out = filtered.data() + std::size_t(y) * (rowBytes + 1);
        Filter chosen = Up;
        if (Packing == PngPacking::Small) {
            std::uint64_t best = ~std::uint64_t(0);
            for (Filter f : {None, Sub, Up, Average, Paeth}) {
                filterRow(f, row, above, rowBytes, trial.data());
                const std::uint64_t c = cost(trial.data(), rowBytes);
                if (c < best) {
                    best = c;
                    chosen = f;
                }
            }
        }
        out[0] = chosen;
        filterRow(chosen, row, above, rowBytes, out + 1);
    }

    libdeflate_compressor* c = compressor(Packing);
    std::vector<std::uint8_t> packed(libdeflate_zlib_compress_bound(c, filtered.size()));
    const std::size_t packedSize =
        libdeflate_zlib_compress(c, filtered.data(), filtered.size(), packed.data(), packed.size());
    if (packedSize == 0) throw std::runtime_error("the picture could not be compressed");

    std::vector<std::uint8_t> png;
    png.reserve(packedSize + 64);
    static const std::uint8_t signature[8] = {0x89, 'P', 'N', 'G', '\r', '\n', 0x1A, '\n'};
    png.insert(png.end(), signature, signature + 8);
    std::vector<std::uint8_t> header;
    putBe32(header, std::uint32_t(Width));
    putBe32(header, std::uint32_t(Height));
    header.insert(header.end(), {8, 6, 0, 0, 0}); // 8 bits, RGBA, deflate, filtered, progressive
    putChunk(png, "IHDR", header.data(), header.size());
    putChunk(png, "IDAT", packed.data(), packedSize);
    putChunk(png, "IEND", nullptr, 0);
    return png;
}
