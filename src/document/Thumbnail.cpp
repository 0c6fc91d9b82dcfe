#include "document/Thumbnail.h"

#include <QRectF>
#include <algorithm>

QImage BlankThumbnail() {
    QImage t(ThumbnailSize, ThumbnailSize, QImage::Format_RGB32);
    t.fill(Qt::white);
    return t;
}

QImage MakeThumbnail(const TBitmap32& Pixels) {
    QImage t = BlankThumbnail();
    const int W = Pixels.Width, H = Pixels.Height;
    if (Pixels.Empty()) return t;
    if (W <= ThumbnailSize && H <= ThumbnailSize) {
        Pixels.DrawToDC(t, (ThumbnailSize - W) / 2, (ThumbnailSize - H) / 2);
        return t;
    }
    const double s = std::max(double(W) / ThumbnailSize, double(H) / ThumbnailSize);
    const int w = RoundHalfEven(W / s), h = RoundHalfEven(H / s);
    // An odd w or h loses its last column or row: the rectangle is built from
    // the halves, so it stays centred on the middle of the thumbnail.
    const int c = ThumbnailSize / 2;
    Pixels.StretchDrawToDC(t, TRect(c - w / 2, c - h / 2, c + w / 2, c + h / 2));
    return t;
}

QImage MakeThumbnail(const TBitmap32& Pixels, qreal Scale) {
    if (Scale == 1.0) return MakeThumbnail(Pixels);
    const int side = qRound(ThumbnailSize * Scale);
    QImage t(side, side, QImage::Format_RGB32);
    t.fill(Qt::white);
    t.setDevicePixelRatio(Scale);
    const int W = Pixels.Width, H = Pixels.Height;
    if (Pixels.Empty() || side <= 0) return t;
    // The rectangle the picture covers at scale 1, its corners carried over
    // to device pixels.
    QRectF at;
    if (W <= ThumbnailSize && H <= ThumbnailSize) {
        at = QRectF((ThumbnailSize - W) / 2, (ThumbnailSize - H) / 2, W, H);
    } else {
        const double s = std::max(double(W) / ThumbnailSize, double(H) / ThumbnailSize);
        const double w = W / s, h = H / s, c = ThumbnailSize / 2.0;
        at = QRectF(c - w / 2, c - h / 2, w, h);
    }
    const auto device = [Scale](double V) { return qRound(V * Scale); };
    Pixels.StretchDrawToDC(
        t, TRect(device(at.left()), device(at.top()), device(at.right()), device(at.bottom())));
    return t;
}
