#include "colours/ui/ColoursBoxView.h"

#include "session/ColourEditing.h"
#include "session/Hint.h"

#include <QMouseEvent>
#include <QPainter>

ColoursBoxView::ColoursBoxView(ColourEditing& Colours, QWidget* Parent)
    : QWidget(Parent), m_colours(Colours) {
    setObjectName(QStringLiteral("ColorsBox"));
    setMouseTracking(true);
    applyHint(this, tr("Click or right click to select color."));
    boxChanged();
}

void ColoursBoxView::boxChanged() {
    setFixedSize(ColoursBox::Width, std::max(1, m_colours.coloursBox().pictureHeight()));
    update();
}

void ColoursBoxView::paintEvent(QPaintEvent*) {
    QPainter p(this);
    p.drawImage(0, 0, m_colours.coloursBox().picture());
}

void ColoursBoxView::mousePressEvent(QMouseEvent* Event) {
    const QPoint at = Event->position().toPoint();
    m_colours.ColorsBoxMouseDown(at.x(), at.y(), Event->button());
}

void ColoursBoxView::mouseMoveEvent(QMouseEvent* Event) {
    const QPoint at = Event->position().toPoint();
    const ColoursBox& box = m_colours.coloursBox();
    std::optional<TColor> c;
    if (at.y() < box.paletteHeight()) c = box.colourAt(at.x(), at.y());
    if (c)
        emit readout(rgbReadout(*c), hexReadout(*c));
    else
        emit readout(QString(), QString());
}

void ColoursBoxView::leaveEvent(QEvent*) {
    emit readout(QString(), QString());
}
