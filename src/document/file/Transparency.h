#pragma once

#include "document/file/IconFileLayout.h"

#include <cstdint>

// The marker colours and alpha range of the transparency model. They are
// program settings, never stored in the document or the file. Colours are
// RGB values with red in the low byte.
struct TransparencySettings {
    std::uint32_t TraColor = 0xD2BB6A;
    std::uint32_t InvColor = 0x72B0CB;
    std::uint8_t TraRange = 100;
};

// The one place where the model is spelled out; the view, the reader, the
// writer, the clipboard and the preview all ask here. A pixel is a straight
// alpha colour, red in bits 0-7, alpha in 24-31.
//
// Effective alpha: the alpha byte in Format 32; in every other format 0 when
// the alpha byte is below TraRange and 255 otherwise.
int EffectiveAlpha(std::uint32_t C, ColourFormat Format, const TransparencySettings& S);
// Effective alpha 0 and RGB equal to InvColor.
bool IsInvertedPixel(std::uint32_t C, ColourFormat Format, const TransparencySettings& S);
// Effective alpha 0 and not inverted.
bool IsTransparentPixel(std::uint32_t C, ColourFormat Format, const TransparencySettings& S);
// Effective alpha 0 (transparent or inverted): the mask bit of the file.
inline bool IsMaskedPixel(std::uint32_t C, ColourFormat Format, const TransparencySettings& S) {
    return EffectiveAlpha(C, Format, S) == 0;
}

// A pixel as a picture program should see it: transparent and inverted
// pixels alike with alpha 0 and no colour, every other one its colour with
// its effective alpha.
inline std::uint32_t VisibleColour(std::uint32_t C, ColourFormat Format,
                                   const TransparencySettings& S) {
    const int a = EffectiveAlpha(C, Format, S);
    return a == 0 ? 0 : (C & 0xFFFFFFu) | (std::uint32_t(a) << 24);
}
