#pragma once

#include "document/file/IconByteCursor.h"
#include "document/file/PaletteMatcher.h"

#include <cstdint>
#include <optional>
#include <unordered_map>
#include <vector>

// The colour bitmap and mask rows of a classic icon image. Pixels are
// straight-alpha colours (red in the low byte), Width x Height of them, top
// row first; palettes are RGB entries.

// Decodes one colour bitmap or mask (BitCount 1, 4, 8, 24 or 32) from the
// cursor into Target: bottom row first, row padding skipped. Palette formats
// give the entry with alpha 255 (entries past Palette's end are black), 24
// bits opaque colours, 32 bits colour and alpha. Throws
// IconByteCursor::Overrun without touching Target when the data is shorter
// than the rows need, and std::invalid_argument for any other bit count.
void DecodeRows(std::uint32_t* Target, int Width, int Height,
                const std::vector<std::uint32_t>& Palette, int BitCount, IconByteCursor& In);

// Appends one colour bitmap or mask of Source at BitCount to Out, the inverse
// of DecodeRows; padding bytes and unused low bits are 0. Palette formats
// store the index of the first entry equal to the pixel's RGB, or of the
// nearest entry when none is equal.
void EncodeRows(const std::uint32_t* Source, int Width, int Height,
                const std::vector<std::uint32_t>& Palette, int BitCount,
                std::vector<std::uint8_t>& Out);

class RowEncoder;

// The first entry of Palette equal to RGB (alpha dropped), or -1 when none is.
int PaletteIndex(std::uint32_t RGB, const std::vector<std::uint32_t>& Palette);

// PaletteIndex for a whole image at a time: the same answers, remembered per
// colour, falling back to the nearest entry (NearestPaletteColor's choice) for
// colours the palette lacks.
// Only the first MaxEntries entries are candidates, so an index always fits
// the bits it is written in.
class PaletteIndexer {
public:
    PaletteIndexer(const std::vector<std::uint32_t>& Palette, int MaxEntries);
    int index(std::uint32_t RGB);

private:
    int lookUp(std::uint32_t c);

    std::vector<std::uint32_t> m_entries;
    std::unordered_map<std::uint32_t, int> m_known;
    // Pictures and masks come in runs of one colour: the last answer is
    // checked before the table.
    std::uint32_t m_lastColour = 0;
    int m_lastIndex = -1;
    std::optional<PaletteMatcher> m_nearest; // made at the first colour not in the palette
};

// Encodes rows one at a time at BitCount (1, 4, 8, 24 or 32), with one
// palette lookup for all of them: for writers that make each row on the fly.
class RowEncoder {
public:
    RowEncoder(const std::vector<std::uint32_t>& Palette, int BitCount);
    // Width pixels into Out, which holds RowStride(Width, BitCount) zero bytes.
    void encode(const std::uint32_t* Row, int Width, std::uint8_t* Out);

private:
    int m_bitCount;
    PaletteIndexer m_indexer;
};
