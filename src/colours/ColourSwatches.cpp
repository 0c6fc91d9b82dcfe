#include "ColourSwatches.h"

#include "EditSession.h"
#include "Hint.h"

#include <QLabel>
#include <QMouseEvent>
#include <QVBoxLayout>

namespace {

QColor toQColor(TColor C) {
    return QColor(RedOf(C), GreenOf(C), BlueOf(C));
}

} // namespace

ColourSwatch::ColourSwatch(ColourSlot Slot, QWidget* Parent) : QFrame(Parent), m_slot(Slot) {
    const bool front = Slot == ColourSlot::Foreground;
    setObjectName(front ? QStringLiteral("pecol") : QStringLiteral("brcol"));
    setFrameShape(QFrame::Box);
    setLineWidth(1);
    setAutoFillBackground(true);
    setMouseTracking(true);
    m_label = new QLabel(this);
    m_label->setObjectName(front ? QStringLiteral("pelbl") : QStringLiteral("brlbl"));
    m_label->setAlignment(Qt::AlignCenter);
    // Small enough that "255" stays clear of the other swatch's corner.
    QFont f = m_label->font();
    f.setPixelSize(9);
    m_label->setFont(f);
    // The swatch takes the mouse for its label, as the two are one control.
    m_label->setAttribute(Qt::WA_TransparentForMouseEvents);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(m_label);
    applyHint(this, tr("Click to change color or right click to replace colors"));
}

void ColourSwatch::showColour(const ColourState& State) {
    QPalette pal = palette();
    pal.setColor(QPalette::Window, toQColor(State.colour(m_slot)));
    pal.setColor(QPalette::WindowText, toQColor(State.labelTextColour(m_slot)));
    setPalette(pal);
    m_label->setPalette(pal);
    m_label->setText(State.alphaCaption(m_slot));
}

void ColourSwatch::mousePressEvent(QMouseEvent* Event) {
    emit pressed(m_slot, Event->button());
}

void ColourSwatch::mouseMoveEvent(QMouseEvent*) {
    emit hovered(m_slot);
}

void ColourSwatch::leaveEvent(QEvent*) {
    emit left();
}

ColourSwatches::ColourSwatches(EditSession& Session, QWidget* Parent)
    : QFrame(Parent), m_session(Session) {
    setObjectName(QStringLiteral("colspan"));
    setFrameShape(QFrame::Panel);
    setFrameShadow(QFrame::Sunken);
    setFixedSize(54, 51);
    m_pecol = new ColourSwatch(ColourSlot::Foreground, this);
    m_pecol->setGeometry(3, 5, 25, 25);
    // Created second, so it lies over the foreground swatch's corner.
    m_brcol = new ColourSwatch(ColourSlot::Background, this);
    m_brcol->setGeometry(24, 19, 25, 25);

    for (ColourSwatch* s : {m_pecol, m_brcol}) {
        connect(s, &ColourSwatch::pressed, this,
                [this](ColourSlot Slot, Qt::MouseButton B) { m_session.pecolMouseDown(Slot, B); });
        connect(s, &ColourSwatch::hovered, this, [this](ColourSlot Slot) {
            const TColor c = m_session.colours().colour(Slot);
            emit readout(rgbReadout(c), hexReadout(c));
        });
        connect(s, &ColourSwatch::left, this, [this] { emit readout(QString(), QString()); });
    }
    connect(&Session, &EditSession::coloursChanged, this, &ColourSwatches::refresh);
    // Opening a file snaps the colours to the new image's palette without
    // announcing it separately.
    connect(&Session, &EditSession::activeImageChanged, this, &ColourSwatches::refresh);
    refresh();
}

void ColourSwatches::refresh() {
    const ColourState state = m_session.colours();
    m_pecol->showColour(state);
    m_brcol->showColour(state);
}
