#include "canvas/tools/AAPlot.h"

#include <cmath>
#include <cstdlib>
#include <utility>

void PlotAA(TBitmap32& Target, TColor32 Color, CoverageMap* Map, double X, double Y) {
    // The floor, not truncation: left of or above the image the fractions
    // would turn negative and the weights leave 0 .. alpha.
    const double fx0 = std::floor(X), fy0 = std::floor(Y);
    const int ix = int(fx0), iy = int(fy0);
    const double fx = X - fx0, fy = Y - fy0;
    const double A = AlphaOf(Color);
    const TColor rgb = Color32ToColor(Color);
    int w[4] = {RoundHalfEven((1 - fx) * (1 - fy) * A), RoundHalfEven(fx * (1 - fy) * A),
                RoundHalfEven((1 - fx) * fy * A), RoundHalfEven(fx * fy * A)};
    const QPoint at[4] = {{ix, iy}, {ix + 1, iy}, {ix, iy + 1}, {ix + 1, iy + 1}};
    if (Map && X >= 0 && Y >= 0 && ix < Target.Width - 1 && iy < Target.Height - 1) {
        for (int i = 0; i < 4; ++i) {
            if (Map->at(at[i].x(), at[i].y()) <= w[i])
                Map->set(at[i].x(), at[i].y(), w[i]);
            else
                w[i] = 0;
        }
    }
    // A weight of 0 adds nothing. Writing it anyway would, with Blend off,
    // punch transparent holes beside every point, even into pixels the same
    // shape has just drawn.
    for (int i = 0; i < 4; ++i)
        if (w[i] > 0) Target.PutPixel(at[i].x(), at[i].y(), SetAlpha(rgb, w[i]));
}

void AALine(TBitmap32& Target, int X0, int Y0, int X1, int Y1, TColor32 Color, CoverageMap* Map) {
    if (X0 == X1 && Y0 == Y1) return;
    if (Y0 > Y1) {
        std::swap(X0, X1);
        std::swap(Y0, Y1);
    }
    const int A = AlphaOf(Color);
    if (X0 == X1) {
        for (int y = Y0; y <= Y1; ++y) {
            if (Map) {
                if (Map->at(X0, y) >= A) continue;
                Map->set(X0, y, A);
            }
            Target.PutPixel(X0, y, Color);
        }
        return;
    }
    const double slope = double(Y1 - Y0) / double(X1 - X0);
    if (Y1 - Y0 < std::abs(X1 - X0)) {
        const int xs = std::min(X0, X1), xe = std::max(X0, X1);
        const int ys = X0 < X1 ? Y0 : Y1;
        for (int x = xs; x <= xe; ++x)
            PlotAA(Target, Color, Map, x, (x - xs) * slope + ys);
    } else {
        for (int y = Y0; y < Y1; ++y)
            PlotAA(Target, Color, Map, (y - Y0) / slope + X0, y);
    }
}

void BrushStamp(TBitmap32& Target, const BrushShape& Shape, bool Anti, double X, double Y) {
    const TColor32 pen = Target.PenColor;
    for (int dx = -BrushShape::Reach; dx <= BrushShape::Reach; ++dx)
        for (int dy = -BrushShape::Reach; dy <= BrushShape::Reach; ++dy) {
            if (!Shape.contains(dx, dy)) continue;
            if (Anti)
                PlotAA(Target, pen, nullptr, X + dx, Y + dy);
            else
                Target.PutPixel(RoundHalfEven(X + dx), RoundHalfEven(Y + dy), pen);
        }
}
