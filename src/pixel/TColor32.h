#pragma once

#include <cstdint>

// A colour with straight (not premultiplied) alpha: red in bits 0-7, green
// 8-15, blue 16-23, alpha 24-31. The low 24 bits are an RGB value with red in
// the low byte; that is the "RGB" (TColor) type used across the program.
using TColor32 = std::uint32_t;
using TColor = std::uint32_t; // 24-bit RGB, red in the low byte, top byte 0

TColor32 Color32(int A, int R, int G, int B);
inline std::uint8_t RedOf(TColor32 C) {
    return std::uint8_t(C);
}
inline std::uint8_t GreenOf(TColor32 C) {
    return std::uint8_t(C >> 8);
}
inline std::uint8_t BlueOf(TColor32 C) {
    return std::uint8_t(C >> 16);
}
inline std::uint8_t AlphaOf(TColor32 C) {
    return std::uint8_t(C >> 24);
}
// RGB's top byte is kept as it is; callers pass a clean 24-bit value.
inline TColor32 SetAlpha(TColor RGB, int A) {
    return RGB | (TColor32(A & 0xFF) << 24);
}
inline TColor Color32ToColor(TColor32 C) {
    return C & 0x00FFFFFFu;
}
inline int ClampByte(int V) {
    return V < 0 ? 0 : (V > 255 ? 255 : V);
}

// The full compositing formula behind BlendColor32 (valid for any alpha).
TColor32 blendPartlyOpaque(TColor32 Dst, TColor32 Src);
// Src composited over Dst. An opaque source gives exactly Src and a fully
// transparent one exactly Dst; those two common cases are settled inline.
inline TColor32 BlendColor32(TColor32 Dst, TColor32 Src) {
    const TColor32 As = Src >> 24;
    if (As == 255) return Src;
    if (As == 0) return Dst;
    return blendPartlyOpaque(Dst, Src);
}
// R, G, B with alpha A mixed onto the opaque colour Dst.
TColor MixOnOpaque(TColor Dst, int R, int G, int B, int A);

// Round to nearest, an exact half to the even neighbour (the rounding the whole
// program uses wherever it says "round").
int RoundHalfEven(double V);
