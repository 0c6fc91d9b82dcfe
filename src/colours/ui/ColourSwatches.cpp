#include "colours/ui/ColourSwatches.h"

#include "colours/ui/OutlinedLabel.h"
#include "session/ColourEditing.h"
#include "session/Hint.h"

#include <QLabel>
#include <QMouseEvent>
#include <QPainter>

namespace {

QColor toQColor(TColor C) {
    return QColor(RedOf(C), GreenOf(C), BlueOf(C));
}

} // namespace

ColourSwatch::ColourSwatch(ColourSlot Slot, QWidget* Parent) : QFrame(Parent), m_slot(Slot) {
    const bool front = Slot == ColourSlot::Foreground;
    setObjectName(front ? QStringLiteral("pecol") : QStringLiteral("brcol"));
    // The swatch paints its colour and frame itself (paintEvent).
    setFrameShape(QFrame::NoFrame);
    setMouseTracking(true);
    m_label = new OutlinedLabel(this);
    m_label->setObjectName(front ? QStringLiteral("pelbl") : QStringLiteral("brlbl"));
    m_label->setAlignment(Qt::AlignCenter);
    // Small enough that "255" stays clear of the other swatch's corner.
    QFont f = m_label->font();
    f.setPixelSize(9);
    m_label->setFont(f);
    // The swatch takes the mouse for its label, as the two are one control.
    m_label->setAttribute(Qt::WA_TransparentForMouseEvents);
    applyHint(this, tr("Click to change color or right click to replace colors"));
}

void ColourSwatch::showColour(const ColourState& State) {
    QPalette own = palette();
    own.setColor(QPalette::Window, toQColor(State.colour(m_slot)));
    setPalette(own);
    QPalette pal = m_label->palette();
    pal.setColor(QPalette::WindowText, toQColor(State.labelTextColour(m_slot)));
    m_label->setPalette(pal);
    m_label->setText(State.alphaCaption(m_slot));
    update();
}

void ColourSwatch::setLabelArea(const QRect& Area) {
    m_labelArea = Area;
    m_label->setGeometry(m_labelArea.isEmpty() ? rect().adjusted(2, 2, -2, -2) : m_labelArea);
}

void ColourSwatch::resizeEvent(QResizeEvent* Event) {
    QFrame::resizeEvent(Event);
    setLabelArea(m_labelArea);
}

void ColourSwatch::paintEvent(QPaintEvent*) {
    QPainter p(this);
    p.fillRect(rect(), palette().color(QPalette::Window));
    // A black line with a white one inside it: whatever the colour, one of
    // the two stands out, mid-grey included.
    p.setPen(Qt::black);
    p.drawRect(rect().adjusted(0, 0, -1, -1));
    p.setPen(Qt::white);
    p.drawRect(rect().adjusted(1, 1, -2, -2));
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

ColourSwatches::ColourSwatches(ColourEditing& Colours, QWidget* Parent)
    : QFrame(Parent), m_colours(Colours) {
    setObjectName(QStringLiteral("colspan"));
    setFrameShape(QFrame::Panel);
    setFrameShadow(QFrame::Sunken);
    setFixedSize(54, 51);
    m_pecol = new ColourSwatch(ColourSlot::Foreground, this);
    m_pecol->setGeometry(3, 5, 25, 25);
    // Created second, so it lies over the foreground swatch's corner.
    m_brcol = new ColourSwatch(ColourSlot::Background, this);
    m_brcol->setGeometry(24, 19, 25, 25);
    // The foreground's alpha figure sits in the band above the background
    // swatch, where nothing covers it.
    const int band = m_brcol->y() - m_pecol->y();
    m_pecol->setLabelArea(QRect(2, 2, m_pecol->width() - 4, band - 3));

    for (ColourSwatch* s : {m_pecol, m_brcol}) {
        connect(s, &ColourSwatch::pressed, this,
                [this](ColourSlot Slot, Qt::MouseButton B) { m_colours.pecolMouseDown(Slot, B); });
        connect(s, &ColourSwatch::hovered, this, [this](ColourSlot Slot) {
            const TColor c = m_colours.colours().colour(Slot);
            emit readout(rgbReadout(c), hexReadout(c));
        });
        connect(s, &ColourSwatch::left, this, [this] { emit readout(QString(), QString()); });
    }
    refresh();
}

void ColourSwatches::refresh() {
    const ColourState state = m_colours.colours();
    m_pecol->showColour(state);
    m_brcol->showColour(state);
}
