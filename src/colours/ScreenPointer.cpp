#include "colours/ScreenPointer.h"

#include <QCursor>

QPoint QtScreenPointer::pos() const {
    return QCursor::pos();
}

void QtScreenPointer::setPos(QPoint Global) {
    QCursor::setPos(Global);
}
