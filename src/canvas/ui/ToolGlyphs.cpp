#include "canvas/ui/ToolGlyphs.h"

#include "canvas/tools/ToolInfo.h"
#include "widgets/Contrast.h"
#include "widgets/DrawnGlyph.h"

#include <QPainter>
#include <QPainterPath>
#include <QPixmap>
#include <functional>

namespace {

using Drawing = std::function<void(QPainter&)>;

constexpr int Grid = 20;

// Drawn afresh at each screen density, so scaled screens get their own
// drawing instead of a blurred enlargement.
QIcon makeIcon(const Drawing& Draw) {
    return drawnGlyphIcon(QSize(Grid, Grid), Draw);
}

QPen inkPen(qreal Width = 1.4) {
    return QPen(glyphInk(), Width, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin);
}

// A body lying along the diagonal from the lower left to the upper right:
// drawn upright in a rotated frame centred on the grid.
void diagonal(QPainter& p, const Drawing& Upright) {
    p.save();
    p.translate(10, 10);
    p.rotate(45);
    Upright(p);
    p.restore();
}

void drawSelect(QPainter& p) {
    QPen pen(glyphInk(), 1.2, Qt::CustomDashLine);
    pen.setDashPattern({2, 2});
    p.setPen(pen);
    p.setBrush(Qt::NoBrush);
    p.drawRect(QRectF(3.5, 4.5, 13, 11));
}

void drawPencil(QPainter& p) {
    diagonal(p, [](QPainter& q) {
        q.setPen(inkPen(1.0));
        // Eraser end, ferrule, painted body, sharpened wood, lead.
        q.setBrush(QColor(236, 120, 140));
        q.drawRoundedRect(QRectF(-2.5, -10, 5, 3), 1, 1);
        q.setBrush(QColor(180, 180, 190));
        q.drawRect(QRectF(-2.5, -7, 5, 2));
        q.setBrush(QColor(250, 200, 40));
        q.drawRect(QRectF(-2.5, -5, 5, 10));
        QPainterPath wood;
        wood.moveTo(-2.5, 5);
        wood.lineTo(2.5, 5);
        wood.lineTo(0, 10);
        wood.closeSubpath();
        q.setBrush(QColor(240, 210, 160));
        q.drawPath(wood);
        QPainterPath lead;
        lead.moveTo(-1, 8);
        lead.lineTo(1, 8);
        lead.lineTo(0, 10);
        lead.closeSubpath();
        q.setBrush(glyphInk());
        q.drawPath(lead);
    });
}

void drawBrush(QPainter& p) {
    diagonal(p, [](QPainter& q) {
        q.setPen(inkPen(1.0));
        q.setBrush(QColor(170, 100, 50));
        q.drawRoundedRect(QRectF(-1.5, -10, 3, 10), 1.5, 1.5);
        q.setBrush(QColor(190, 190, 200));
        q.drawRect(QRectF(-2.5, 0, 5, 3));
        QPainterPath tuft;
        tuft.moveTo(-2.5, 3);
        tuft.cubicTo(-3.5, 6, -1, 8, 0, 10);
        tuft.cubicTo(1, 8, 3.5, 6, 2.5, 3);
        tuft.closeSubpath();
        q.setBrush(QColor(40, 90, 200));
        q.drawPath(tuft);
    });
}

void drawEraser(QPainter& p) {
    diagonal(p, [](QPainter& q) {
        q.setPen(inkPen(1.0));
        q.setBrush(QColor(90, 140, 220));
        q.drawRoundedRect(QRectF(-4.5, -8, 9, 9), 1.5, 1.5);
        q.setBrush(QColor(245, 245, 245));
        q.drawRoundedRect(QRectF(-4.5, 1, 9, 6), 1.5, 1.5);
    });
    p.setPen(QPen(QColor(150, 150, 150), 1.0, Qt::DotLine));
    p.drawLine(QPointF(1, 18.5), QPointF(9, 18.5));
}

void drawPicker(QPainter& p) {
    diagonal(p, [](QPainter& q) {
        q.setPen(inkPen(1.0));
        // Rubber bulb, collar, glass tube with the picked colour, tip.
        q.setBrush(QColor(60, 60, 70));
        q.drawRoundedRect(QRectF(-2.5, -10.5, 5, 5), 2.5, 2.5);
        q.drawRect(QRectF(-3.5, -5.5, 7, 1.5));
        q.setBrush(QColor(225, 240, 250));
        q.drawRect(QRectF(-1.5, -4, 3, 10));
        q.setPen(Qt::NoPen);
        q.setBrush(QColor(220, 40, 40));
        q.drawRect(QRectF(-1, 1, 2, 5));
        q.setPen(inkPen(1.0));
        q.drawLine(QPointF(0, 6), QPointF(0, 9.5));
    });
}

void drawSpray(QPainter& p) {
    p.setPen(inkPen(1.0));
    p.setBrush(QColor(200, 60, 60));
    p.drawRoundedRect(QRectF(3.5, 8.5, 7, 10), 1.5, 1.5);
    p.setBrush(QColor(190, 190, 200));
    p.drawRect(QRectF(4.5, 6, 5, 2.5));
    p.setBrush(glyphInk());
    p.drawRect(QRectF(6, 3.5, 2, 2.5));
    p.setPen(Qt::NoPen);
    const QPointF dots[] = {{11, 3}, {13, 2},   {12, 5}, {15, 4},   {14, 6.5},
                            {17, 3}, {16.5, 7}, {13, 8}, {18, 5.5}, {15.5, 1.5}};
    for (const QPointF& d : dots)
        p.drawEllipse(d, 0.8, 0.8);
}

void drawBucket(QPainter& p) {
    p.save();
    p.translate(9, 11);
    p.rotate(-30);
    p.setPen(inkPen(1.0));
    p.setBrush(QColor(200, 200, 210));
    QPainterPath pail;
    pail.moveTo(-6, -4);
    pail.lineTo(6, -4);
    pail.lineTo(5, 6);
    pail.lineTo(-5, 6);
    pail.closeSubpath();
    p.drawPath(pail);
    p.setBrush(QColor(40, 150, 70));
    p.drawEllipse(QRectF(-6, -5.5, 12, 3));
    p.setBrush(Qt::NoBrush);
    p.drawArc(QRectF(-5, -10, 10, 10), 0, 180 * 16);
    p.restore();
    // Paint running over the rim.
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(40, 150, 70));
    QPainterPath drip;
    drip.moveTo(14, 7);
    drip.cubicTo(18, 9, 18, 13, 17, 16);
    drip.cubicTo(16.5, 18, 15, 18, 15, 16);
    drip.cubicTo(15, 13, 15, 10, 13, 9);
    drip.closeSubpath();
    p.drawPath(drip);
}

