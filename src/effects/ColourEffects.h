#pragma once

#include "pixel/TBitmap32.h"

// The effects that change each pixel from its own colour alone. Each works on
// the whole buffer, rows from the top, each row from the left.

// Every colour channel becomes 255 - value; alpha stays.
void Invert(TBitmap32& Target);
// Alpha becomes 255 - alpha; the stored RGB stays (so transparent pixels show it).
void InvertAlpha(TBitmap32& Target);

// round(R * 0.3 + G * 0.59 + B * 0.11) in extended precision, an exact half
// going to the even neighbour: pure red gives 76, (5, 0, 0) gives 2.
int GrayValue(int R, int G, int B);
void Grayscale(TBitmap32& Target);

// Moves every colour channel 220/255 of its distance from the channel mean,
// so the picture always loses saturation; alpha stays.
TColor32 SaturatePixel(TColor32 P);
void Saturation(TBitmap32& Target);
