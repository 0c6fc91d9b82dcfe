#include "effects/ui/RotateForm.h"

#include "effects/EffectPreview.h"
#include "widgets/TavroRotatableImage.h"

#include <QLabel>
#include <QSlider>

TRotFrm::TRotFrm(QWidget* Parent)
    : EffectForm("RotFrm", tr("Rotate Image"), QSize(281, 258), Parent) {
    m_rotatable = new TRotatableImage(this);
    m_rotatable->setObjectName(QStringLiteral("img"));
    m_rotatable->setGeometry(8, 8, 265, 169);
    m_rotatable->setEnlarging(true);
    setPreview(m_rotatable);
    m_r = addSlider("RTr", "rlbl", tr("Angle"), 184, 40, 0, 360, 10,
                    tr("Specifies image rotation angle."));
    if (auto* caption = findChild<QLabel*>(QStringLiteral("RTrLabel")))
        caption->setObjectName(QStringLiteral("Lbl1"));
    connect(m_r.Track, &QSlider::valueChanged, this, &TRotFrm::RTrChange);
    addButtons(QPoint(120, 224), QPoint(200, 224));
}

void TRotFrm::FormShow(const TBitmap32& Target) {
    putSliders({m_r}, 0);
    m_rotatable->setRotationAngle(0);
    takeTarget(Target);
}

int TRotFrm::angle() const {
    return m_r.Track->value();
}

void TRotFrm::drawPreview(const TBitmap32& Target) {
    QImage picture = PreviewOnFace(Target, face());
    // The control fills the corners of the turned picture with the colour of
    // its bottom-left pixel: the face colour makes them part of the dialog.
    if (!picture.isNull()) picture.setPixelColor(0, picture.height() - 1, face());
    m_rotatable->setPicture(picture);
}

void TRotFrm::RTrChange(int Position) {
    m_rotatable->setRotationAngle(Position);
}
