#include "document/file/ImageRows.h"

#include "document/file/IconFileLayout.h"
#include "document/file/IconRgb.h"

#include <algorithm>
#include <array>
#include <cstring>
#include <stdexcept>

namespace {

std::array<std::uint32_t, 256> opaqueEntries(const std::vector<std::uint32_t>& Palette) {
    std::array<std::uint32_t, 256> lut{};
    const std::size_t n = std::min<std::size_t>(Palette.size(), 256);
    for (std::size_t i = 0; i < 256; ++i)
        lut[i] = IconRgb::withAlpha(i < n ? Palette[i] : 0, 255);
    return lut;
}

std::uint32_t fromBgr(const std::uint8_t* p, int alpha) {
    return std::uint32_t(p[2]) | (std::uint32_t(p[1]) << 8) | (std::uint32_t(p[0]) << 16) |
           (std::uint32_t(alpha) << 24);
}

} // namespace

void DecodeRows(std::uint32_t* Target, int Width, int Height,
                const std::vector<std::uint32_t>& Palette, int BitCount, IconByteCursor& In) {
    if (!IconFile::IsSupportedBitCount(BitCount))
        throw std::invalid_argument("unsupported bit count");
    const int w = Width;
    const int stride = IconFile::RowStride(w, BitCount);
    const std::int64_t total = ImageDataSize(w, Height, BitCount);
    const std::uint8_t* data = In.peek(total);
    const std::array<std::uint32_t, 256> lut =
        BitCount <= 8 ? opaqueEntries(Palette) : std::array<std::uint32_t, 256>{};

    for (int y = Height - 1; y >= 0; --y, data += stride) {
        std::uint32_t* out = Target + std::size_t(y) * std::size_t(w);
        switch (BitCount) {
        case 1:
            for (int x = 0; x < w; ++x)
                out[x] = lut[(data[x >> 3] >> (7 - (x & 7))) & 1];
            break;
        case 4:
            for (int x = 0; x < w; ++x)
                out[x] = lut[(x & 1) ? (data[x >> 1] & 0x0F) : (data[x >> 1] >> 4)];
            break;
        case 8:
            for (int x = 0; x < w; ++x)
                out[x] = lut[data[x]];
            break;
        case 24:
            for (int x = 0; x < w; ++x)
                out[x] = fromBgr(data + 3 * x, 255);
            break;
        default: // 32
            for (int x = 0; x < w; ++x)
                out[x] = fromBgr(data + 4 * x, data[4 * x + 3]);
            break;
        }
    }
    In.skip(total);
}

void EncodeRows(const std::uint32_t* Source, int Width, int Height,
                const std::vector<std::uint32_t>& Palette, int BitCount,
                std::vector<std::uint8_t>& Out) {
    if (!IconFile::IsSupportedBitCount(BitCount))
        throw std::invalid_argument("unsupported bit count");
    const int w = Width;
    const int stride = IconFile::RowStride(w, BitCount);
    const std::size_t start = Out.size();
    Out.resize(start + std::size_t(ImageDataSize(w, Height, BitCount)), 0);
    std::uint8_t* row = Out.data() + start;

    RowEncoder encoder(Palette, BitCount);
    for (int y = Height - 1; y >= 0; --y, row += stride)
        encoder.encode(Source + std::size_t(y) * std::size_t(w), w, row);
}

RowEncoder::RowEncoder(const std::vector<std::uint32_t>& Palette, int BitCount)
    : m_bitCount(BitCount), m_indexer(Palette, IconFile::ColourTableEntries(BitCount)) {
    if (!IconFile::IsSupportedBitCount(BitCount))
        throw std::invalid_argument("unsupported bit count");
}

void RowEncoder::encode(const std::uint32_t* in, int w, std::uint8_t* row) {
    switch (m_bitCount) {
    case 1:
        for (int x = 0; x < w; ++x)
            row[x >> 3] |= std::uint8_t((m_indexer.index(in[x]) & 1) << (7 - (x & 7)));
        break;
    case 4:
        for (int x = 0; x < w; ++x) {
            const int i = m_indexer.index(in[x]) & 0x0F;
            row[x >> 1] |= std::uint8_t((x & 1) ? i : i << 4);
        }
        break;
    case 8:
        for (int x = 0; x < w; ++x)
            row[x] = std::uint8_t(m_indexer.index(in[x]));
        break;
    default: // 24 and 32: blue, green, red (, alpha)
        const int bytes = m_bitCount / 8;
        for (int x = 0; x < w; ++x) {
            std::uint8_t* p = row + bytes * x;
            p[0] = std::uint8_t(IconRgb::blue(in[x]));
            p[1] = std::uint8_t(IconRgb::green(in[x]));
            p[2] = std::uint8_t(IconRgb::red(in[x]));
            if (bytes == 4) p[3] = std::uint8_t(IconRgb::alpha(in[x]));
        }
        break;
    }
}

int PaletteIndex(std::uint32_t RGB, const std::vector<std::uint32_t>& Palette) {
    const std::uint32_t c = IconRgb::rgb(RGB);
    for (std::size_t i = 0; i < Palette.size(); ++i)
        if (Palette[i] == c) return int(i);
    return -1;
}

PaletteIndexer::PaletteIndexer(const std::vector<std::uint32_t>& Palette, int MaxEntries)
    : m_entries(Palette.begin(),
                Palette.begin() + std::min<std::ptrdiff_t>(std::ptrdiff_t(Palette.size()),
                                                           std::max(MaxEntries, 0))) {
    // Walk backwards so that a colour listed twice keeps its first index.
    for (int i = int(m_entries.size()) - 1; i >= 0; --i)
        m_known[m_entries[std::size_t(i)]] = i;
}

int PaletteIndexer::index(std::uint32_t RGB) {
    const std::uint32_t c = IconRgb::rgb(RGB);
    if (m_lastIndex >= 0 && c == m_lastColour) return m_lastIndex;
    m_lastColour = c;
    m_lastIndex = lookUp(c);
    return m_lastIndex;
}

int PaletteIndexer::lookUp(std::uint32_t c) {
    const auto it = m_known.find(c);
    if (it != m_known.end()) return it->second;
    // A colour the palette lacks (typically the black or white standing in for
    // masked pixels): the nearest entry, never a value that spills into the
    // neighbouring pixels of the byte.
    if (m_entries.empty()) return 0;
    if (!m_nearest) m_nearest.emplace(m_entries);
    // The nearest colour is an entry, so its first index is already known.
    const int nearest = m_known.at(m_nearest->nearest(c));
    m_known.emplace(c, nearest);
    return nearest;
}
