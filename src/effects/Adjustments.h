#pragma once

#include "pixel/TBitmap32.h"

// The slider adjustments. The same functions serve the dialogs' previews and
// their OK buttons, so what the preview shows is what OK applies.

// Slider range shared by every adjustment slider.
constexpr int AdjustmentMin = -255;
constexpr int AdjustmentMax = 255;

// Offsets added to each channel, then clamped to 0..255.
struct ColorLevelsParams {
    int Red = 0;
    int Green = 0;
    int Blue = 0;
    int Alpha = 0;
};

// Brightness, contrast and gamma for the checked colour channels.
struct BalanceParams {
    int Brightness = 0;
    int Contrast = 0;
    int Gamma = 0;
    bool Red = true;
    bool Green = true;
    bool Blue = true;
};

TColor32 ColorLevelsPixel(TColor32 P, const ColorLevelsParams& Params);
// Applies to every pixel, transparent ones too: a positive Alpha makes them
// show their stored RGB.
void ColorLevels(TBitmap32& Target, const ColorLevelsParams& Params);

// One channel value through contrast, brightness and gamma, clamped only at
// the end.
int BalanceChannel(int C, const BalanceParams& Params);
// Unchecked channels and alpha stay.
void Balance(TBitmap32& Target, const BalanceParams& Params);
