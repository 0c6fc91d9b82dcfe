#pragma once

#include "pixel/TBitmap32.h"

// The effects that draw from the program-wide random generator (Random.h).
// Each reseeds it from the clock first and then draws pixel by pixel, rows
// from the top, each row from the left, so the draws follow that order.

// About one pixel in twenty (a draw of 1 from Random(20)) becomes an opaque
// colour whose blue, green and red are drawn in that order, each 0..254.
void AddColorNoise(TBitmap32& Target);
// As AddColorNoise with a fourth draw for alpha (0..254).
void AddColorNoiseWithAlpha(TBitmap32& Target);
// As AddColorNoise, the chosen pixels becoming the buffer's PenColor.
void AddPenNoise(TBitmap32& Target);

// Radius range of the spatter slider.
constexpr int SpatterMinRadius = 2;
constexpr int SpatterMaxRadius = 20;

// Each pixel takes the current colour of a random nearby pixel (offsets
// 1 - K .. K for K drawn from Random(Radius)), in place, so the picture smears
// toward the bottom right. A source outside the buffer leaves the pixel as it
// is.
void Spatter(TBitmap32& Target, int Radius);
