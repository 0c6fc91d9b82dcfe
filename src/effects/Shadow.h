#pragma once

#include "pixel/TBitmap32.h"

#include <QColor>
#include <QImage>
#include <cstdint>
#include <vector>

// A drop shadow of a picture's opaque shape in one colour.

constexpr int ShadowMaxCount = 20;

struct ShadowParams {
    int Left = 1;        // -100..100: offset of the first layer
    int Top = 1;         // -100..100
    int Count = 2;       // 1..ShadowMaxCount layers, each one pixel further out
    int Alpha = 50;      // 0..255: alpha of the shadow colour
    bool Smooth = true;  // soften with a 3 x 3 average
    TColor Color = 0;    // RGB of the shadow (the foreground colour)
};

// One flag per pixel, rows from the top: alpha above TraRange.
using OpacityMask = std::vector<std::uint8_t>;
OpacityMask ShadowMask(const TBitmap32& Target, int TraRange);

// Writes into Dest (resized to Target's size when it differs) each pixel of
// Target composited over the shadow. Layer k (0 .. Count - 1) is the masked
// shape moved by (Left + k * sign(Left), Top + k * sign(Top)); where layers
// overlap the shadow colour is composited once more. Smooth averages the
// layers over each pixel's 3 x 3 box, leaving out the last column and row,
// with the divisor one above the number of positions that count. Count is
// limited to 0..ShadowMaxCount. Each Target
// pixel is read only for its own position, so Dest may be Target.
void DrawShadow(const TBitmap32& Target, const OpacityMask& Mask, const ShadowParams& Params,
                TBitmap32& Dest);

// The shadowed target over the dialog's face colour at its own size.
QImage ShadowPreview(const TBitmap32& Target, const OpacityMask& Mask,
                     const ShadowParams& Params, const QColor& Face);
