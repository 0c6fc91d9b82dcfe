#pragma once

#include "canvas/tools/GradientStops.h"
#include "pixel/TBitmap32.h"

// Both fills paint the fill area around (X, Y) (see FillArea) through
// PutPixel, so they blend when the bitmap's Blend is on. The table's entry 0
// lies at the clicked line or point; the farthest pixel of the area gets about
// entry 255 * D / (D + 1), D being the largest rounded distance. A click
// outside the image paints nothing.

// Colours run perpendicular to the line through (X, Y) that rises at
// angleDegrees on screen (0: horizontal), mirrored on both sides of it.
void LinearGradientFill(TBitmap32& target, int X, int Y, const GradientTable& table,
                        int angleDegrees);

// Rings of equal colour around (X, Y).
void ConicalGradientFill(TBitmap32& target, int X, int Y, const GradientTable& table);
