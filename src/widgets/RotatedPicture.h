#pragma once

#include <QImage>
#include <QPoint>

// The rotation preview's drawing: a picture turned by a free angle about its
// centre, on a square whose side is the picture's diagonal. Used by the
// rotatable picture control; the pixels of the document are turned by
// RotateImage instead.

// Where the picture's top-left, top-right and bottom-left corners land in the
// Side x Side square at Angle degrees (counterclockwise on screen).
struct RotatedCorners {
    QPoint TopLeft;
    QPoint TopRight;
    QPoint BottomLeft;
    int Side = 0;
};
RotatedCorners RotatedPictureCorners(int Width, int Height, double Angle);

// Unrotated drawn onto the parallelogram of RotatedPictureCorners with
// nearest-pixel sampling, on a square filled with the colour of Unrotated's
// bottom-left pixel (a caller sets that pixel to its background colour to
// make the uncovered corners match it). A null picture gives a null picture.
QImage RotatedPicture(const QImage& Unrotated, double Angle);
