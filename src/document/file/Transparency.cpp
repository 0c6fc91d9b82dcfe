#include "document/file/Transparency.h"

namespace {
constexpr std::uint32_t RgbBits = 0xFFFFFFu;
}

int EffectiveAlpha(std::uint32_t C, ColourFormat Format, const TransparencySettings& S) {
    const int a = int(C >> 24);
    if (Format == 32) return a;
    return a < S.TraRange ? 0 : 255;
}

bool IsInvertedPixel(std::uint32_t C, ColourFormat Format, const TransparencySettings& S) {
    return EffectiveAlpha(C, Format, S) == 0 && (C & RgbBits) == (S.InvColor & RgbBits);
}

bool IsTransparentPixel(std::uint32_t C, ColourFormat Format, const TransparencySettings& S) {
    return EffectiveAlpha(C, Format, S) == 0 && (C & RgbBits) != (S.InvColor & RgbBits);
}
