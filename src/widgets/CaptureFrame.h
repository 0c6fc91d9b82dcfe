#pragma once

#include <QPoint>
#include <QRect>
#include <QSize>

// The capture frame: a one-pixel black border around an inside exactly the
// image's size, centred on the pointer. Both capture windows place it so; a
// left click takes what lies inside.
inline QRect captureFrameAt(QPoint Pointer, QSize Image) {
    const int w = Image.width() + 2, h = Image.height() + 2;
    return QRect(Pointer.x() - w / 2, Pointer.y() - h / 2, w, h);
}

inline QRect captureInside(const QRect& Frame) {
    return Frame.adjusted(1, 1, -1, -1);
}
