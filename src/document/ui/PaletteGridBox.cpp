#include "document/ui/PaletteGridBox.h"

#include <QMouseEvent>
#include <QPainter>

PaletteGridBox::PaletteGridBox(QWidget* Parent) : QWidget(Parent) {}

void PaletteGridBox::setPicture(const QImage& Picture) {
    m_picture = Picture;
    resize(width(), Picture.height());
    update();
}

void PaletteGridBox::paintEvent(QPaintEvent*) {
    QPainter p(this);
    p.drawImage(0, 0, m_picture);
}

void PaletteGridBox::mousePressEvent(QMouseEvent* Event) {
    emit pressed(Event->position().toPoint());
}
