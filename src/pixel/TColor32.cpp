#include "pixel/TColor32.h"

TColor32 Color32(int A, int R, int G, int B) {
    return TColor32(R & 0xFF) | (TColor32(G & 0xFF) << 8) | (TColor32(B & 0xFF) << 16) |
           (TColor32(A & 0xFF) << 24);
}

namespace {

// nearbyint follows the current rounding mode, which is round-to-nearest-even
// unless someone changed it; do it by hand so it never depends on that. The
// floor comes from truncation and a compare rather than a library call, and
// the blend below gets it inlined: it runs four times in every partly
// transparent blend.
inline int roundHalfEven(double V) {
    long long f = static_cast<long long>(V);
    if (static_cast<double>(f) > V) --f;
    const double diff = V - static_cast<double>(f);
    if (diff > 0.5) return int(f + 1);
    if (diff < 0.5) return int(f);
    return int(f % 2 == 0 ? f : f + 1);
}

} // namespace

int RoundHalfEven(double V) {
    return roundHalfEven(V);
}

TColor32 blendPartlyOpaque(TColor32 Dst, TColor32 Src) {
    const int As = AlphaOf(Src), Ad = AlphaOf(Dst);
    const int Ao = As + Ad - roundHalfEven(double(As * Ad) / 255.0);
    if (Ao == 0) return Dst;
    auto channel = [&](int Cs, int Cd) {
        const double v = (double(Cs * As) + double(Cd * Ad) - double(Cd * Ad * As) / 255.0) / Ao;
        return ClampByte(roundHalfEven(v));
    };
    return Color32(ClampByte(Ao), channel(RedOf(Src), RedOf(Dst)),
                   channel(GreenOf(Src), GreenOf(Dst)), channel(BlueOf(Src), BlueOf(Dst)));
}

TColor MixOnOpaque(TColor Dst, int R, int G, int B, int A) {
    if (A == 0) return Dst;
    if (A == 255) return TColor(R & 0xFF) | (TColor(G & 0xFF) << 8) | (TColor(B & 0xFF) << 16);
    auto mix = [A](int S, int D) { return (S * A + D * (255 - A)) / 255; };
    const int r = mix(R, int(Dst & 0xFF)), g = mix(G, int((Dst >> 8) & 0xFF)),
              b = mix(B, int((Dst >> 16) & 0xFF));
    return TColor(r) | (TColor(g) << 8) | (TColor(b) << 16);
}
