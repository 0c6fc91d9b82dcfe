#pragma once

#include "document/IconImage.h"
#include "pixel/TColor32.h"

// The marker colours and alpha range of the transparency model. They are
// program settings, never stored in the document or the file.
struct TransparencySettings {
    TColor TraColor = 0xD2BB6A;
    TColor InvColor = 0x72B0CB;
    std::uint8_t TraRange = 100;
};

// The one place where the model is spelled out; the view, the reader, the
// writer, the clipboard and the preview all ask here.
//
// Effective alpha: the alpha byte in Format 32; in every other format 0 when
// the alpha byte is below TraRange and 255 otherwise.
int EffectiveAlpha(TColor32 C, ColourFormat Format, const TransparencySettings& S);
// Effective alpha 0 and RGB equal to InvColor.
bool IsInvertedPixel(TColor32 C, ColourFormat Format, const TransparencySettings& S);
// Effective alpha 0 and not inverted.
bool IsTransparentPixel(TColor32 C, ColourFormat Format, const TransparencySettings& S);
// Effective alpha 0 (transparent or inverted): the mask bit of the file.
inline bool IsMaskedPixel(TColor32 C, ColourFormat Format, const TransparencySettings& S)
{
    return EffectiveAlpha(C, Format, S) == 0;
}
