#include "effects/NeighbourEffects.h"

#include "effects/EffectPixels.h"

#include <algorithm>
#include <vector>

namespace {

// Channel sums of a pixel or of a run of pixels.
struct Sums {
    int r = 0, g = 0, b = 0, a = 0;
    void add(TColor32 p) {
        r += RedOf(p);
        g += GreenOf(p);
        b += BlueOf(p);
        a += AlphaOf(p);
    }
    void add(const Sums& s) {
        r += s.r;
        g += s.g;
        b += s.b;
        a += s.a;
    }
};

// What a pixel adds as a neighbour: nothing at all when it is transparent.
TColor32 asNeighbour(TColor32 p) {
    return AlphaOf(p) == 0 ? 0 : p;
}

// The sums of each pixel's row of up to three neighbours-as-neighbours.
std::vector<Sums> rowSums(const TBitmap32& Source) {
    const int w = Source.Width;
    std::vector<Sums> sums(Source.Bits.size());
    for (int y = 0; y < Source.Height; ++y) {
        const TColor32* row = Source.scanLine(y);
        Sums* out = sums.data() + std::size_t(y) * std::size_t(w);
        for (int x = 0; x < w; ++x) {
            for (int i = std::max(0, x - 1); i <= std::min(w - 1, x + 1); ++i) out[x].add(asNeighbour(row[i]));
        }
    }
    return sums;
}

TColor32 embossed(TColor32 P, TColor32 Q) {
    auto channel = [](int p, int q) { return (255 - q + p) / 2; };
    return Color32(AlphaOf(P), channel(RedOf(P), RedOf(Q)), channel(GreenOf(P), GreenOf(Q)),
                   channel(BlueOf(P), BlueOf(Q)));
}

} // namespace

void Blur(TBitmap32& Target) {
    // The box sums come from row sums added up over three rows; the centre
    // then swaps its neighbour share for its own channels, which count even
    // when it is transparent.
    const int w = Target.Width, h = Target.Height;
    const TBitmap32 copy = Target;
    const std::vector<Sums> rows = rowSums(copy);
    for (int y = 0; y < h; ++y) {
        const int y0 = std::max(0, y - 1), y1 = std::min(h - 1, y + 1);
        const TColor32* centreRow = copy.scanLine(y);
        for (int x = 0; x < w; ++x) {
            Sums s;
            for (int j = y0; j <= y1; ++j) s.add(rows[std::size_t(j) * std::size_t(w) + std::size_t(x)]);
            const TColor32 centre = centreRow[x], share = asNeighbour(centre);
            s.r += RedOf(centre) - RedOf(share);
            s.g += GreenOf(centre) - GreenOf(share);
            s.b += BlueOf(centre) - BlueOf(share);
            s.a += AlphaOf(centre) - AlphaOf(share);
            const int count = (y1 - y0 + 1) * (std::min(w - 1, x + 1) - std::max(0, x - 1) + 1);
            effectSetPixel(Target, x, y, Color32(s.a / count, s.r / count, s.g / count, s.b / count));
        }
    }
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
