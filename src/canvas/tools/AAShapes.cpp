#include "canvas/tools/AAShapes.h"

#include "canvas/tools/AAPlot.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <functional>
#include <utility>

namespace {

constexpr TColor32 Marked = 0xFFFFFFFFu;

// Rasterises a shape the way the hard-edged primitives do, into a scratch
// buffer of the target's size, and paints every marked pixel inside Window
// (x outer, y inner) in the target's BrushColor, recording full coverage.
void fillMarked(TBitmap32& Target, CoverageMap& Map, const QRect& Window, bool WithOutline,
                const std::function<void(TBitmap32&)>& Shape) {
    TBitmap32 mask(Target.Width, Target.Height);
    mask.Blend = false;
    mask.Filled = true;
    mask.PenColor = WithOutline ? Marked : 0u;
    mask.BrushColor = Marked;
    Shape(mask);
    const QRect r = Window.intersected(Target.BoundsRect());
    if (r.isEmpty()) return;
    const TColor32 brush = Target.BrushColor;
    for (int x = r.left(); x <= r.right(); ++x)
        for (int y = r.top(); y <= r.bottom(); ++y)
            if (mask.Bits[std::size_t(y) * std::size_t(mask.Width) + std::size_t(x)] != 0) {
                Target.PutPixel(x, y, brush);
                Map.set(x, y, 255);
            }
}

void normalise(int& X1, int& Y1, int& X2, int& Y2) {
    if (X1 > X2) std::swap(X1, X2);
    if (Y1 > Y2) std::swap(Y1, Y2);
}

// One pixel of a straight edge of the rounded rectangle: written only where
// the shape has not yet put as much coverage.
void plotEdge(TBitmap32& Target, CoverageMap& Map, int X, int Y, TColor32 Pen) {
    const int A = AlphaOf(Pen);
    if (Map.at(X, Y) < A) Target.PutPixel(X, Y, Pen);
    if (Target.inside(X, Y)) Map.set(X, Y, A);
}

} // namespace

void AAEllipse(TBitmap32& Target, CoverageMap& Map, int X1, int Y1, int X2, int Y2) {
    if (std::abs(X1 - X2) == 1 || std::abs(Y1 - Y2) == 1) return;
    normalise(X1, Y1, X2, Y2);
    Map.clear();
    const double a = (X2 - X1) / 2.0, b = (Y2 - Y1) / 2.0;
    if (Target.Filled)
        fillMarked(Target, Map, TRect(X1, Y1, X2 + 1, Y2 + 1), true,
                   [&](TBitmap32& m) { m.Ellipse(X1, Y1, X2, Y2); });
    const TColor32 pen = Target.PenColor;
    const double cx = (X1 + X2 - 1) / 2.0, cy = (Y1 + Y2 - 1) / 2.0;
    for (int x = X1; x < X2; ++x) {
        const double t = (x - cx) / a, d = std::sqrt(std::max(0.0, 1 - t * t)) * b;
        PlotAA(Target, pen, &Map, x, cy - d);
        PlotAA(Target, pen, &Map, x, cy + d);
    }
    for (int y = Y1; y < Y2; ++y) {
        const double t = (cy - y) / b, d = std::sqrt(std::max(0.0, 1 - t * t)) * a;
        PlotAA(Target, pen, &Map, cx - d, y);
        PlotAA(Target, pen, &Map, cx + d, y);
    }
}

