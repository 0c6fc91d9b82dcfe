#include "cli/PngWriter.h"

#include <stdexcept>
#include <vector>
#include <zlib.h>

namespace {

void putBe32(QByteArray& Out, std::uint32_t V) {
    const char b[4] = {char(V >> 24), char(V >> 16), char(V >> 8), char(V)};
    Out.append(b, 4);
}

// Length, type, data and the CRC of type and data.
void putChunk(QByteArray& Out, const char* Type, const std::uint8_t* Data, std::size_t Size) {
    putBe32(Out, std::uint32_t(Size));
    const qsizetype typeAt = Out.size();
    Out.append(Type, 4);
    if (Size > 0) Out.append(reinterpret_cast<const char*>(Data), qsizetype(Size));
    const uLong crc =
        crc32(0L, reinterpret_cast<const Bytef*>(Out.constData() + typeAt), uInt(4 + Size));
    putBe32(Out, std::uint32_t(crc));
}

} // namespace

QByteArray encodeRgbaPng(const std::uint8_t* Rows, int Width, int Height, int Stride) {
    const std::size_t rowBytes = std::size_t(Width) * 4;
    // Each row: its filter byte (2, "Up") and the differences from the row above.
    std::vector<std::uint8_t> filtered((rowBytes + 1) * std::size_t(Height));
    for (int y = 0; y < Height; ++y) {
        const std::uint8_t* row = Rows + std::size_t(y) * std::size_t(Stride);
        const std::uint8_t* above = y > 0 ? row - Stride : nullptr;
        std::uint8_t* out = filtered.data() + std::size_t(y) * (rowBytes + 1);
        *out++ = 2;
        if (above)
            for (std::size_t i = 0; i < rowBytes; ++i)
                out[i] = std::uint8_t(row[i] - above[i]);
        else
            for (std::size_t i = 0; i < rowBytes; ++i)
                out[i] = row[i];
    }

    uLongf packedSize = compressBound(uLong(filtered.size()));
    std::vector<std::uint8_t> packed(packedSize);
    if (compress2(packed.data(), &packedSize, filtered.data(), uLong(filtered.size()), 1) != Z_OK)
        throw std::runtime_error("the picture could not be compressed");

    QByteArray png;
    png.reserve(qsizetype(packedSize) + 64);
    png.append("\x89PNG\r\n\x1a\n", 8);
    std::uint8_t header[13];
    const auto be = [](std::uint8_t* P, std::uint32_t V) {
        P[0] = std::uint8_t(V >> 24);
        P[1] = std::uint8_t(V >> 16);
        P[2] = std::uint8_t(V >> 8);
        P[3] = std::uint8_t(V);
    };
    be(header, std::uint32_t(Width));
    be(header + 4, std::uint32_t(Height));
    header[8] = 8;  // bits per channel
    header[9] = 6;  // RGBA
    header[10] = 0; // deflate
    header[11] = 0; // adaptive filtering, one filter byte per row
    header[12] = 0; // not interlaced
    putChunk(png, "IHDR", header, sizeof header);
    putChunk(png, "IDAT", packed.data(), packedSize);
    putChunk(png, "IEND", nullptr, 0);
    return png;
}
