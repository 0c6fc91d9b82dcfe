#include "app/WindowFit.h"

#include <algorithm>

QSize smallestClientSize(QSize Content, QSize Outer, QMargins Frame) {
    const int width = Outer.width() - Frame.left() - Frame.right();
    const int height = Outer.height() - Frame.top() - Frame.bottom();
    return {std::max(Content.width(), width), std::max(Content.height(), height)};
}

QRect fitOnScreen(QRect Client, QMargins Frame, QRect Available, QSize Minimum) {
    if (Available.isEmpty()) return Client;
    const QRect room = Available.marginsRemoved(Frame);
    QSize size = Client.size().boundedTo(room.size()).expandedTo(Minimum);
    QRect placed(Client.topLeft(), size);
    // Right and bottom first, so that a window larger than the screen keeps
    // its title bar on it.
    if (placed.right() > room.right()) placed.moveRight(room.right());
    if (placed.bottom() > room.bottom()) placed.moveBottom(room.bottom());
    if (placed.left() < room.left()) placed.moveLeft(room.left());
    if (placed.top() < room.top()) placed.moveTop(room.top());
    return placed;
}
