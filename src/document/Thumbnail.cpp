#include "document/Thumbnail.h"

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
