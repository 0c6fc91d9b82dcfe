#pragma once

// The pictures the effect benchmarks run on, each of the largest size an
// effect target usually has: a smooth gradient, noise in every channel
// (alpha included), and flat art with transparent areas.
#include "pixel/TBitmap32.h"

#include <cstdint>
#include <string>
#include <utility>
#include <vector>

constexpr int kSize = 255;

inline TBitmap32 gradient() {
    TBitmap32 b(kSize, kSize);
    for (int y = 0; y < kSize; ++y)
        for (int x = 0; x < kSize; ++x)
            b.SetPixel(x, y, Color32(255, x, y, (x + y) / 2));
    return b;
}

inline TBitmap32 noise() {
    TBitmap32 b(kSize, kSize);
    std::uint32_t s = 1;
    for (TColor32& p : b.Bits) {
        s = s * 1664525u + 1013904223u;
        p = s;
    }
    return b;
}

// Opaque blocks of a few colours on a transparent background, with a
// half-transparent band: the way icons are usually drawn.
inline TBitmap32 flatArt() {
    TBitmap32 b(kSize, kSize);
    for (int y = 0; y < kSize; ++y)
        for (int x = 0; x < kSize; ++x) {
            TColor32 c = 0;
            if (x > 30 && x < 220 && y > 40 && y < 200)
                c = (x / 40 + y / 40) % 2 ? 0xFF2040C0u : 0xFFF0E020u;
            if (y >= 200 && y < 215 && x > 30) c = 0x80000000u;
            b.SetPixel(x, y, c);
        }
    return b;
}

inline const std::vector<std::pair<std::string, TBitmap32>>& inputs() {
    static const std::vector<std::pair<std::string, TBitmap32>> all = {
        {"gradient", gradient()}, {"noise", noise()}, {"flat", flatArt()}};
    return all;
}
