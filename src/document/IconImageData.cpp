#include "document/IconImageData.h"

#include "document/IconFileFormat.h"

#include <array>
#include <cstring>
#include <stdexcept>

namespace {

std::array<TColor32, 256> opaqueEntries(const PalettePicture& Palette) {
    std::array<TColor32, 256> lut{};
    const int n = std::min(Palette.count(), 256);
    for (int i = 0; i < 256; ++i)
        lut[std::size_t(i)] = SetAlpha(i < n ? Palette.entry(i) : 0, 255);
    return lut;
}

TColor32 fromBgr(const std::uint8_t* p, int alpha) {
    return TColor32(p[2]) | (TColor32(p[1]) << 8) | (TColor32(p[0]) << 16) |
           (TColor32(alpha) << 24);
}

} // namespace

void ReadImageData(TBitmap32& Target, const PalettePicture& Palette, int BitCount,
                   IconByteCursor& Stream) {
    if (!IconFile::IsSupportedBitCount(BitCount))
        throw std::invalid_argument("unsupported bit count");
    const int w = Target.Width;
    const int h = Target.Height;
    const int stride = IconFile::RowStride(w, BitCount);
    const std::uint8_t* data = Stream.peek(std::int64_t(ImageDataSize(w, h, BitCount)));
    const std::array<TColor32, 256> lut =
        BitCount <= 8 ? opaqueEntries(Palette) : std::array<TColor32, 256>{};

    for (int y = h - 1; y >= 0; --y, data += stride) {
        TColor32* out = Target.scanLine(y);
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
    Stream.skip(std::int64_t(ImageDataSize(w, h, BitCount)));
}

void WriteImageData(const TBitmap32& Source, const PalettePicture& Palette, int BitCount,
                    QByteArray& Stream) {
    if (!IconFile::IsSupportedBitCount(BitCount))
        throw std::invalid_argument("unsupported bit count");
    const int w = Source.Width;
    const int h = Source.Height;
    const int stride = IconFile::RowStride(w, BitCount);
    const qsizetype start = Stream.size();
    Stream.resize(start + qsizetype(ImageDataSize(w, h, BitCount)));
    auto* row = reinterpret_cast<std::uint8_t*>(Stream.data()) + start;
    std::memset(row, 0, std::size_t(ImageDataSize(w, h, BitCount)));

    PaletteIndexer indexer(Palette, IconFile::ColourTableEntries(BitCount));
    for (int y = h - 1; y >= 0; --y, row += stride) {
        const TColor32* in = Source.scanLine(y);
        switch (BitCount) {
        case 1:
            for (int x = 0; x < w; ++x)
                row[x >> 3] |=
                    std::uint8_t((indexer.index(Color32ToColor(in[x])) & 1) << (7 - (x & 7)));
            break;
        case 4:
            for (int x = 0; x < w; ++x) {
                const int i = indexer.index(Color32ToColor(in[x])) & 0x0F;
                row[x >> 1] |= std::uint8_t((x & 1) ? i : i << 4);
            }
            break;
        case 8:
            for (int x = 0; x < w; ++x)
                row[x] = std::uint8_t(indexer.index(Color32ToColor(in[x])));
            break;
        default: // 24 and 32: blue, green, red (, alpha)
            const int bytes = BitCount / 8;
            for (int x = 0; x < w; ++x) {
                std::uint8_t* p = row + bytes * x;
                p[0] = BlueOf(in[x]);
                p[1] = GreenOf(in[x]);
                p[2] = RedOf(in[x]);
                if (bytes == 4) p[3] = AlphaOf(in[x]);
            }
            break;
        }
    }
}

int PaletteIndex(TColor RGB, const PalettePicture& Palette) {
    const TColor c = RGB & 0xFFFFFFu;
    for (int i = 0; i < Palette.count(); ++i)
        if (Palette.entry(i) == c) return i;
    return -1;
}

PaletteIndexer::PaletteIndexer(const PalettePicture& Palette, int MaxEntries) {
    for (int i = 0; i < std::min(Palette.count(), MaxEntries); ++i)
        m_entries.push_back(Palette.entry(i));
    // Walk backwards so that a colour listed twice keeps its first index.
    for (int i = int(m_entries.size()) - 1; i >= 0; --i)
        m_known[m_entries[std::size_t(i)]] = i;
}

int PaletteIndexer::index(TColor RGB) {
    const TColor c = RGB & 0xFFFFFFu;
    if (m_lastIndex >= 0 && c == m_lastColour) return m_lastIndex;
    m_lastColour = c;
    m_lastIndex = lookUp(c);
    return m_lastIndex;
}

int PaletteIndexer::lookUp(TColor c) {
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
