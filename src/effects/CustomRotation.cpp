#include "effects/CustomRotation.h"

#include "effects/EffectPixels.h"
#include "effects/EffectRounding.h"

#include <cmath>

namespace {

constexpr long double Pi = 3.141592653589793238462643383279502884L;

// The cosine or sine of the turn, worked out in extended precision and
// stored as a double, so the quarter and sixth turns give the exact 0, 0.5
// and 1 that the rounding of the sample positions relies on.
double turnFactor(long double V) {
    const double d = double(V);
    return std::fabs(d) < 1e-15 ? 0.0 : d;
}

} // namespace

int RotationSquareSide(int Width, int Height) {
    return roundHalfEvenFast(std::sqrt(double(Width) * Width + double(Height) * Height));
}

void RotateImage(const TBitmap32& Source, TBitmap32& Dest, int Angle) {
    if (&Source == &Dest) {
        const TBitmap32 copy = Source;
        RotateImage(copy, Dest, Angle);
        return;
    }
    const int w = Source.Width, h = Source.Height;
    const int d = RotationSquareSide(w, h);
    Dest.SetSize(0, 0);
    Dest.SetSize(d, d);
    const int rc = d / 2, cx = w / 2, cy = h / 2;
    // A destination point at distance P and polar angle T0 from the square's
    // centre samples the source at angle T0 - Angle; expanding cos and sin of
    // that difference turns the per-pixel arctangent, sine and cosine into
    // two products.
    const long double a = Angle * Pi / 180.0L;
    const double c = turnFactor(std::cos(a)), s = turnFactor(std::sin(a));
    for (int y = 0; y < d; ++y) {
        const double j = rc - y;
        TColor32* out = Dest.scanLine(y);
        for (int x = 0; x < d; ++x) {
            const double i = x - rc;
            const int sx = roundHalfEvenFast(cx + (i * c + j * s));
            const int sy = roundHalfEvenFast(cy - (j * c - i * s));
            out[x] = Source.GetPixel(sx, sy);
        }
    }
}

void RotateWithinImage(TBitmap32& Target, int Angle) {
    TBitmap32 square;
    RotateImage(Target, square, Angle);
    const int w = Target.Width, h = Target.Height;
    const int dx = (square.Width - w) / 2, dy = (square.Height - h) / 2;
    // Replacing writes, not blended ones, keep the RGB of alpha-0 pixels
    // (the marker colour of screen-inverting pixels among them).
    Target.Clear();
    for (int y = 0; y < h; ++y) {
        const TColor32* in = square.scanLine(y + dy);
        for (int x = 0; x < w; ++x) effectSetPixel(Target, x, y, in[x + dx]);
    }
}

void RotateSelection(TBitmap32& Selection, QRect& Rect, int Angle) {
    TBitmap32 square;
    RotateImage(Selection, square, Angle);
    const int dx = (square.Width - Selection.Width) / 2;
    const int dy = (square.Height - Selection.Height) / 2;
    const int left = Rect.left() - dx, top = Rect.top() - dy;
    Rect = TRect(left, top, left + square.Width, top + square.Height);
    replacePixels(Selection, std::move(square));
}
