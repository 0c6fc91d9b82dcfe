#include "images/ui/IconListModel.h"

#include "session/EditSession.h"

#include <QBrush>
#include <QFont>
#include <QGuiApplication>
#include <QIcon>
#include <QPalette>
#include <QPixmap>

IconListModel::IconListModel(EditSession& Session, QObject* Parent)
    : QAbstractListModel(Parent), m_session(Session) {
    connect(&Session, &EditSession::imagesReplaced, this, &IconListModel::rebuild);
    connect(&Session, &EditSession::imageItemChanged, this, &IconListModel::itemChanged);
    connect(&Session, &EditSession::activeImageChanged, this, &IconListModel::activeChanged);
}

int IconListModel::rowCount(const QModelIndex& Parent) const {
    return Parent.isValid() ? 0 : m_session.document().ImageCount();
}

QVariant IconListModel::data(const QModelIndex& Index, int Role) const {
    if (!Index.isValid() || Index.row() >= rowCount()) return {};
    const IconImage& image = m_session.document().image(Index.row());
    switch (Role) {
    case Qt::DisplayRole:
        return image.Caption;
    case Qt::DecorationRole: {
        // The thumbnail shows its own colours also while selected.
        const QPixmap pm = QPixmap::fromImage(image.Thumbnail);
        QIcon icon;
        icon.addPixmap(pm, QIcon::Normal);
        icon.addPixmap(pm, QIcon::Selected);
        return icon;
    }
    case Qt::FontRole:
    case Qt::BackgroundRole: {
        if (Index.row() != m_session.document().activeIndex()) return {};
        if (Role == Qt::BackgroundRole)
            return QBrush(QGuiApplication::palette().color(QPalette::Midlight));
        QFont bold;
        bold.setBold(true);
        return bold;
    }
    default:
        return {};
    }
}

Qt::ItemFlags IconListModel::flags(const QModelIndex& Index) const {
    // Captions are shown, never edited.
    return Index.isValid() ? Qt::ItemIsEnabled | Qt::ItemIsSelectable : Qt::NoItemFlags;
}

void IconListModel::rebuild() {
    beginResetModel();
    endResetModel();
    emit rebuilt();
}

void IconListModel::activeChanged() {
    if (rowCount() == 0) return;
    emit dataChanged(index(0), index(rowCount() - 1), {Qt::FontRole, Qt::BackgroundRole});
}

void IconListModel::itemChanged(int Row) {
    if (Row < 0 || Row >= rowCount()) return;
    const QModelIndex i = index(Row);
    emit dataChanged(i, i, {Qt::DisplayRole, Qt::DecorationRole});
}
