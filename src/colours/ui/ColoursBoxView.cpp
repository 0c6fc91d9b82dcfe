#include "colours/ui/ColoursBoxView.h"

#include "session/EditSession.h"
#include "session/Hint.h"

#include <QMouseEvent>
#include <QPainter>

ColoursBoxView::ColoursBoxView(EditSession& Session, QWidget* Parent)
    : QWidget(Parent), m_session(Session) {
    setObjectName(QStringLiteral("ColorsBox"));
    setMouseTracking(true);
    applyHint(this, tr("Click or right click to select color."));
    boxChanged();
}

void ColoursBoxView::boxChanged() {
    setFixedSize(ColoursBox::Width, std::max(1, m_session.coloursBox().pictureHeight()));
    update();
}

void ColoursBoxView::paintEvent(QPaintEvent*) {
    QPainter p(this);
    p.drawImage(0, 0, m_session.coloursBox().picture());
}

void ColoursBoxView::mousePressEvent(QMouseEvent* Event) {
    const QPoint at = Event->position().toPoint();
    m_session.ColorsBoxMouseDown(at.x(), at.y(), Event->button());
}

void ColoursBoxView::mouseMoveEvent(QMouseEvent* Event) {
    const QPoint at = Event->position().toPoint();
    const ColoursBox& box = m_session.coloursBox();
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
