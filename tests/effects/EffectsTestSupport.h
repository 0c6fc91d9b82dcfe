#pragma once

#include "pixel/TBitmap32.h"

#include <vector>

// A buffer from literal pixels, rows from the top.
inline TBitmap32 grid(int w, int h, const std::vector<TColor32>& pixels) {
    TBitmap32 b(w, h);
    b.Bits = pixels;
    return b;
}

inline TColor32 grey(int v, int a = 255) {
    return Color32(a, v, v, v);
}

// A picture whose every pixel differs, opaque, for placement checks.
inline TBitmap32 numbered(int w, int h) {
    TBitmap32 b(w, h);
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x) b.SetPixel(x, y, Color32(255, x, y, (x * 7 + y * 13) & 0xFF));
    return b;
}

// The reference generator: each draw advances the seed, Random(N) is the
// high half of seed * N.
struct Lcg {
    std::uint32_t seed;
    int next(int n) {
        seed = seed * 134775813u + 1u;
        return n <= 0 ? 0 : int((std::uint64_t(seed) * std::uint64_t(n)) >> 32);
    }
};
