#include "effects/Adjustments.h"

#include "effects/EffectPixels.h"

#include <array>
#include <cstdlib>

TColor32 ColorLevelsPixel(TColor32 P, const ColorLevelsParams& Params) {
    return Color32(ClampByte(AlphaOf(P) + Params.Alpha), ClampByte(RedOf(P) + Params.Red),
                   ClampByte(GreenOf(P) + Params.Green), ClampByte(BlueOf(P) + Params.Blue));
}

void ColorLevels(TBitmap32& Target, const ColorLevelsParams& Params) {
    mapPixels(Target, [&Params](TColor32 p) { return ColorLevelsPixel(p, Params); });
}

int BalanceChannel(int C, const BalanceParams& Params) {
    // Contrast pushes away from the middle by a share of the distance to it;
    // a negative contrast pulls toward it. Division truncates toward zero.
    const int d = std::abs(127 - C) * Params.Contrast / 255;
    C = C > 127 ? C + d : C - d;
    C += Params.Brightness;
    C += (255 - C) * Params.Gamma / 255;
    return ClampByte(C);
}

void Balance(TBitmap32& Target, const BalanceParams& Params) {
    // Every checked channel goes through the same curve: work it out once
    // per value instead of once per pixel.
    std::array<TColor32, 256> curve{};
    for (int c = 0; c < 256; ++c) curve[std::size_t(c)] = TColor32(BalanceChannel(c, Params));
    const TColor32 r = Params.Red ? 0xFFu : 0, g = Params.Green ? 0xFF00u : 0,
                   b = Params.Blue ? 0xFF0000u : 0;
    const TColor32 keep = ~(r | g | b);
    mapPixels(Target, [&](TColor32 p) {
        TColor32 out = p & keep;
        if (r) out |= curve[RedOf(p)];
        if (g) out |= curve[GreenOf(p)] << 8;
        if (b) out |= curve[BlueOf(p)] << 16;
        return out;
    });
}
