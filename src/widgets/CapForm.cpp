#include "widgets/CapForm.h"

#include "widgets/CaptureFrame.h"

#include <QMouseEvent>
#include <QPainter>

TCapForm::TCapForm(ScreenGrabber& Grabber, QWidget* Parent)
    : QWidget(Parent, Qt::Window | Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint |
                          Qt::X11BypassWindowManagerHint),
      m_grabber(Grabber) {
    setObjectName(QStringLiteral("CapForm"));
    setToolTip(tr("Click to capture or right click to cancel"));
    setAttribute(Qt::WA_OpaquePaintEvent);
    QPalette black = palette();
    black.setColor(QPalette::Window, Qt::black);
    setPalette(black);
    m_tim.setInterval(10);
    m_tim2.setInterval(100);
    m_tim2.setSingleShot(true);
    connect(&m_tim, &QTimer::timeout, this, &TCapForm::TimTimer);
    connect(&m_tim2, &QTimer::timeout, this, &TCapForm::Tim2Timer);
}

void TCapForm::execute(QSize ImageSize) {
    setFixedSize(ImageSize.width() + 2, ImageSize.height() + 2);
    // Outside the screen, so that the frame is not in the screen's copy.
    m_frame = QPoint(-500, 0);
    move(m_grabber.screenOrigin() + m_frame);
    show();
    raise();
    // Without a window manager nothing activates the window; showing it is
    // the moment for every desktop.
    m_tim2.start();
}

void TCapForm::Tim2Timer() {
    m_tim2.stop();
    // The delay has given the hidden main window time to leave the screen.
    m_screen = m_grabber.grabPrimaryScreen();
    m_tim.start();
}

void TCapForm::TimTimer() {
    m_frame = captureFrameAt(m_grabber.pointerPosition(), size() - QSize(2, 2)).topLeft();
    move(m_grabber.screenOrigin() + m_frame);
    update();
}

QRect TCapForm::inside() const {
    return captureInside(QRect(m_frame, size()));
}

void TCapForm::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.fillRect(rect(), Qt::black);
    // Where the frame reaches past the screen the frozen copy has nothing,
    // and the window stays black there.
    if (!m_screen.isNull()) painter.drawImage(QPoint(1, 1), m_screen, inside());
}

void TCapForm::mousePressEvent(QMouseEvent* Event) {
    // Before the screen is frozen there is nothing to take: a click cancels.
    if (Event->button() == Qt::LeftButton && !m_screen.isNull())
        emit captured(m_screen.copy(inside()).convertToFormat(QImage::Format_RGB888));
    m_tim.stop();
    m_tim2.stop();
    hide();
    emit finished();
}

void TCapForm::hideEvent(QHideEvent* Event) {
    QWidget::hideEvent(Event);
    // FormClose: the frozen screen is released; the next capture takes it
    // afresh.
    m_screen = QImage();
    m_tim.stop();
    m_tim2.stop();
}
