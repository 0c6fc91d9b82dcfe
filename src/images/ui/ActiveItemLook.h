#pragma once

#include <QBrush>
#include <QFont>
#include <QGuiApplication>
#include <QPalette>
#include <QVariant>

// How the image list and the frame strip mark the item being edited, for
// Qt::FontRole and Qt::BackgroundRole: a bold caption on the window's
// midlight colour, so it stands out from the selection as well.
inline QVariant activeItemLook(int Role) {
    if (Role == Qt::BackgroundRole)
        return QBrush(QGuiApplication::palette().color(QPalette::Midlight));
    QFont bold;
    bold.setBold(true);
    return bold;
}