void drawText(QPainter& p) {
    p.setPen(inkPen(1.8));
    p.setBrush(Qt::NoBrush);
    p.drawLine(QPointF(3.5, 17), QPointF(10, 3));
    p.drawLine(QPointF(10, 3), QPointF(16.5, 17));
    p.drawLine(QPointF(6, 12), QPointF(14, 12));
    p.setPen(inkPen(1.2));
    p.drawLine(QPointF(2, 17), QPointF(6, 17));
    p.drawLine(QPointF(14, 17), QPointF(18, 17));
}

void drawCamera(QPainter& p) {
    p.setPen(inkPen(1.0));
    p.setBrush(QColor(90, 90, 100));
    p.drawRoundedRect(QRectF(2.5, 6.5, 15, 10), 1.5, 1.5);
    p.drawRect(QRectF(7, 4.5, 6, 2));
    p.setBrush(QColor(150, 200, 240));
    p.drawEllipse(QPointF(10, 11.5), 3.2, 3.2);
}

void drawLine(QPainter& p) {
    p.setPen(inkPen(1.8));
    p.drawLine(QPointF(3.5, 16.5), QPointF(16.5, 3.5));
}

void drawCurve(QPainter& p) {
    p.setPen(inkPen(1.8));
    p.setBrush(Qt::NoBrush);
    QPainterPath s;
    s.moveTo(3, 16);
    s.cubicTo(3, 2, 17, 18, 17, 4);
    p.drawPath(s);
}

void drawRectangle(QPainter& p) {
    p.setPen(inkPen(1.6));
    p.setBrush(Qt::NoBrush);
    p.drawRect(QRectF(3, 5, 14, 10));
}

