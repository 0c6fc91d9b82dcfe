// Ellipses and rounded rectangles.
#include "pixel/RoundShapes.h"
#include "pixel/TBitmap32.h"

#include <algorithm>
#include <optional>

namespace {

// Writes a shape standing in the box (X1, Y1, X1 + w, Y1 + h). An outline
// wider than one pixel is what lies between the shape and its interior inset
// by the extra width.
template <class Shape>
void paintShape(TBitmap32& bmp, int X1, int Y1, const Shape& outer,
                const std::optional<Shape>& inset, int insetBy) {
    const int w = outer.width(), h = outer.height();
    const auto [xFrom, xTo] = visibleSteps(X1, w, bmp.Width);
    const auto [yFrom, yTo] = visibleSteps(Y1, h, bmp.Height);
    for (int y = yFrom; y < yTo; ++y)
        for (int x = xFrom; x < xTo; ++x) {
            CoverageMask::State s = outer.at(x, y);
            if (s == CoverageMask::Untouched) continue;
            if (inset) {
                const int ix = x - insetBy, iy = y - insetBy;
                const bool inner = ix >= 0 && iy >= 0 && ix < inset->width() &&
                                   iy < inset->height() &&
                                   inset->at(ix, iy) == CoverageMask::Interior;
                s = inner ? CoverageMask::Interior : CoverageMask::Outline;
            }
            if (s == CoverageMask::Outline)
                bmp.PutPixel(X1 + x, Y1 + y, bmp.PenColor);
            else if (bmp.Filled)
                bmp.PutPixel(X1 + x, Y1 + y, bmp.BrushColor);
        }
}

// Normalised box of a shape, or false when it has no area. Boxes wider than
// any buffer can hold are refused too: they would only overflow the tracer.
bool shapeBox(int& X1, int& Y1, int& X2, int& Y2) {
    if (X1 == X2 || Y1 == Y2) return false;
    if (X1 > X2) std::swap(X1, X2);
    if (Y1 > Y2) std::swap(Y1, Y2);
    const long long limit = 1 << 16;
    return (long long)X2 - X1 <= limit && (long long)Y2 - Y1 <= limit;
}

} // namespace

void TBitmap32::Ellipse(int X1, int Y1, int X2, int Y2) {
    if (!shapeBox(X1, Y1, X2, Y2)) return;
    const int w = X2 - X1, h = Y2 - Y1, k = std::max(1, PenWidth) - 1;
    std::optional<EllipseShape> inset;
    if (k > 0) inset.emplace(w - 2 * k, h - 2 * k);
    paintShape(*this, X1, Y1, EllipseShape(w, h), inset, k);
}

void TBitmap32::RoundRect(int X1, int Y1, int X2, int Y2, int X3, int Y3) {
    if (!shapeBox(X1, Y1, X2, Y2)) return;
    const int w = X2 - X1, h = Y2 - Y1, k = std::max(1, PenWidth) - 1;
    std::optional<RoundRectShape> inset;
    if (k > 0) inset.emplace(w - 2 * k, h - 2 * k, X3 - 2 * k, Y3 - 2 * k);
    paintShape(*this, X1, Y1, RoundRectShape(w, h, X3, Y3), inset, k);
}
