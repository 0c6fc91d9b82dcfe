#include "effects/NoiseEffects.h"

#include "effects/EffectPixels.h"
#include "pixel/Random.h"

namespace {

// Visits every pixel after reseeding; Draw decides a pixel's new colour or
// returns false to leave it.
template <class Draw> void scatter(TBitmap32& Target, Draw draw) {
    Randomize();
    for (int y = 0; y < Target.Height; ++y)
        for (int x = 0; x < Target.Width; ++x) {
            if (Random(20) != 1) continue;
            effectSetPixel(Target, x, y, draw());
        }
}

} // namespace

void AddColorNoise(TBitmap32& Target) {
    scatter(Target, [] {
        const int blue = Random(255), green = Random(255), red = Random(255);
        return Color32(255, red, green, blue);
    });
}

void AddColorNoiseWithAlpha(TBitmap32& Target) {
    scatter(Target, [] {
        const int blue = Random(255), green = Random(255), red = Random(255);
        const int alpha = Random(255);
        return Color32(alpha, red, green, blue);
    });
}

void AddPenNoise(TBitmap32& Target) {
    const TColor32 pen = Target.PenColor;
    scatter(Target, [pen] { return pen; });
}

void Spatter(TBitmap32& Target, int Radius) {
    Randomize();
    for (int y = 0; y < Target.Height; ++y)
        for (int x = 0; x < Target.Width; ++x) {
            const int k = Random(Radius);
            const int sx = x + k - Random(2 * k);
            const int sy = y + k - Random(2 * k);
            if (Target.inside(sx, sy)) effectSetPixel(Target, x, y, Target.scanLine(sy)[sx]);
        }
}
