#include "app/ProgramPicture.h"

#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QPixmap>

namespace {

// An 8 x 8 pixel heart in three colours: 0 transparent, 1 dark, 2 red, 3 light.
constexpr const char* Heart[8] = {
    "01100110", "12211221", "12322221", "12222221", "01222210", "00122100", "00011000", "00000000",
};

} // namespace

QImage drawProgramIcon(int Size) {
    QImage img(Size, Size, QImage::Format_ARGB32_Premultiplied);
    img.fill(Qt::transparent);
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);
    p.scale(Size / 64.0, Size / 64.0);

    // Frame.
    QLinearGradient back(0, 0, 0, 64);
    back.setColorAt(0, QColor(70, 120, 200));
    back.setColorAt(1, QColor(30, 60, 130));
    p.setPen(Qt::NoPen);
    p.setBrush(back);
    p.drawRoundedRect(QRectF(2, 2, 60, 60), 10, 10);

    // Canvas with the checkerboard of transparent pixels.
    const QRectF canvas(10, 10, 40, 40);
    for (int y = 0; y < 8; ++y)
        for (int x = 0; x < 8; ++x) {
            const bool light = (x + y) % 2 == 0;
            p.setBrush(light ? QColor(245, 245, 245) : QColor(210, 215, 225));
            p.drawRect(QRectF(canvas.left() + x * 5, canvas.top() + y * 5, 5, 5));
            const char c = Heart[y][x];
            if (c == '0') continue;
            p.setBrush(c == '1'   ? QColor(120, 10, 30)
                       : c == '2' ? QColor(225, 40, 60)
                                  : QColor(255, 170, 180));
            p.drawRect(QRectF(canvas.left() + x * 5, canvas.top() + y * 5, 5, 5));
        }
    p.setPen(QPen(QColor(20, 30, 60), 1.2));
    p.setBrush(Qt::NoBrush);
    p.drawRect(canvas);

    // Pencil across the lower right corner.
    p.translate(46, 46);
    p.rotate(-45);
    p.setPen(QPen(QColor(60, 40, 10), 1));
    p.setBrush(QColor(250, 200, 40));
    p.drawRect(QRectF(-4, -22, 8, 24));
    p.setBrush(QColor(240, 140, 150));
    p.drawRect(QRectF(-4, -27, 8, 5));
    QPainterPath tip;
    tip.moveTo(-4, 2);
    tip.lineTo(4, 2);
    tip.lineTo(0, 12);
    tip.closeSubpath();
    p.setBrush(QColor(240, 215, 170));
    p.drawPath(tip);
    p.setBrush(QColor(40, 40, 40));
    QPainterPath lead;
    lead.moveTo(-1.6, 8);
    lead.lineTo(1.6, 8);
    lead.lineTo(0, 12);
    lead.closeSubpath();
    p.drawPath(lead);
    return img;
}

QIcon programIcon() {
    QIcon icon;
    for (int size : {16, 24, 32, 48, 64, 128, 256})
        icon.addPixmap(QPixmap::fromImage(drawProgramIcon(size)));
    return icon;
}
