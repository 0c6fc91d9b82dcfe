#include "widgets/PictureBox.h"

#include <QPainter>

#include <algorithm>

PictureBox::PictureBox(QWidget* Parent) : QWidget(Parent) {}

void PictureBox::setPicture(const QImage& Picture) {
    showPicture(Picture);
}

void PictureBox::showPicture(const QImage& Picture) {
    m_shown = Picture;
    update();
}

void PictureBox::setEnlarging(bool Enlarge) {
    m_enlarge = Enlarge;
    update();
}

QRect PictureBox::pictureRect() const {
    if (m_shown.isNull()) return QRect();
    QSize s = m_shown.size();
    if (s.width() > width() || s.height() > height())
        s.scale(size(), Qt::KeepAspectRatio);
    else if (m_enlarge)
        s *= std::max(1, std::min(width() / s.width(), height() / s.height()));
    return QRect(QPoint((width() - s.width()) / 2, (height() - s.height()) / 2), s);
}

void PictureBox::paintEvent(QPaintEvent*) {
    if (m_shown.isNull()) return;
    QPainter p(this);
    // Nearest-pixel scaling keeps the pixels of an icon crisp.
    p.drawImage(pictureRect(), m_shown);
}
