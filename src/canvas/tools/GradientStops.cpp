#include "canvas/tools/GradientStops.h"

namespace {

// n / d rounded to nearest, an exact half to even; d > 0. Done in integers so
// that a half is recognised exactly: 255 / 200 steps land on halves often.
int divideRoundHalfEven(int n, int d) {
    int q = n / d;
    int r = n % d;
    if (r < 0) {
        r += d;
        --q;
    }
    if (2 * r > d || (2 * r == d && (q & 1))) ++q;
    return q;
}

int channel(TColor32 c, int shift) {
    return int((c >> shift) & 0xFF);
}

} // namespace

GradientColours interpolateStops(const ColourStops& stops) {
    GradientColours out{};
    int from = 0; // the set position that starts the current segment
    int to = 0;   // the set position that ends it
    for (int s = 0; s < GradientPositions; ++s) {
        if (stops.set[std::size_t(s)] && s != GradientLastPosition) {
            from = s;
            to = s + 1;
            while (to < GradientLastPosition && !stops.set[std::size_t(to)])
                ++to;
        }
        if (s == GradientLastPosition || to <= from) {
            out[std::size_t(s)] = stops.colour[std::size_t(GradientLastPosition)];
            continue;
        }
        const TColor32 a = stops.colour[std::size_t(from)];
        const TColor32 b = stops.colour[std::size_t(to)];
        const int span = to - from;
        // c(to) - (to - s) * (c(to) - c(from)) / span, exactly.
        auto mix = [&](int shift) {
            const int ca = channel(a, shift), cb = channel(b, shift);
            return divideRoundHalfEven(cb * span - (to - s) * (cb - ca), span);
        };
        out[std::size_t(s)] = Color32(mix(24), mix(0), mix(8), mix(16));
    }
    return out;
}

GradientTable makeGradientTable(const GradientColours& colours, bool leftButton) {
    GradientTable g{};
    for (int i = 0; i < 256; ++i) {
        const TColor32 c = colours[std::size_t(i * GradientLastPosition / 255)];
        g[std::size_t(leftButton ? i : 255 - i)] = c;
    }
    return g;
}
