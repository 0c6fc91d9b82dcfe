#pragma once

#include "pixel/TBitmap32.h"

#include <initializer_list>
#include <string>

// Colours that tell outline, interior and untouched pixels apart at a glance.
constexpr TColor32 kPen = 0xFF0000FFu;   // opaque red
constexpr TColor32 kBrush = 0xFF00FF00u; // opaque green
constexpr TColor32 kHalfWhite = 0x80FFFFFFu;

inline TBitmap32 makeCanvas(int w, int h, TColor32 fill = 0) {
    TBitmap32 b(w, h);
    for (TColor32& p : b.Bits)
        p = fill;
    b.PenColor = kPen;
    b.BrushColor = kBrush;
    return b;
}

// One line per row: '.' untouched (0), 'o' pen, '#' brush, '?' anything else.
inline std::string picture(const TBitmap32& b) {
    std::string s;
    for (int y = 0; y < b.Height; ++y) {
        for (int x = 0; x < b.Width; ++x) {
            const TColor32 c = b.GetPixel(x, y);
            s += c == 0 ? '.' : c == kPen ? 'o' : c == kBrush ? '#' : '?';
        }
        s += '\n';
    }
    return s;
}

inline std::string grid(std::initializer_list<const char*> rows) {
    std::string s;
    for (const char* r : rows)
        s += std::string(r) + '\n';
    return s;
}

inline int countPixels(const TBitmap32& b, TColor32 c) {
    int n = 0;
    for (TColor32 p : b.Bits)
        n += p == c;
    return n;
}

// Drawing with kHalfWhite over a cleared buffer under Blend leaves exactly
// kHalfWhite where a pixel was written once; a second write raises the alpha.
inline bool everyPixelWrittenAtMostOnce(const TBitmap32& b) {
    for (TColor32 p : b.Bits)
        if (p != 0 && p != kHalfWhite) return false;
    return true;
}
