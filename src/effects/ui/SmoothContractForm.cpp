#include "effects/ui/SmoothContractForm.h"

#include "pixel/TBitmap32.h"
#include "session/Hint.h"
#include "widgets/FormControls.h"

#include <QSpinBox>

namespace {

// The label above the edit; the edit carries its own up-down arrows.
QSpinBox* sideEdit(QWidget* Parent, const char* Name, const QString& Caption, int Left,
                   const QString& Hint) {
    placeLabel(Parent, QLatin1String(Name) + QStringLiteral("Label"), Caption, Left, 8);
    QSpinBox* e = numberEdit(Parent, Name, QRect(Left, 30, 64, 22), 1, 1, 1);
    applyHint(e, Hint);
    return e;
}

} // namespace

Tsomform::Tsomform(QWidget* Parent)
    : EffectForm("somform", tr("Smooth Contract"), QSize(314, 65), Parent) {
    m_width = sideEdit(this, "WidthE", tr("Width:"), 8, tr("Specifies icon width."));
    m_height = sideEdit(this, "HeightE", tr("Height:"), 80, tr("Specifies icon height."));
    addButtons(QPoint(152, 32), QPoint(232, 32), "ok", "cancel");
}

void Tsomform::FormShow(const TBitmap32& Target) {
    // Only a smaller or equal size can be chosen.
    m_width->setMaximum(Target.Width);
    m_width->setValue(Target.Width);
    m_height->setMaximum(Target.Height);
    m_height->setValue(Target.Height);
    m_width->setFocus();
}

QSize Tsomform::contractedSize() const {
    return QSize(m_width->value(), m_height->value());
}
