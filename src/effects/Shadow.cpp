#include "effects/Shadow.h"

#include "effects/EffectPixels.h"
#include "effects/EffectPreview.h"

#include <algorithm>

namespace {

int sign(int V) {
    return (V > 0) - (V < 0);
}

// The colour of every pixel's stack of layers. A pixel covered by n layers
// holds the shadow colour composited n times over transparent black, so the
// n-fold colours are worked out once and each pixel only counts its layers.
std::vector<TColor32> layerColours(const TBitmap32& Target, const OpacityMask& Mask,
                                   const ShadowParams& Params) {
    const int w = Target.Width, h = Target.Height;
    const int count = std::clamp(Params.Count, 0, ShadowMaxCount);
    std::vector<TColor32> stacked(std::size_t(count) + 1, 0);
    const TColor32 s = SetAlpha(Params.Color & 0xFFFFFFu, ClampByte(Params.Alpha));
    for (std::size_t n = 1; n < stacked.size(); ++n) stacked[n] = BlendColor32(stacked[n - 1], s);

    const int sl = sign(Params.Left), st = sign(Params.Top);
    std::vector<std::uint8_t> covered(std::size_t(w) * std::size_t(h), 0);
    for (int k = 0; k < count; ++k) {
        const int ox = Params.Left + sl * k, oy = Params.Top + st * k;
        // Destination pixels whose source (x - ox, y - oy) lies inside.
        const int x0 = std::max(0, ox), x1 = std::min(w, w + ox);
        const int y0 = std::max(0, oy), y1 = std::min(h, h + oy);
        for (int y = y0; y < y1; ++y) {
            const std::uint8_t* src = Mask.data() + std::size_t(y - oy) * std::size_t(w);
            std::uint8_t* dst = covered.data() + std::size_t(y) * std::size_t(w);
            for (int x = x0; x < x1; ++x) dst[x] += src[x - ox];
        }
    }
    std::vector<TColor32> layers(covered.size());
    std::transform(covered.begin(), covered.end(), layers.begin(),
                   [&](std::uint8_t n) { return stacked[n]; });
    return layers;
}

TColor32 smoothed(const std::vector<TColor32>& Layers, int W, int H, int X, int Y) {
    int n = 1, r = 0, g = 0, b = 0, a = 0;
    // The box leaves out the last column and row: the count of positions
    // that do count, plus one, is the divisor.
    const int x0 = std::max(0, X - 1), x1 = std::min(W - 2, X + 1);
    const int y0 = std::max(0, Y - 1), y1 = std::min(H - 2, Y + 1);
    for (int y = y0; y <= y1; ++y)
        for (int x = x0; x <= x1; ++x) {
            const TColor32 p = Layers[std::size_t(y) * std::size_t(W) + std::size_t(x)];
            ++n;
            r += RedOf(p);
            g += GreenOf(p);
            b += BlueOf(p);
            a += AlphaOf(p);
        }
    return Color32(a / n, r / n, g / n, b / n);
}

} // namespace

OpacityMask ShadowMask(const TBitmap32& Target, int TraRange) {
    OpacityMask mask(Target.Bits.size());
    std::transform(Target.Bits.begin(), Target.Bits.end(), mask.begin(),
                   [TraRange](TColor32 p) { return std::uint8_t(int(AlphaOf(p)) > TraRange); });
    return mask;
}

void DrawShadow(const TBitmap32& Target, const OpacityMask& Mask, const ShadowParams& Params,
                TBitmap32& Dest) {
    const int w = Target.Width, h = Target.Height;
    if (Mask.size() != Target.Bits.size()) return; // a mask of another picture
    const std::vector<TColor32> layers = layerColours(Target, Mask, Params);
    if (&Dest != &Target) Dest.SetSize(w, h);
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x) {
            const TColor32 under = Params.Smooth
                                       ? smoothed(layers, w, h, x, y)
                                       : layers[std::size_t(y) * std::size_t(w) + std::size_t(x)];
            effectSetPixel(Dest, x, y, BlendColor32(under, Target.scanLine(y)[x]));
        }
}

QImage ShadowPreview(const TBitmap32& Target, const OpacityMask& Mask,
                     const ShadowParams& Params, const QColor& Face) {
    TBitmap32 shadowed(Target.Width, Target.Height);
    DrawShadow(Target, Mask, Params, shadowed);
    return PreviewOnFace(shadowed, Face);
}
