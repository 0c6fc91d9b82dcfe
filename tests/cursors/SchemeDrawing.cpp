#include "SchemeDrawing.h"

#include <QImage>
#include <QPainter>
#include <QPainterPath>
#include <QtMath>

namespace {

QPainterPath arrow() {
    QPainterPath p;
    p.moveTo(1, 1);
    p.lineTo(1, 23);
    p.lineTo(7, 18);
    p.lineTo(11, 27);
    p.lineTo(15, 25);
    p.lineTo(11, 16);
    p.lineTo(18, 16);
    p.closeSubpath();
    return p;
}

QPainterPath doubleArrow(qreal Angle) {
    QPainterPath p;
    p.moveTo(-14, 0);
    p.lineTo(-7, -7);
    p.lineTo(-7, -3);
    p.lineTo(7, -3);
    p.lineTo(7, -7);
    p.lineTo(14, 0);
    p.lineTo(7, 7);
    p.lineTo(7, 3);
    p.lineTo(-7, 3);
    p.lineTo(-7, 7);
    p.closeSubpath();
    QTransform t;
    t.translate(16, 16);
    t.rotate(Angle);
    return t.map(p);
}

void outlined(QPainter& P, const QPainterPath& Path, QColor Fill = Qt::black) {
    P.setPen(QPen(Qt::white, 1.5));
    P.setBrush(Fill);
    P.drawPath(Path);
}

XcursorImage toImage(const QImage& Picture, int Hx, int Hy, std::uint32_t Delay) {
    XcursorImage i{32, 32, 32, Hx, Hy, Delay, {}};
    const QImage rgba = Picture.convertToFormat(QImage::Format_RGBA8888);
    for (int y = 0; y < 32; ++y) {
        const uchar* row = rgba.constScanLine(y);
        for (int x = 0; x < 32; ++x) {
            const uchar* p = row + 4 * x;
            i.Pixels.push_back(p[3] ? std::uint32_t(p[0]) | std::uint32_t(p[1]) << 8 |
                                          std::uint32_t(p[2]) << 16 | std::uint32_t(p[3]) << 24
                                    : 0u);
        }
    }
    return i;
}

} // namespace

XcursorContents DrawSchemeCursor(const CursorRole& Role, int Frames) {
    const std::string& r = Role.Registry;
    const bool animated = r == "Wait" || r == "AppStarting";
    XcursorContents c;
    for (int f = 0; f < (animated ? Frames : 1); ++f) {
        QImage picture(32, 32, QImage::Format_ARGB32_Premultiplied);
        picture.fill(Qt::transparent);
        QPainter p(&picture);
        p.setRenderHint(QPainter::Antialiasing);
        int hx = 16, hy = 16;
        const auto spinner = [&](QPointF Centre, qreal Radius) {
            for (int k = 0; k < 8; ++k) {
                const qreal a = (k + f) * M_PI / 4;
                p.setPen(Qt::NoPen);
                p.setBrush(QColor(30, 110, 220, 60 + k * 24));
                p.drawEllipse(Centre + QPointF(std::cos(a), std::sin(a)) * Radius, 2.2, 2.2);
            }
        };
        if (r == "Arrow" || r == "Help" || r == "AppStarting" || r == "Pin" || r == "Person") {
            outlined(p, arrow());
            hx = hy = 1;
            p.setPen(QColor(30, 110, 220));
            if (r == "Help") {
                QFont font;
                font.setPixelSize(14);
                font.setBold(true);
                p.setFont(font);
                p.drawText(QRectF(16, 12, 16, 18), Qt::AlignCenter, QStringLiteral("?"));
            } else if (r == "AppStarting") {
                spinner(QPointF(24, 24), 5);
            } else if (r == "Pin") {
                p.setBrush(QColor(220, 40, 40));
                p.drawEllipse(QPointF(24, 20), 5, 5);
            } else if (r == "Person") {
                p.setBrush(QColor(30, 110, 220));
                p.drawEllipse(QPointF(24, 18), 3.5, 3.5);
                p.drawEllipse(QRectF(18, 22, 12, 8));
            }
        } else if (r == "Wait") {
            spinner(QPointF(16, 16), 10);
        } else if (r == "Crosshair") {
            p.setPen(QPen(Qt::white, 3));
            p.drawLine(16, 2, 16, 30);
            p.drawLine(2, 16, 30, 16);
            p.setPen(QPen(Qt::black, 1));
            p.drawLine(16, 2, 16, 30);
            p.drawLine(2, 16, 30, 16);
        } else if (r == "IBeam") {
            QPainterPath beam;
            beam.addRect(15, 6, 2, 20);
            beam.addRect(11, 4, 10, 2);
            beam.addRect(11, 26, 10, 2);
            outlined(p, beam);
        } else if (r == "NWPen") {
            QPainterPath pen;
            pen.moveTo(2, 30);
            pen.lineTo(5, 22);
            pen.lineTo(24, 3);
            pen.lineTo(29, 8);
            pen.lineTo(10, 27);
            pen.closeSubpath();
            outlined(p, pen, QColor(240, 190, 40));
            hx = 2;
            hy = 29;
        } else if (r == "No") {
            p.setPen(QPen(QColor(210, 30, 30), 4));
            p.setBrush(Qt::NoBrush);
            p.drawEllipse(QPointF(16, 16), 11, 11);
            p.drawLine(QPointF(8.5, 8.5), QPointF(23.5, 23.5));
        } else if (r == "SizeNS" || r == "SizeWE" || r == "SizeNWSE" || r == "SizeNESW") {
            const qreal angle = r == "SizeNS" ? 90 : r == "SizeWE" ? 0 : r == "SizeNWSE" ? 45 : -45;
            outlined(p, doubleArrow(angle));
        } else if (r == "SizeAll") {
            outlined(p, doubleArrow(0).united(doubleArrow(90)));
        } else if (r == "UpArrow") {
            QPainterPath up;
            up.moveTo(16, 2);
            up.lineTo(26, 14);
            up.lineTo(19, 14);
            up.lineTo(19, 30);
            up.lineTo(13, 30);
            up.lineTo(13, 14);
            up.lineTo(6, 14);
            up.closeSubpath();
            outlined(p, up);
            hy = 2;
        } else { // Hand
            // One silhouette: the finger joined to the palm, not drawn over it.
            QPainterPath finger, palm;
            finger.addRoundedRect(10, 2, 5, 16, 2.5, 2.5);
            palm.addRoundedRect(8, 13, 18, 15, 4, 4);
            const QPainterPath hand = finger.united(palm);
            outlined(p, hand, Qt::white);
            p.setPen(QPen(Qt::black, 1.2));
            p.setBrush(Qt::NoBrush);
            p.drawPath(hand);
            hx = 12;
            hy = 2;
        }
        p.end();
        c.Images.push_back(toImage(picture, hx, hy, animated ? 80 : 0));
    }
    return c;
}