void drawEllipse(QPainter& p) {
    p.setPen(inkPen(1.6));
    p.setBrush(Qt::NoBrush);
    p.drawEllipse(QRectF(2.5, 4.5, 15, 11));
}

void drawRoundRect(QPainter& p) {
    p.setPen(inkPen(1.6));
    p.setBrush(Qt::NoBrush);
    p.drawRoundedRect(QRectF(3, 5, 14, 10), 4, 4);
}

void drawPolygon(QPainter& p) {
    p.setPen(inkPen(1.6));
    p.setBrush(Qt::NoBrush);
    const QPointF points[] = {{3, 8}, {10, 3}, {17, 7}, {14, 17}, {6, 15}};
    p.drawPolygon(points, 5);
}

void drawHotSpot(QPainter& p) {
    p.setPen(inkPen(1.2));
    p.setBrush(Qt::NoBrush);
    p.drawEllipse(QPointF(10, 10), 6, 6);
    p.drawLine(QPointF(10, 1.5), QPointF(10, 6));
    p.drawLine(QPointF(10, 14), QPointF(10, 18.5));
    p.drawLine(QPointF(1.5, 10), QPointF(6, 10));
    p.drawLine(QPointF(14, 10), QPointF(18.5, 10));
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(220, 30, 30));
    p.drawEllipse(QPointF(10, 10), 2, 2);
}

void drawShapeFill(QPainter& p, bool Solid) {
    p.setPen(inkPen(1.4));
    p.setBrush(Solid ? QBrush(QColor(40, 90, 200)) : QBrush(Qt::NoBrush));
    p.drawRect(QRectF(3.5, 5.5, 13, 9));
}

void drawCenter(QPainter& p) {
    p.setPen(inkPen(1.4));
    p.setBrush(Qt::NoBrush);
    p.drawEllipse(QPointF(10, 10), 7, 7);
    p.setPen(inkPen(1.0));
    p.drawLine(QPointF(10, 7), QPointF(10, 13));
    p.drawLine(QPointF(7, 10), QPointF(13, 10));
}

void drawTransparentText(QPainter& p) {
    // A checkerboard shows through the letter's background.
    for (int y = 0; y < 4; ++y)
        for (int x = 0; x < 4; ++x)
            p.fillRect(QRectF(2 + x * 4, 2 + y * 4, 4, 4),
                       (x + y) % 2 ? QColor(160, 160, 170) : QColor(255, 255, 255));
    p.setPen(inkPen(2.4));
    p.drawLine(QPointF(4, 4.5), QPointF(16, 4.5));
    p.drawLine(QPointF(10, 4.5), QPointF(10, 17));
}

} // namespace

QIcon toolGlyph(int Tag) {
    switch (Tag) {
    case SelectTag:
        return makeIcon(drawSelect);
    case PenTag:
        return makeIcon(drawPencil);
    case BrushTag:
        return makeIcon(drawBrush);
    case EraseTag:
        return makeIcon(drawEraser);
    case PickColorTag:
        return makeIcon(drawPicker);
    case SprayTag:
        return makeIcon(drawSpray);
    case PatilTag:
        return makeIcon(drawBucket);
    case TextTag:
        return makeIcon(drawText);
    case PhotoTag:
        return makeIcon(drawCamera);
    case LineTag:
        return makeIcon(drawLine);
    case CurveTag:
        return makeIcon(drawCurve);
    case RectTag:
        return makeIcon(drawRectangle);
    case EllipseTag:
        return makeIcon(drawEllipse);
    case RoundRectTag:
        return makeIcon(drawRoundRect);
    case PolygonTag:
        return makeIcon(drawPolygon);
    case HotSpotTag:
        return makeIcon(drawHotSpot);
    default:
        return QIcon();
    }
}

QIcon optionGlyph(OptionGlyph Which) {
    switch (Which) {
    case OptionGlyph::NoFill:
        return makeIcon([](QPainter& p) { drawShapeFill(p, false); });
    case OptionGlyph::SolidFill:
        return makeIcon([](QPainter& p) { drawShapeFill(p, true); });
    case OptionGlyph::Center:
        return makeIcon(drawCenter);
    case OptionGlyph::Transparent:
        return makeIcon(drawTransparentText);
    }
    return QIcon();
}
