#include "canvas/WorkViewGeometry.h"

#include "pixel/TBitmap32.h"

#include <algorithm>
#include <cmath>

namespace {

int truncated(double V) {
    return static_cast<int>(std::trunc(V));
}

int sign(int V) {
    return V > 0 ? 1 : (V < 0 ? -1 : 0);
}

} // namespace

int WorkViewGeometry::ScreenX(int V) const {
    return truncated(V * ZoomX);
}

int WorkViewGeometry::ScreenY(int V) const {
    return truncated(V * ZoomY);
}

QRect WorkViewGeometry::CellRect(int X, int Y) const {
    return TRect(ScreenX(X) + sign(X), ScreenY(Y) + sign(Y), ScreenX(X + 1), ScreenY(Y + 1));
}

QPoint WorkViewGeometry::PixelAt(double X, double Y) const {
    return QPoint(truncated(X / ZoomX), truncated(Y / ZoomY));
}

WorkViewGeometry ZoomToFit(int PaintWidth, int PaintHeight, int Width, int Height) {
    WorkViewGeometry g;
    if (Width <= 0 || Height <= 0) return g;
    // A collapsed paint box still gets a positive zoom, so the mouse mapping
    // never divides by zero.
    PaintWidth = std::max(PaintWidth, 1);
    PaintHeight = std::max(PaintHeight, 1);
    // One factor for both axes, the smaller of the two fits: a non-square image
    // would otherwise be allowed to run past the paint box and be cut off.
    const double zoom =
        std::min(double(PaintWidth) / double(Width), double(PaintHeight) / double(Height));
    g.ZoomX = zoom;
    g.ZoomY = zoom;
    return g;
}
