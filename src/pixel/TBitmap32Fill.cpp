// Flood fill.
#include "pixel/TBitmap32.h"

#include <algorithm>
#include <cstdint>
#include <cstring>
#include <vector>

void TBitmap32::FloodFill(int X, int Y, TColor32 Color) {
    if (!inside(X, Y) || GetPixel(X, Y) != Color) return;

    // Mark the whole area first and paint afterwards: painting may itself
    // produce pixels equal to Color, which must not let the fill spread.
    enum : std::uint8_t { Barrier = 0, Fillable = 1, Marked = 2 };
    std::vector<std::uint8_t> cells(Bits.size());
    std::transform(Bits.begin(), Bits.end(), cells.begin(),
                   [Color](TColor32 p) { return p == Color ? Fillable : Barrier; });
    auto row = [&](int y) { return cells.data() + std::size_t(y) * std::size_t(Width); };
    int top = Y, bottom = Y, left = X, right = X;

    // Scan-line fill with an explicit stack of seeds: each seed grows into
    // its whole horizontal run, and the rows above and below get one seed per
    // run of fillable cells touching it. Only left/right/up/down neighbours
    // join, never diagonal ones.
    std::vector<QPoint> seeds{QPoint(X, Y)};
    while (!seeds.empty()) {
        const QPoint s = seeds.back();
        seeds.pop_back();
        std::uint8_t* r = row(s.y());
        if (r[s.x()] != Fillable) continue;
        int x0 = s.x(), x1 = s.x();
        while (x0 > 0 && r[x0 - 1] == Fillable)
            --x0;
        while (x1 < Width - 1 && r[x1 + 1] == Fillable)
            ++x1;
        std::memset(r + x0, Marked, std::size_t(x1 - x0 + 1));
        left = std::min(left, x0);
        right = std::max(right, x1);
        top = std::min(top, s.y());
        bottom = std::max(bottom, s.y());
        for (int y : {s.y() - 1, s.y() + 1}) {
            if (y < 0 || y >= Height) continue;
            const std::uint8_t* n = row(y);
            for (int x = x0; x <= x1;) {
                while (x <= x1 && n[x] != Fillable)
                    ++x;
                if (x > x1) break;
                seeds.emplace_back(x, y);
                while (x <= x1 && n[x] == Fillable)
                    ++x;
            }
        }
    }

    for (int y = top; y <= bottom; ++y) {
        const std::uint8_t* r = row(y);
        for (int x = left; x <= right; ++x)
            if (r[x] == Marked) PutPixel(x, y, BrushColor);
    }
}
