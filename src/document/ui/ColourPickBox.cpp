#include "document/ui/ColourPickBox.h"

#include <QMouseEvent>
#include <QPainter>

ColourPickBox::ColourPickBox(QWidget* Parent) : PictureBox(Parent) {}

QImage ColourPickBox::shown() const {
    QImage out(size(), QImage::Format_RGB32);
    out.fill(palette().color(QPalette::Window));
    if (picture().isNull() || out.isNull()) return out;
    QImage picture = this->picture();
    if (picture.width() > out.width() || picture.height() > out.height())
        // Plain sampling: every pixel shown is one of the picture's colours.
        picture = picture.scaled(out.size(), Qt::KeepAspectRatio, Qt::FastTransformation);
    QPainter p(&out);
    p.drawImage((out.width() - picture.width()) / 2, (out.height() - picture.height()) / 2,
                picture);
    return out;
}

TColor ColourPickBox::colourAt(QPoint Pos) const {
    const QImage s = shown();
    if (!s.rect().contains(Pos)) return 0;
    const QRgb c = s.pixel(Pos);
    return TColor(qRed(c)) | (TColor(qGreen(c)) << 8) | (TColor(qBlue(c)) << 16);
}

void ColourPickBox::paintEvent(QPaintEvent*) {
    QPainter p(this);
    p.drawImage(0, 0, shown());
}

void ColourPickBox::mousePressEvent(QMouseEvent* Event) {
    emit pressed(colourAt(Event->position().toPoint()));
}