void AARoundRect(TBitmap32& Target, CoverageMap& Map, int X1, int Y1, int X2, int Y2, int EW,
                 int EH) {
    if (std::abs(X1 - X2) == 1 || std::abs(Y1 - Y2) == 1) return;
    normalise(X1, Y1, X2, Y2);
    Map.clear();
    const bool filled = Target.Filled;
    if (filled)
        fillMarked(Target, Map, TRect(X1, Y1, X2 + 1, Y2 + 1), true,
                   [&](TBitmap32& m) { m.RoundRect(X1, Y1, X2, Y2, EW, EH); });
    // The outline runs on the last column and row inside the rectangle.
    --X2;
    --Y2;
    const TColor32 pen = Target.PenColor;
    // The corner ellipse is at most as large as the rectangle, as in the
    // platform shape that fills it; enlarging it to the full side whenever it
    // exceeded half the side would round the outline away from the filling.
    EW = std::min(EW, X2 - X1);
    EH = std::min(EH, Y2 - Y1);
    const double a = EW / 2.0, b = EH / 2.0;
    for (int x = X1; x <= X2; ++x) {
        if ((a <= x - X1 && a <= X2 - x) || a == 0 || b == 0) {
            if (!filled) {
                plotEdge(Target, Map, x, Y1, pen);
                plotEdge(Target, Map, x, Y2, pen);
            }
        } else {
            const double e = a <= x - X1 ? (x - X2) + a : (x - X1) - a;
            const double s = std::sqrt(std::max(0.0, 1 - (e / a) * (e / a)));
            PlotAA(Target, pen, &Map, x, Y1 + b - s * b);
            PlotAA(Target, pen, &Map, x, Y2 - b + s * b);
        }
    }
    for (int y = Y1; y <= Y2; ++y) {
        if ((b <= y - Y1 && b <= Y2 - y) || a == 0 || b == 0) {
            if (!filled) {
                plotEdge(Target, Map, X1, y, pen);
                plotEdge(Target, Map, X2, y, pen);
            }
        } else {
            const double e = b <= y - Y1 ? (y - Y2) + b : (y - Y1) - b;
            const double s = std::sqrt(std::max(0.0, 1 - (e / b) * (e / b)));
            PlotAA(Target, pen, &Map, X1 + a - s * a, y);
            PlotAA(Target, pen, &Map, X2 - a + s * a, y);
        }
    }
}

void AABezier(TBitmap32& Target, CoverageMap& Map, const std::array<QPoint, 4>& P, int TraRange) {
    Map.clear();
    const TColor32 pen = Target.PenColor;
    for (int i = 0; i <= 100; ++i) {
        const double t = i / 100.0, u = 1 - t;
        const double k0 = u * u * u, k1 = 3 * u * u * t, k2 = 3 * u * t * t, k3 = t * t * t;
        const double x = k0 * P[0].x() + k1 * P[1].x() + k2 * P[2].x() + k3 * P[3].x();
        const double y = k0 * P[0].y() + k1 * P[1].y() + k2 * P[2].y() + k3 * P[3].y();
        const int rx = RoundHalfEven(x), ry = RoundHalfEven(y);
        if (Map.at(rx, ry) > TraRange) continue;
        if (i == 0) {
            Target.MoveTo(rx, ry);
        } else if (rx != Target.PenPos.x() || ry != Target.PenPos.y()) {
            // Joined whenever the sample moved at all: a flat stretch of the
            // curve would otherwise be left as a row of separate dots.
            AALine(Target, Target.PenPos.x(), Target.PenPos.y(), rx, ry, pen, &Map);
            Target.MoveTo(rx, ry);
        }
        PlotAA(Target, pen, &Map, x, y);
    }
}

void AAPolygon(TBitmap32& Target, CoverageMap& Map, const std::vector<QPoint>& Vertices) {
    Map.clear();
    if (Vertices.empty()) return;
    if (Target.Filled)
        fillMarked(Target, Map, Target.BoundsRect(), false,
                   [&](TBitmap32& m) { m.Polygon(Vertices); });
    const TColor32 pen = Target.PenColor;
    const std::size_t n = Vertices.size();
    // Every edge once, the closing one last; a vertex repeating the first
    // one earlier does not cut the outline short.
    for (std::size_t i = 1; i <= n; ++i) {
        const QPoint& from = Vertices[i - 1];
        const QPoint& to = Vertices[i % n];
        AALine(Target, from.x(), from.y(), to.x(), to.y(), pen, &Map);
        Map.set(to.x(), to.y(), 255);
        if (i == 1) Map.set(Vertices[0].x(), Vertices[0].y(), 255);
    }
}
