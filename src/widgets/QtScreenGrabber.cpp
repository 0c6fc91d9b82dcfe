#include "widgets/ScreenGrabber.h"

#include <QCursor>
#include <QGuiApplication>
#include <QPixmap>
#include <QScreen>

QImage QtScreenGrabber::grabPrimaryScreen() {
    QScreen* screen = QGuiApplication::primaryScreen();
    if (!screen) return QImage();
    QImage shot = screen->grabWindow(0).toImage();
    const QSize logical = screen->geometry().size();
    // On a scaled screen the copy comes in device pixels; the frame follows
    // the pointer in logical ones, and one image pixel is one logical pixel.
    if (!shot.isNull() && shot.size() != logical)
        shot = shot.scaled(logical, Qt::IgnoreAspectRatio, Qt::FastTransformation);
    shot.setDevicePixelRatio(1.0);
    return shot.convertToFormat(QImage::Format_RGB32);
}

QPoint QtScreenGrabber::pointerPosition() const {
    return QCursor::pos() - screenOrigin();
}

QPoint QtScreenGrabber::screenOrigin() const {
    QScreen* screen = QGuiApplication::primaryScreen();
    return screen ? screen->geometry().topLeft() : QPoint();
}
