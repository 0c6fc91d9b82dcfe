#include "NeighbourEffects.h"

#include "EffectPixels.h"

#include <algorithm>

namespace {

// The sums of one 3 x 3 box. Transparent neighbours count without adding.
TColor32 boxAverage(const TBitmap32& Copy, int X, int Y) {
    const TColor32 c = Copy.scanLine(Y)[X];
    int r = RedOf(c), g = GreenOf(c), b = BlueOf(c), a = AlphaOf(c);
    int count = 1;
    const int x0 = std::max(0, X - 1), x1 = std::min(Copy.Width - 1, X + 1);
    const int y0 = std::max(0, Y - 1), y1 = std::min(Copy.Height - 1, Y + 1);
    for (int y = y0; y <= y1; ++y) {
        const TColor32* row = Copy.scanLine(y);
        for (int x = x0; x <= x1; ++x) {
            if (x == X && y == Y) continue;
            ++count;
            const TColor32 p = row[x];
            if (AlphaOf(p) == 0) continue;
            r += RedOf(p);
            g += GreenOf(p);
            b += BlueOf(p);
            a += AlphaOf(p);
        }
    }
    return Color32(a / count, r / count, g / count, b / count);
}

TColor32 embossed(TColor32 P, TColor32 Q) {
    auto channel = [](int p, int q) { return (255 - q + p) / 2; };
    return Color32(AlphaOf(P), channel(RedOf(P), RedOf(Q)), channel(GreenOf(P), GreenOf(Q)),
                   channel(BlueOf(P), BlueOf(Q)));
}

} // namespace

void Blur(TBitmap32& Target) {
    const TBitmap32 copy = Target;
    for (int y = 0; y < Target.Height; ++y)
        for (int x = 0; x < Target.Width; ++x) effectSetPixel(Target, x, y, boxAverage(copy, x, y));
}

void Emboss(TBitmap32& Target, EmbossDirection Direction) {
    const int tag = int(Direction);
    const int dx = tag / 10 - 1, dy = tag % 10 - 1;
    const int w = Target.Width, h = Target.Height;
    // Walking away from the neighbour: rows from the bottom when the neighbour
    // is above, columns from the right when it is on the left.
    const int yStart = dy < 0 ? h - 1 : 0, yStep = dy < 0 ? -1 : 1;
    const int xStart = dx < 0 ? w - 1 : 0, xStep = dx < 0 ? -1 : 1;
    const TColor grey = 0x7F7F7F;
    for (int j = 0, y = yStart; j < h; ++j, y += yStep)
        for (int i = 0, x = xStart; i < w; ++i, x += xStep) {
            const TColor32 p = Target.scanLine(y)[x];
            const int nx = x + dx, ny = y + dy;
            const TColor32 out = Target.inside(nx, ny)
                                     ? embossed(p, Target.scanLine(ny)[nx])
                                     : SetAlpha(grey, AlphaOf(p));
            effectSetPixel(Target, x, y, out);
        }
}
