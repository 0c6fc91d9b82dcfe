#include "images/ui/ArrowGlyph.h"

#include "widgets/Contrast.h"
#include "widgets/DrawnGlyph.h"

#include <QPainter>
#include <QPolygonF>

namespace {

// Sized for a button 17 pixels high.
constexpr int W = 9, H = 5;

// Colour: none for the ink of the desktop's scheme, read as it is drawn.
GlyphDrawing arrow(ArrowDirection Direction, const QColor& Colour = QColor()) {
    return [Direction, Colour](QPainter& p) {
        p.setPen(Qt::NoPen);
        p.setBrush(Colour.isValid() ? Colour : glyphInk());
        const QPolygonF up{QPointF(0, H), QPointF(W / 2.0, 0), QPointF(W, H)};
        const QPolygonF down{QPointF(0, 0), QPointF(W / 2.0, H), QPointF(W, 0)};
        p.drawPolygon(Direction == ArrowDirection::Up ? up : down);
    };
}

} // namespace

QIcon arrowGlyph(ArrowDirection Direction) {
    // Drawn at each screen's density, so it stays crisp on high-density ones.
    return drawnGlyphIcon(QSize(W, H), arrow(Direction), arrow(Direction, QColor(160, 160, 160)));
}
