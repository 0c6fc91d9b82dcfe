#include "effects/ColourEffects.h"

#include "effects/EffectPixels.h"
#include "pixel/ExtendedRounding.h"

namespace {

int saturateChannel(int C, int M) {
    // Signed division truncates toward zero on both sides of the mean.
    return ClampByte((C - M) * 220 / 255 + M);
}

} // namespace

void Invert(TBitmap32& Target) {
    mapPixels(Target, [](TColor32 p) { return p ^ 0x00FFFFFFu; });
}

void InvertAlpha(TBitmap32& Target) {
    mapPixels(Target, [](TColor32 p) { return p ^ 0xFF000000u; });
}

int GrayValue(int R, int G, int B) {
    // The weights are sums of products in 80-bit precision: 255 * 0.3 lands on
    // 76.5 exactly there and so rounds to the even 76.
    const long double v = R * 0.3L + G * 0.59L + B * 0.11L;
    return RoundHalfEvenExtended(v);
}

void Grayscale(TBitmap32& Target) {
    mapPixels(Target, [](TColor32 p) {
        const int v = GrayValue(RedOf(p), GreenOf(p), BlueOf(p));
        return Color32(AlphaOf(p), v, v, v);
    });
}

TColor32 SaturatePixel(TColor32 P) {
    const int r = RedOf(P), g = GreenOf(P), b = BlueOf(P);
    const int m = (r + g + b) / 3;
    return Color32(AlphaOf(P), saturateChannel(r, m), saturateChannel(g, m),
                   saturateChannel(b, m));
}

void Saturation(TBitmap32& Target) {
    mapPixels(Target, SaturatePixel);
}
