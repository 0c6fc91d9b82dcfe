#include "widgets/FrozenScreenForm.h"

#include "widgets/CaptureFrame.h"

#include <QCursor>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QScreen>

FrozenScreenForm::FrozenScreenForm(QWidget* Parent)
    : QWidget(Parent, Qt::Window | Qt::FramelessWindowHint) {
    setObjectName(QStringLiteral("FrozenScreenForm"));
    setWindowTitle(tr("Screen Capture"));
    setToolTip(tr("Click to capture or right click to cancel"));
    setAttribute(Qt::WA_OpaquePaintEvent);
    setMouseTracking(true);
}

void FrozenScreenForm::execute(const QImage& Screen, QSize ImageSize) {
    m_handed = Screen.convertToFormat(QImage::Format_RGB32);
    m_image = ImageSize;
    QScreen* screen = QGuiApplication::primaryScreen();
    if (screen) {
        setScreen(screen);
        setGeometry(screen->geometry());
    }
    fitPicture();
    // Until the pointer moves the frame waits in the middle. A Wayland
    // desktop tells no program where its windows are, so there the pointer's
    // screen position is a guess from the last window it was in, off by that
    // window's place (and the window's first enter carries no better one):
    // only a move counts.
    const QPoint pointer = mapFromGlobal(QCursor::pos());
    const bool known = QGuiApplication::platformName() != QLatin1String("wayland");
    placeFrame(known && rect().contains(pointer) ? pointer : rect().center());
    showFullScreen();
    raise();
    activateWindow();
}

void FrozenScreenForm::fitPicture() {
    // The desktop may hand the picture in device pixels (a scaled screen);
    // the frame and the image count logical ones.
    m_screen = m_handed.size() == size() || m_handed.isNull()
                   ? m_handed
                   : m_handed.scaled(size(), Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    m_screen.setDevicePixelRatio(1.0);
}

void FrozenScreenForm::resizeEvent(QResizeEvent* Event) {
    QWidget::resizeEvent(Event);
    fitPicture();
}

void FrozenScreenForm::placeFrame(QPoint Pointer) {
    const QRect old = m_frame;
    m_frame = captureFrameAt(Pointer, m_image);
    update(old.adjusted(-1, -1, 1, 1));
    update(m_frame.adjusted(-1, -1, 1, 1));
}

void FrozenScreenForm::paintEvent(QPaintEvent* Event) {
    QPainter p(this);
    p.fillRect(Event->rect(), Qt::black);
    p.drawImage(Event->rect().topLeft(), m_screen, Event->rect());
    // The black frame of the capture window, and a white line around it so
    // that it shows on a dark screen too.
    p.setPen(Qt::white);
    p.setBrush(Qt::NoBrush);
    p.drawRect(m_frame.adjusted(-1, -1, 0, 0));
    p.setPen(Qt::black);
    p.drawRect(m_frame.adjusted(0, 0, -1, -1));
}

void FrozenScreenForm::mouseMoveEvent(QMouseEvent* Event) {
    placeFrame(Event->position().toPoint());
}

void FrozenScreenForm::mousePressEvent(QMouseEvent* Event) {
    placeFrame(Event->position().toPoint());
    finish(Event->button() == Qt::LeftButton);
}

void FrozenScreenForm::keyPressEvent(QKeyEvent* Event) {
    if (Event->key() == Qt::Key_Escape)
        finish(false);
    else
        QWidget::keyPressEvent(Event);
}

void FrozenScreenForm::finish(bool Take) {
    if (Take && !m_screen.isNull())
        emit captured(m_screen.copy(captureInside(m_frame)).convertToFormat(QImage::Format_RGB888));
    hide();
    m_handed = QImage();
    m_screen = QImage();
    emit finished();
}
