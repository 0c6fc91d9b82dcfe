#include "effects/ui/EffectForm.h"

#include "pixel/TBitmap32.h"
#include "session/Hint.h"
#include "widgets/FormControls.h"
#include "widgets/PictureBox.h"

#include <QEvent>
#include <QLabel>
#include <QPushButton>
#include <QSlider>
#include <QSpinBox>

#include <algorithm>

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
    m_img->setEnlarging(true);
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
    SliderRow row;
    row.Caption = placeLabel(this, QLatin1String(Name) + QStringLiteral("Label"), Caption, 8, Top);
    row.Top = Top;
    row.TrackLeft = TrackLeft;

    Slider& s = row.Parts;
    s.Track = new QSlider(Qt::Horizontal, this);
    s.Track->setObjectName(QLatin1String(Name));
    s.Track->setRange(Min, Max);
    s.Track->setTickInterval(TickStep);
    s.Track->setTickPosition(QSlider::TicksBelow);
    s.Track->setPageStep(TickStep);
    applyHint(s.Track, Hint);

    s.Value = new QLabel(this);
    s.Value->setObjectName(QLatin1String(ValueName));
    QLabel* value = s.Value;
    value->setText(QString::number(s.Track->value()));
    connect(s.Track, &QSlider::valueChanged, value,
            [value](int V) { value->setText(QString::number(V)); });
    m_rows.push_back(row);
    layoutSliders();
    return s;
}

void EffectForm::layoutSliders() {
    constexpr int Margin = 8, Gap = 6, ValueLeft = 256, TrackHeight = 33;
    const QFontMetrics fm = fontMetrics();
    int captions = 0, values = 0;
    for (const SliderRow& r : m_rows) {
        captions = std::max(captions, fm.horizontalAdvance(r.Caption->text()));
        for (const int v : {r.Parts.Track->minimum(), r.Parts.Track->maximum()})
            values = std::max(values, fm.horizontalAdvance(QString::number(v)));
    }
    const int valueLeft = std::min(ValueLeft, width() - Margin / 2 - values);
    const int textHeight = fm.height();
    for (const SliderRow& r : m_rows) {
        const int textTop = r.Top + (TrackHeight - textHeight) / 2;
        r.Caption->setGeometry(Margin, textTop, captions, textHeight);
        const int trackLeft = std::max(r.TrackLeft, Margin + captions + Gap);
        r.Parts.Track->setGeometry(trackLeft, r.Top, valueLeft - Gap / 2 - trackLeft, TrackHeight);
        r.Parts.Value->setGeometry(valueLeft, textTop, width() - valueLeft, textHeight);
    }
}

void EffectForm::changeEvent(QEvent* Event) {
    if (Event->type() == QEvent::FontChange || Event->type() == QEvent::StyleChange)
        layoutSliders();
    QDialog::changeEvent(Event);
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
