#include "images/ui/IconListModel.h"

#include "document/IconDocument.h"
#include "images/ui/ActiveItemLook.h"
#include "document/Thumbnail.h"

#include <QBrush>
#include <QFont>
#include <QGuiApplication>
#include <QIcon>
#include <QPalette>
#include <QPixmap>
#include <QScreen>
#include <set>

IconListModel::IconListModel(const IconDocument& Document, QObject* Parent)
    : QAbstractListModel(Parent), m_document(Document) {}

int IconListModel::rowCount(const QModelIndex& Parent) const {
    return Parent.isValid() ? 0 : m_document.ImageCount();
}

QVariant IconListModel::data(const QModelIndex& Index, int Role) const {
    if (!Index.isValid() || Index.row() >= rowCount()) return {};
    const IconImage& image = m_document.image(Index.row());
    switch (Role) {
    case Qt::DisplayRole:
        return image.Caption;
    case Qt::DecorationRole: {
        // The thumbnail shows its own colours also while selected. Each
        // screen's density gets a thumbnail of its own, its pixels repeated
        // rather than the small one blurred up.
        QIcon icon;
        const auto add = [&](const QImage& Thumbnail) {
            const QPixmap pm = QPixmap::fromImage(Thumbnail);
            icon.addPixmap(pm, QIcon::Normal);
            icon.addPixmap(pm, QIcon::Selected);
        };
        add(image.Thumbnail);
        std::set<qreal> ratios;
        for (const QScreen* screen : QGuiApplication::screens())
            if (screen->devicePixelRatio() != 1.0) ratios.insert(screen->devicePixelRatio());
        for (const qreal ratio : ratios)
            add(MakeThumbnail(image.Pixels, ratio));
        return icon;
    }
    case Qt::FontRole:
    case Qt::BackgroundRole:
        return Index.row() != m_document.activeIndex() ? QVariant() : activeItemLook(Role);
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
