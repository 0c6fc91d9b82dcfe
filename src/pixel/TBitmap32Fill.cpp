// Flood fill.
#include "TBitmap32.h"

#include <algorithm>
#include <cstdint>
#include <vector>

void TBitmap32::FloodFill(int X, int Y, TColor32 Color) {
    if (!inside(X, Y) || GetPixel(X, Y) != Color) return;

    // Mark the whole area first and paint afterwards: painting may itself
    // produce pixels equal to Color, which must not let the fill spread.
    std::vector<std::uint8_t> marked(Bits.size(), 0);
    auto fillable = [&](int x, int y) {
        const std::size_t i = std::size_t(y) * std::size_t(Width) + std::size_t(x);
        return !marked[i] && Bits[i] == Color;
    };
    int top = Y, bottom = Y, left = X, right = X;

    // Scan-line fill with an explicit stack of seeds: each seed grows into
    // its whole horizontal run, and the rows above and below get one seed per
    // run of fillable pixels touching it. Only left/right/up/down neighbours
    // join, never diagonal ones.
    std::vector<QPoint> seeds{QPoint(X, Y)};
    while (!seeds.empty()) {
        const QPoint s = seeds.back();
        seeds.pop_back();
        if (!fillable(s.x(), s.y())) continue;
        int x0 = s.x(), x1 = s.x();
        while (x0 > 0 && fillable(x0 - 1, s.y()))
            --x0;
        while (x1 < Width - 1 && fillable(x1 + 1, s.y()))
            ++x1;
        std::fill_n(marked.begin() + std::ptrdiff_t(s.y()) * Width + x0, x1 - x0 + 1, 1);
        left = std::min(left, x0);
        right = std::max(right, x1);
        top = std::min(top, s.y());
        bottom = std::max(bottom, s.y());
        for (int y : {s.y() - 1, s.y() + 1}) {
            if (y < 0 || y >= Height) continue;
            bool inRun = false;
            for (int x = x0; x <= x1; ++x) {
                const bool f = fillable(x, y);
                if (f && !inRun) seeds.emplace_back(x, y);
                inRun = f;
            }
        }
    }

    for (int y = top; y <= bottom; ++y) {
        const std::uint8_t* row = marked.data() + std::size_t(y) * std::size_t(Width);
        for (int x = left; x <= right; ++x)
            if (row[x]) PutPixel(x, y, BrushColor);
    }
}
