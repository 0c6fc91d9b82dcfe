#include "effects/ui/SpatterForm.h"

#include "effects/EffectPreview.h"
#include "effects/NoiseEffects.h"
#include "widgets/PictureBox.h"

#include <QSlider>

TSpatFrm::TSpatFrm(QWidget* Parent)
    : EffectForm("SpatFrm", tr("Spatter"), QSize(281, 258), Parent) {
    addPreview();
    m_r = addSlider("RTr", "rlbl", tr("Radius"), 184, 48, SpatterMinRadius, SpatterMaxRadius, 1,
                    tr("Specifies spatter radius."));
    connect(m_r.Track, &QSlider::valueChanged, this, [this] { redraw(); });
    addButtons(QPoint(120, 224), QPoint(200, 224));
}

void TSpatFrm::FormShow(const TBitmap32& Target) {
    putSliders({m_r}, SpatterMinRadius);
    takeTarget(Target);
}

int TSpatFrm::radius() const {
    return m_r.Track->value();
}

void TSpatFrm::drawPreview(const TBitmap32& Target) {
    Img()->setPicture(SpatterPreview(Target, radius(), face()));
}
