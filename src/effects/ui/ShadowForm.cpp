#include "effects/ui/ShadowForm.h"

#include "session/Hint.h"
#include "widgets/FormControls.h"
#include "widgets/PictureBox.h"

#include <QCheckBox>
#include <QSpinBox>

Tshadform::Tshadform(QWidget* Parent)
    : EffectForm("shadform", tr("Shadow"), QSize(339, 165), Parent) {
    addPreview(QRect(104, 8, 145, 145));
    m_left =
        addEdit("shadLe", tr("Left:     "), 8, -100, 100, 1, tr("Specifies shadow left position."));
    m_top =
        addEdit("shaTe", tr("Top:     "), 40, -100, 100, 1, tr("Specifies shadow top position."));
    m_count = addEdit("shaCe", tr("Count:  "), 72, 1, ShadowMaxCount, 2,
                      tr("Specifies shadow drawing levels."));
    m_alpha = addEdit("shaAe", tr("Alpha:  "), 104, 0, 255, 50, tr("Specifies shadow alpha"));

    m_smo = new QCheckBox(tr("Smooth"), this);
    m_smo->setObjectName(QStringLiteral("Smo"));
    m_smo->setGeometry(8, 136, 89, 17);
    m_smo->setChecked(true);
    applyHint(m_smo, tr("Draws soft shadow."));
    connect(m_smo, &QCheckBox::clicked, this, [this] { redraw(); });
    addButtons(QPoint(256, 8), QPoint(256, 40));
}

// The label left of the edit; the edit carries its own up-down arrows.
QSpinBox* Tshadform::addEdit(const char* Name, const QString& Caption, int Top, int Min, int Max,
                             int Start, const QString& Hint) {
    placeLabel(this, QLatin1String(Name) + QStringLiteral("Label"), Caption, 8, Top + 4);
    QSpinBox* e = numberEdit(this, Name, QRect(50, Top, 50, 22), Min, Max, Start);
    applyHint(e, Hint);
    connect(e, &QSpinBox::valueChanged, this, [this] { redraw(); });
    return e;
}

void Tshadform::FormShow(const TBitmap32& Target, TColor Colour, int TraRange) {
    m_mask = ShadowMask(Target, TraRange);
    m_colour = Colour;
    takeTarget(Target);
}

ShadowParams Tshadform::params() const {
    ShadowParams p;
    p.Left = m_left->value();
    p.Top = m_top->value();
    p.Count = m_count->value();
    p.Alpha = m_alpha->value();
    p.Smooth = m_smo->isChecked();
    p.Color = m_colour;
    return p;
}

void Tshadform::drawPreview(const TBitmap32& Target) {
    Img()->setPicture(ShadowPreview(Target, m_mask, params(), face()));
}
