#pragma once

#include "document/IconByteCursor.h"
#include "document/PaletteMatcher.h"
#include "document/PalettePicture.h"
#include "pixel/TBitmap32.h"

#include <QByteArray>
#include <optional>
#include <unordered_map>
#include <vector>

// Decodes one colour bitmap or mask (BitCount 1, 4, 8, 24 or 32) from the
// cursor into Target, which already has the image's size: bottom row first,
// row padding skipped. Palette formats give SetAlpha(entry, 255), 24 bits
// opaque colours, 32 bits colour and alpha. Throws IconByteCursor::Overrun
// without touching Target when the data is shorter than the rows need, and
// std::invalid_argument for any other bit count.
void ReadImageData(TBitmap32& Target, const PalettePicture& Palette, int BitCount,
                   IconByteCursor& Stream);

// Appends one colour bitmap or mask of Source at BitCount to Stream, the
// inverse of ReadImageData; padding bytes and unused low bits are 0. Palette
// formats store the index of the first entry equal to the pixel's RGB, or of
// the nearest entry when none is equal.
void WriteImageData(const TBitmap32& Source, const PalettePicture& Palette, int BitCount,
                    QByteArray& Stream);

// The first entry of Palette equal to RGB (alpha dropped), or -1 when none is.
int PaletteIndex(TColor RGB, const PalettePicture& Palette);

// PaletteIndex for a whole image at a time: the same answers, remembered per
// colour, falling back to the nearest entry (NearestPaletteColor's choice) for
// colours the palette lacks.
// Only the first MaxEntries entries are candidates, so an index always fits
// the bits it is written in.
class PaletteIndexer {
public:
    PaletteIndexer(const PalettePicture& Palette, int MaxEntries);
    int index(TColor RGB);

private:
    int lookUp(TColor c);

    std::vector<TColor> m_entries;
    std::unordered_map<TColor, int> m_known;
    // Pictures and masks come in runs of one colour: the last answer is
    // checked before the table.
    TColor m_lastColour = 0;
    int m_lastIndex = -1;
    std::optional<PaletteMatcher> m_nearest; // made at the first colour not in the palette
};
