#include "widgets/RotatedPicture.h"

#include "pixel/ExtendedRounding.h"

#include <QPainter>
#include <QTransform>
#include <cmath>

namespace {

constexpr long double Pi = 3.141592653589793238462643383279502884L;

// A corner given in the centred, upward-pointing system, turned and moved
// into the square's downward-pointing pixel system (never below 0: no
// corner lies farther from the centre than Rad). atan2 also settles a
// corner on the vertical axis (a picture 1 pixel wide), where the quotient
// Y / X would divide by zero.
QPoint turned(int X, int Y, long double Turn, long double Rad) {
    const long double t0 = std::atan2((long double)Y, (long double)X);
    const long double p = std::sqrt((long double)X * X + (long double)Y * Y);
    return QPoint(RoundHalfEvenExtended(std::cos(Turn + t0) * p + Rad),
                  RoundHalfEvenExtended(Rad - std::sin(Turn + t0) * p));
}

} // namespace

RotatedCorners RotatedPictureCorners(int Width, int Height, double Angle) {
    const long double rad =
        std::sqrt((long double)Width * Width / 4.0L + (long double)Height * Height / 4.0L);
    const long double turn = Pi * Angle / 180.0L;
    const int hw = Width / 2, hh = Height / 2;
    RotatedCorners c;
    c.TopLeft = turned(-hw, hh, turn, rad);
    c.TopRight = turned(hw, hh, turn, rad);
    c.BottomLeft = turned(-hw, -hh, turn, rad);
    c.Side = RoundHalfEvenExtended(2.0L * rad);
    return c;
}

QImage RotatedPicture(const QImage& Unrotated, double Angle) {
    if (Unrotated.isNull()) return QImage();
    const int w = Unrotated.width(), h = Unrotated.height();
    const RotatedCorners c = RotatedPictureCorners(w, h, Angle);
    const QImage::Format format =
        Unrotated.hasAlphaChannel() ? QImage::Format_ARGB32 : QImage::Format_RGB32;
    QImage square(c.Side, c.Side, format);
    square.fill(Unrotated.pixelColor(0, h - 1));
    // The affine map that sends the picture's top-left, top-right and
    // bottom-left corners onto the three turned points.
    const QPointF o = c.TopLeft;
    const QPointF ex = QPointF(c.TopRight - c.TopLeft) / w;
    const QPointF ey = QPointF(c.BottomLeft - c.TopLeft) / h;
    QPainter painter(&square);
    painter.setCompositionMode(QPainter::CompositionMode_Source);
    painter.setTransform(QTransform(ex.x(), ex.y(), ey.x(), ey.y(), o.x(), o.y()));
    painter.drawImage(0, 0, Unrotated);
    return square;
}
