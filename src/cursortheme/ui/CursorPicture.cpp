#include "cursortheme/ui/CursorPicture.h"

#include <QPainter>

QImage CursorPicture(const XcursorImage& Image) {
    QImage picture(Image.Width, Image.Height, QImage::Format_ARGB32);
    for (int y = 0; y < Image.Height; ++y) {
        QRgb* row = reinterpret_cast<QRgb*>(picture.scanLine(y));
        for (int x = 0; x < Image.Width; ++x) {
            const std::uint32_t c = Image.Pixels[std::size_t(y) * std::size_t(Image.Width) +
                                                 std::size_t(x)];
            row[x] = qRgba(int(c & 0xFF), int((c >> 8) & 0xFF), int((c >> 16) & 0xFF),
                           int(c >> 24));
        }
    }
    return picture;
}

void PaintCursorWithHotSpot(QPainter& P, const QPoint& Origin, const QImage& Picture, int HotX,
                            int HotY) {
    const int cell = 4;
    for (int y = 0; y < Picture.height(); y += cell)
        for (int x = 0; x < Picture.width(); x += cell)
            P.fillRect(Origin.x() + x, Origin.y() + y, std::min(cell, Picture.width() - x),
                       std::min(cell, Picture.height() - y),
                       ((x + y) / cell) % 2 ? QColor(204, 204, 204) : QColor(255, 255, 255));
    P.drawImage(Origin, Picture);
    // The cross sits around the hot spot's pixel, not over it, so the pixel
    // itself stays visible.
    const QPoint h = Origin + QPoint(HotX, HotY);
    P.setPen(QColor(230, 0, 0));
    P.drawLine(h.x() - 4, h.y(), h.x() - 2, h.y());
    P.drawLine(h.x() + 2, h.y(), h.x() + 4, h.y());
    P.drawLine(h.x(), h.y() - 4, h.x(), h.y() - 2);
    P.drawLine(h.x(), h.y() + 2, h.x(), h.y() + 4);
}
