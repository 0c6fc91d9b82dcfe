#include "effects/ui/EffectForm.h"

#include "pixel/TBitmap32.h"
#include "session/Hint.h"
#include "widgets/FormControls.h"
#include "widgets/PictureBox.h"

#include <QLabel>
#include <QPushButton>
#include <QSlider>
#include <QSpinBox>

EffectForm::EffectForm(const char* Name, const QString& Caption, QSize ClientSize, QWidget* Parent)
    : QDialog(Parent) {
    setObjectName(QLatin1String(Name));
    setWindowTitle(Caption);
    setFixedSize(ClientSize);
    setModal(true);
}

QColor EffectForm::face() const {
    return palette().color(QPalette::Button);
}

void EffectForm::addButtons(QPoint OkAt, QPoint CancelAt, const char* OkName,
                            const char* CancelName) {
    m_ok = new QPushButton(tr("OK"), this);
    m_ok->setObjectName(QLatin1String(OkName));
    m_ok->setGeometry(QRect(OkAt, QSize(75, 25)));
    m_ok->setDefault(true);
    applyHint(m_ok, tr("Applies changes and closes dialog box."));
    m_cancel = new QPushButton(tr("Cancel"), this);
    m_cancel->setObjectName(QLatin1String(CancelName));
    m_cancel->setGeometry(QRect(CancelAt, QSize(75, 25)));
    applyHint(m_cancel, tr("Closes dialog box without applying changes."));
    connect(m_ok, &QPushButton::clicked, this, &QDialog::accept);
    connect(m_cancel, &QPushButton::clicked, this, &QDialog::reject);
}

PictureBox* EffectForm::addPreview(QRect Place) {
    m_img = new PictureBox(this);
    m_img->setObjectName(QStringLiteral("Img"));
    m_img->setGeometry(Place);
    return m_img;
}

void EffectForm::putSliders(std::initializer_list<Slider> Sliders, int Start) {
    m_target = nullptr;
    for (const Slider& s : Sliders) {
        s.Track->setValue(Start);
        s.Value->setText(QString::number(Start));
    }
}

void EffectForm::takeTarget(const TBitmap32& Target) {
    m_target = &Target;
    redraw();
}

void EffectForm::redraw() {
    if (m_target) drawPreview(*m_target);
}

void EffectForm::hideEvent(QHideEvent* Event) {
    if (m_img) m_img->setPicture(QImage());
    m_target = nullptr;
    QDialog::hideEvent(Event);
}

EffectForm::Slider EffectForm::addSlider(const char* Name, const char* ValueName,
                                         const QString& Caption, int Top, int TrackLeft, int Min,
                                         int Max, int TickStep, const QString& Hint) {
    placeLabel(this, QLatin1String(Name) + QStringLiteral("Label"), Caption, 8, Top + 8);

    Slider s;
    s.Track = new QSlider(Qt::Horizontal, this);
    s.Track->setObjectName(QLatin1String(Name));
    s.Track->setGeometry(TrackLeft, Top, 256 - TrackLeft, 33);
    s.Track->setRange(Min, Max);
    s.Track->setTickInterval(TickStep);
    s.Track->setTickPosition(QSlider::TicksBelow);
    s.Track->setPageStep(TickStep);
    applyHint(s.Track, Hint);

    s.Value = new QLabel(this);
    s.Value->setObjectName(QLatin1String(ValueName));
    s.Value->setGeometry(256, Top + 8, width() - 256, 17);
    QLabel* value = s.Value;
    connect(s.Track, &QSlider::valueChanged, value,
            [value](int V) { value->setText(QString::number(V)); });
    return s;
}

bool EffectForm::runModal() {
    if (parentWidget()) {
        const QRect p = parentWidget()->frameGeometry();
        move(p.center() - rect().center());
    }
    const bool ok = exec() == QDialog::Accepted;
    if (ok)
        for (QSpinBox* e : findChildren<QSpinBox*>())
            e->interpretText();
    return ok;
}
