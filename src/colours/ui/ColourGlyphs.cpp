#include "colours/ui/ColourGlyphs.h"

#include "widgets/Contrast.h"
#include "widgets/DrawnGlyph.h"

#include <QPainter>
#include <QPainterPath>

namespace {

constexpr int Size = 20;

void swatch(QPainter& P, const QRectF& R, const QColor& Fill) {
    P.setPen(QPen(glyphInk(), 1));
    P.setBrush(Fill);
    P.drawRect(R);
}

// An arrow along Path ending at its last point, pointing in the direction of
// its last segment (Dir).
void arrow(QPainter& P, const QPainterPath& Path, QPointF Tip, QPointF Dir) {
    P.setPen(QPen(glyphInk(), 1.2, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    P.setBrush(Qt::NoBrush);
    P.drawPath(Path);
    const QPointF n(-Dir.y(), Dir.x());
    P.setBrush(glyphInk());
    P.drawPolygon(QPolygonF{Tip, Tip - Dir * 3 + n * 2, Tip - Dir * 3 - n * 2});
}

// The foreground swatch top left, the background swatch bottom right: the
// picture both recolouring buttons start from.
void frontAndBackSwatches(QPainter& p) {
    p.setRenderHint(QPainter::Antialiasing);
    swatch(p, QRectF(1.5, 1.5, 8, 8), QColor(200, 40, 40));
    swatch(p, QRectF(10.5, 10.5, 8, 8), QColor(40, 80, 200));
}

} // namespace

// Both are drawn afresh at each screen density.
QIcon changeColourGlyph() {
    return drawnGlyphIcon(QSize(Size, Size), [](QPainter& p) {
        frontAndBackSwatches(p);
        // Front becomes back: one arrow from the first swatch to the second.
        QPainterPath path(QPointF(12, 5));
        path.lineTo(QPointF(14.5, 5));
        path.lineTo(QPointF(14.5, 8.5));
        arrow(p, path, QPointF(14.5, 9.5), QPointF(0, 1));
    });
}

QIcon replaceColoursGlyph() {
    return drawnGlyphIcon(QSize(Size, Size), [](QPainter& p) {
        frontAndBackSwatches(p);
        // The two change places: arrows both ways.
        QPainterPath there(QPointF(12, 4.5));
        there.lineTo(QPointF(15.5, 4.5));
        there.lineTo(QPointF(15.5, 8.5));
        arrow(p, there, QPointF(15.5, 9.5), QPointF(0, 1));
        QPainterPath back2(QPointF(8, 15.5));
        back2.lineTo(QPointF(4.5, 15.5));
        back2.lineTo(QPointF(4.5, 11.5));
        arrow(p, back2, QPointF(4.5, 10.5), QPointF(0, -1));
    });
}
