#include "effects/ui/ColorLevelsForm.h"

#include "effects/EffectPreview.h"
#include "widgets/PictureBox.h"

#include <QSlider>

TColLevFrm::TColLevFrm(QWidget* Parent)
    : EffectForm("ColLevFrm", tr("Color Levels"), QSize(281, 386), Parent) {
    addPreview();
    const auto slider = [this](const char* Name, const char* Value, const QString& Caption, int Top,
                               const QString& Hint) {
        Slider s = addSlider(Name, Value, Caption, Top, 48, AdjustmentMin, AdjustmentMax, 10, Hint);
        connect(s.Track, &QSlider::valueChanged, this, [this] { redraw(); });
        return s;
    };
    m_r = slider("RTr", "rlbl", tr("Red"), 184, tr("Changes image red channel."));
    m_g = slider("GTr", "glbl", tr("Green"), 224, tr("Changes image green channel."));
    m_b = slider("BTr", "blbl", tr("Blue"), 264, tr("Changes image blue channel."));
    m_a = slider("ATr", "albl", tr("Alpha"), 304, tr("Changes image alpha channel."));
    addButtons(QPoint(120, 352), QPoint(200, 352));
}

void TColLevFrm::FormShow(const TBitmap32& Target) {
    putSliders({m_r, m_g, m_b, m_a}, 0);
    takeTarget(Target);
}

ColorLevelsParams TColLevFrm::params() const {
    ColorLevelsParams p;
    p.Red = m_r.Track->value();
    p.Green = m_g.Track->value();
    p.Blue = m_b.Track->value();
    p.Alpha = m_a.Track->value();
    return p;
}

void TColLevFrm::drawPreview(const TBitmap32& Target) {
    Img()->setPicture(ColorLevelsPreview(Target, params(), face()));
}
