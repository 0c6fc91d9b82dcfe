#include "images/ui/ArrowGlyph.h"

#include <QPainter>
#include <QPixmap>
#include <QPolygonF>

namespace {

QPixmap drawArrow(ArrowDirection Direction, const QColor& Colour) {
    // Sized for a button 17 pixels high; drawn at twice the size so it stays
    // crisp on high-density screens.
    constexpr int W = 9, H = 5, Scale = 2;
    QPixmap pm(W * Scale, H * Scale);
    pm.setDevicePixelRatio(Scale);
    pm.fill(Qt::transparent);
    QPainter p(&pm);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(Qt::NoPen);
    p.setBrush(Colour);
    const QPolygonF up{QPointF(0, H), QPointF(W / 2.0, 0), QPointF(W, H)};
    const QPolygonF down{QPointF(0, 0), QPointF(W / 2.0, H), QPointF(W, 0)};
    p.drawPolygon(Direction == ArrowDirection::Up ? up : down);
    return pm;
}

} // namespace

QIcon arrowGlyph(ArrowDirection Direction) {
    QIcon icon;
    icon.addPixmap(drawArrow(Direction, QColor(0, 0, 0)), QIcon::Normal);
    icon.addPixmap(drawArrow(Direction, QColor(160, 160, 160)), QIcon::Disabled);
    return icon;
}
