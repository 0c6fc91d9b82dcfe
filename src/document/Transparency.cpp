#include "document/Transparency.h"

int EffectiveAlpha(TColor32 C, ColourFormat Format, const TransparencySettings& S)
{
    const int a = AlphaOf(C);
    if (Format == 32) return a;
    return a < S.TraRange ? 0 : 255;
}

bool IsInvertedPixel(TColor32 C, ColourFormat Format, const TransparencySettings& S)
{
    return EffectiveAlpha(C, Format, S) == 0 && Color32ToColor(C) == (S.InvColor & 0xFFFFFFu);
}

bool IsTransparentPixel(TColor32 C, ColourFormat Format, const TransparencySettings& S)
{
    return EffectiveAlpha(C, Format, S) == 0 && Color32ToColor(C) != (S.InvColor & 0xFFFFFFu);
}
