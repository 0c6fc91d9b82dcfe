#include "canvas/tools/GradientFill.h"

#include "canvas/tools/FillArea.h"

#include <algorithm>
#include <cmath>

namespace {

constexpr double Pi = 3.14159265358979323846;

// Two passes over the area: the first finds the largest distance, the second
// paints. Distances are recomputed rather than stored; that is cheaper than a
// buffer of doubles at these sizes.
template <typename Distance>
void gradientFill(TBitmap32& target, int X, int Y, const GradientTable& table, Distance dist) {
    const FillArea area(target, X, Y);
    if (area.empty()) return;

    // Rounding never decreases, so the largest rounded distance is the
    // rounded largest distance.
    double farthest = 0.0;
    for (int y = 0; y < area.height(); ++y) {
        const std::uint8_t* in = area.row(y);
        for (int x = 0; x < area.width(); ++x)
            if (in[x]) farthest = std::max(farthest, dist(x, y));
    }

    // Every pixel of the area holds the clicked colour, so blending a table
    // entry over it gives the same result everywhere: blend the 256 entries
    // once instead of every pixel.
    GradientTable paint = table;
    if (target.Blend) {
        const TColor32 under = target.GetPixel(X, Y);
        for (TColor32& c : paint)
            c = BlendColor32(under, c);
    }

    // Every pixel is written once and independently of the others, so rows
    // first is as good as columns first and kinder to the cache.
    const double scale = 255.0 / double(RoundHalfEven(farthest) + 1);
    for (int y = 0; y < area.height(); ++y) {
        const std::uint8_t* in = area.row(y);
        for (int x = 0; x < area.width(); ++x) {
            if (!in[x]) continue;
            const int i = std::clamp(RoundHalfEven(dist(x, y) * scale), 0, 255);
            target.SetPixel(x, y, paint[std::size_t(i)]);
        }
    }
}

} // namespace

void LinearGradientFill(TBitmap32& target, int X, int Y, const GradientTable& table,
                        int angleDegrees) {
    // The distance from the line y - Y = m (x - X), m = -tan(angle), is
    // |(y - Y) - m (x - X)| / sqrt(m * m + 1). Written with the sine and cosine
    // it needs no division by cos, which vanishes at 90 degrees and would turn
    // the distances there into differences of huge numbers.
    const double a = angleDegrees * Pi / 180.0;
    const double s = std::sin(a), c = std::cos(a);
    gradientFill(target, X, Y, table,
                 [=](int x, int y) { return std::fabs(double(y - Y) * c + double(x - X) * s); });
}

void ConicalGradientFill(TBitmap32& target, int X, int Y, const GradientTable& table) {
    gradientFill(target, X, Y, table, [=](int x, int y) {
        const double dx = x - X, dy = y - Y;
        return std::sqrt(dx * dx + dy * dy);
    });
}
