#pragma once

#include <QPoint>
#include <QRect>

// Where the magnified image lies on the work view. Every screen coordinate is
// the truncated product of an image coordinate and the zoom, so the edges of
// the cells, the grid lines and the mouse mapping all agree to the pixel.
struct WorkViewGeometry {
    double ZoomX = 1.0;
    double ZoomY = 1.0;

    // Left (top) screen edge of image column (row) V.
    int ScreenX(int V) const;
    int ScreenY(int V) const;
    // The screen cells of image pixel (X, Y), right and bottom exclusive. Off the
    // first row and column a cell starts one pixel after its grid line, so the
    // line stays visible under a marker drawn over the cell.
    QRect CellRect(int X, int Y) const;
    // The image pixel under screen position (X, Y). Truncation toward zero keeps
    // the screen pixels just left of or above the image on column or row 0.
    QPoint PixelAt(double X, double Y) const;
};

// The zoom at which a Width x Height image fits a paint box of PaintWidth x
// PaintHeight screen pixels. Both factors are the same; the whole image is
// always on screen, whatever its shape.
WorkViewGeometry ZoomToFit(int PaintWidth, int PaintHeight, int Width, int Height);
