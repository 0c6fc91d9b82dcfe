// Lines, rectangles, polygons, polylines and Bezier curves.
#include "pixel/CoverageMask.h"
#include "pixel/TBitmap32.h"

#include <algorithm>
#include <cmath>

void TBitmap32::LineTo(int X, int Y) {
    const QPoint from = PenPos, to(X, Y);
    if (from == to) return;
    PenPos = to;
    if (PenWidth <= 1) {
        // A thin line never covers a pixel twice, so it needs no mask.
        forEachLinePixel(from, to, [this](int x, int y) { PutPixel(x, y, PenColor); });
        return;
    }
    CoverageMask mask(strokeWindow({from, to}, PenWidth, BoundsRect()));
    mask.line(from, to, PenWidth);
    mask.transfer(*this, PenColor, BrushColor, false);
}

void TBitmap32::Rectangle(int X1, int Y1, int X2, int Y2) {
    if (X1 == X2 || Y1 == Y2) return;
    if (X1 > X2) std::swap(X1, X2);
    if (Y1 > Y2) std::swap(Y1, Y2);
    const long long pen = std::max(1, PenWidth);
    // Only the part inside the buffer can be written.
    const int xFrom = std::max(X1, 0), xTo = std::min(X2, Width);
    const int yFrom = std::max(Y1, 0), yTo = std::min(Y2, Height);
    for (int y = yFrom; y < yTo; ++y) {
        const bool edgeRow = y - (long long)Y1 < pen || (long long)Y2 - 1 - y < pen;
        for (int x = xFrom; x < xTo; ++x) {
            if (edgeRow || x - (long long)X1 < pen || (long long)X2 - 1 - x < pen)
                PutPixel(x, y, PenColor);
            else if (Filled)
                PutPixel(x, y, BrushColor);
        }
    }
}

void TBitmap32::Rectangle(const QRect& R) {
    Rectangle(R.left(), R.top(), RectRight(R), RectBottom(R));
}

namespace {

// Rasterises the chain of segments through points into a mask; closed adds
// the segment from the last point back to the first.
void strokeChain(CoverageMask& mask, const std::vector<QPoint>& points, bool closed, int penWidth) {
    for (std::size_t i = 0; i + 1 < points.size(); ++i)
        mask.line(points[i], points[i + 1], penWidth);
    if (closed && points.size() > 1) mask.line(points.back(), points.front(), penWidth);
}

// The points of a cubic Bezier segment, rounded to pixels, close enough
// together that straight pieces between them stay within a quarter pixel of
// the curve (Wang's bound on the number of pieces).
void flattenCubic(const QPoint* p, std::vector<QPoint>& out) {
    const double ddx1 = p[0].x() - 2.0 * p[1].x() + p[2].x();
    const double ddy1 = p[0].y() - 2.0 * p[1].y() + p[2].y();
    const double ddx2 = p[1].x() - 2.0 * p[2].x() + p[3].x();
    const double ddy2 = p[1].y() - 2.0 * p[2].y() + p[3].y();
    const double bend = std::max(std::hypot(ddx1, ddy1), std::hypot(ddx2, ddy2));
    const double tolerance = 0.25;
    const int pieces = int(std::clamp(std::ceil(std::sqrt(0.75 * bend / tolerance)), 1.0, 4096.0));
    for (int k = 1; k < pieces; ++k) {
        const double t = double(k) / pieces, s = 1.0 - t;
        const double c0 = s * s * s, c1 = 3 * s * s * t, c2 = 3 * s * t * t, c3 = t * t * t;
        const QPoint q(
            RoundHalfEven(c0 * p[0].x() + c1 * p[1].x() + c2 * p[2].x() + c3 * p[3].x()),
            RoundHalfEven(c0 * p[0].y() + c1 * p[1].y() + c2 * p[2].y() + c3 * p[3].y()));
        if (q != out.back()) out.push_back(q);
    }
    if (p[3] != out.back()) out.push_back(p[3]);
}

} // namespace

void TBitmap32::Polygon(const std::vector<QPoint>& Points) {
    CoverageMask mask(strokeWindow(Points, PenWidth, BoundsRect()));
    if (mask.isEmpty()) return;
    strokeChain(mask, Points, true, PenWidth);
    mask.fillEvenOdd(Points);
    // The interior is filled whatever Filled says; an unfilled closed shape is
    // drawn with Polyline.
    mask.transfer(*this, PenColor, BrushColor, true);
}

void TBitmap32::Polyline(const std::vector<QPoint>& Points) {
    CoverageMask mask(strokeWindow(Points, PenWidth, BoundsRect()));
    if (mask.isEmpty()) return;
    strokeChain(mask, Points, false, PenWidth);
    mask.transfer(*this, PenColor, BrushColor, false);
}

void TBitmap32::PolyBezier(const std::vector<QPoint>& Points) {
    // A start point and three points per segment; points that do not complete
    // a segment are ignored.
    const std::size_t segments = Points.size() >= 4 ? (Points.size() - 1) / 3 : 0;
    if (segments == 0) return;
    std::vector<QPoint> path{Points.front()};
    for (std::size_t s = 0; s < segments; ++s)
        flattenCubic(&Points[3 * s], path);
    // The curve stays inside the hull of its control points.
    std::vector<QPoint> hull(Points.begin(), Points.begin() + std::ptrdiff_t(3 * segments + 1));
    CoverageMask mask(strokeWindow(hull, PenWidth, BoundsRect()));
    if (mask.isEmpty()) return;
    strokeChain(mask, path, false, PenWidth);
    mask.transfer(*this, PenColor, BrushColor, false);
}
