#include "widgets/TavroRotatableImage.h"

#include "widgets/RotatedPicture.h"

TRotatableImage::TRotatableImage(QWidget* Parent) : PictureBox(Parent) {}

void TRotatableImage::setRotationAngle(double Angle) {
    m_angle = Angle;
    rotate();
}

void TRotatableImage::setPicture(const QImage& Picture) {
    m_unrotated = Picture;
    rotate();
}

void TRotatableImage::rotate() {
    showPicture(RotatedPicture(m_unrotated, m_angle));
}
