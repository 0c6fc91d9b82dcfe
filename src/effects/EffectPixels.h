#pragma once

#include "pixel/TBitmap32.h"

#include <cstddef>
#include <utility>

// Writes an effect's result. Effects replace pixels (never blend), but the
// buffer's clip rule still applies; without a clip region the write goes
// straight to the row, which keeps the per-pixel loops cheap.
inline void effectSetPixel(TBitmap32& Target, int X, int Y, TColor32 C) {
    if (Target.ClipRegion)
        Target.SetPixel(X, Y, C);
    else
        Target.Bits[std::size_t(Y) * std::size_t(Target.Width) + std::size_t(X)] = C;
}

// Replaces every pixel by Map(pixel), rows from the top, each from the left.
template <class Map> void mapPixels(TBitmap32& Target, Map map) {
    for (int y = 0; y < Target.Height; ++y) {
        const TColor32* row = Target.scanLine(y);
        for (int x = 0; x < Target.Width; ++x) effectSetPixel(Target, x, y, map(row[x]));
    }
}

// Gives Target a new size and pixels; its pen, brush, font and switches stay.
inline void replacePixels(TBitmap32& Target, TBitmap32&& Pixels) {
    Target.Width = Pixels.Width;
    Target.Height = Pixels.Height;
    Target.Size = Pixels.Size;
    Target.Bits = std::move(Pixels.Bits);
}
