#include "effects/ui/BalanceForm.h"

#include "effects/EffectPreview.h"
#include "session/Hint.h"
#include "widgets/PictureBox.h"

#include <QCheckBox>
#include <QSlider>

TBalFrm::TBalFrm(QWidget* Parent) : EffectForm("BalFrm", tr("Balance"), QSize(281, 369), Parent) {
    addPreview();
    const auto slider = [this](const char* Name, const char* Value, const QString& Caption, int Top,
                               const QString& Hint) {
        Slider s = addSlider(Name, Value, Caption, Top, 72, AdjustmentMin, AdjustmentMax, 10, Hint);
        connect(s.Track, &QSlider::valueChanged, this, [this] { redraw(); });
        return s;
    };
    m_b = slider("BTr", "blbl", tr("Brightness"), 184, tr("Changes image brightness."));
    m_c = slider("CTr", "clbl", tr("Contrast"), 224, tr("Changes image contrast."));
    m_g = slider("GTr", "glbl", tr("Gamma"), 264, tr("Changes image gamma."));

    const auto channel = [this](const char* Name, const QString& Caption, int Top,
                                const QString& Hint) {
        auto* c = new QCheckBox(Caption, this);
        c->setObjectName(QLatin1String(Name));
        c->setGeometry(8, Top, 97, 17);
        c->setChecked(true);
        applyHint(c, Hint);
        connect(c, &QCheckBox::clicked, this, [this] { redraw(); });
        return c;
    };
    m_rch = channel("rch", tr("Red"), 304, tr("Activates/deactivates red channel changes."));
    m_gch = channel("gch", tr("Green"), 324, tr("Activates/deactivates green channel changes."));
    m_bch = channel("bch", tr("Blue"), 344, tr("Activates/deactivates blue channel changes."));
    addButtons(QPoint(200, 304), QPoint(200, 336));
}

void TBalFrm::FormShow(const TBitmap32& Target) {
    putSliders({m_b, m_c, m_g}, 0);
    takeTarget(Target);
}

BalanceParams TBalFrm::params() const {
    BalanceParams p;
    p.Brightness = m_b.Track->value();
    p.Contrast = m_c.Track->value();
    p.Gamma = m_g.Track->value();
    p.Red = m_rch->isChecked();
    p.Green = m_gch->isChecked();
    p.Blue = m_bch->isChecked();
    return p;
}

void TBalFrm::drawPreview(const TBitmap32& Target) {
    Img()->setPicture(BalancePreview(Target, params(), face()));
}
