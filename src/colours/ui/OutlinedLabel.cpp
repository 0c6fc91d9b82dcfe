#include "colours/ui/OutlinedLabel.h"

#include <QPainter>

QColor OutlinedLabel::outlineFor(const QColor& Text) {
    return qGray(Text.rgb()) >= 128 ? QColor(Qt::black) : QColor(Qt::white);
}

void OutlinedLabel::paintEvent(QPaintEvent*) {
    QPainter p(this);
    p.setFont(font());
    const QRect area = contentsRect();
    const int flags = int(alignment());
    const QColor text = palette().color(QPalette::WindowText);
    p.setPen(outlineFor(text));
    for (int dy = -1; dy <= 1; ++dy)
        for (int dx = -1; dx <= 1; ++dx)
            if (dx || dy) p.drawText(area.translated(dx, dy), flags, this->text());
    p.setPen(text);
    p.drawText(area, flags, this->text());
}
