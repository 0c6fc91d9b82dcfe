#include "images/ui/FrameListModel.h"

#include "document/IconDocument.h"

#include <QBrush>
#include <QFont>
#include <QGuiApplication>
#include <QIcon>
#include <QPalette>
#include <QPixmap>

FrameListModel::FrameListModel(const IconDocument& Document, QObject* Parent)
    : QAbstractListModel(Parent), m_document(Document) {}

int FrameListModel::rowCount(const QModelIndex& Parent) const {
    return Parent.isValid() ? 0 : m_document.FrameCount();
}

QString FrameListModel::caption(int Frame, std::uint32_t Rate) {
    return tr("%1  %2j").arg(Frame + 1).arg(Rate);
}

QVariant FrameListModel::data(const QModelIndex& Index, int Role) const {
    if (!Index.isValid() || Index.row() >= rowCount()) return {};
    const int f = Index.row();
    switch (Role) {
    case Qt::DisplayRole:
        return caption(f, m_document.frameRate(f));
    case Qt::ToolTipRole:
        return tr("Frame %1: shown for %2/60 s").arg(f + 1).arg(m_document.frameRate(f));
    case Qt::DecorationRole: {
        const auto& images = m_document.frameImages(f);
        const IconImage& shown = *images[std::size_t(m_document.frameActiveIndex(f))];
        const QPixmap pm = QPixmap::fromImage(shown.Thumbnail);
        QIcon icon;
        icon.addPixmap(pm, QIcon::Normal);
        icon.addPixmap(pm, QIcon::Selected);
        return icon;
    }
    case Qt::FontRole:
    case Qt::BackgroundRole: {
        if (f != m_document.activeFrame()) return {};
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

Qt::ItemFlags FrameListModel::flags(const QModelIndex& Index) const {
    return Index.isValid() ? Qt::ItemIsEnabled | Qt::ItemIsSelectable : Qt::NoItemFlags;
}

void FrameListModel::rebuild() {
    beginResetModel();
    endResetModel();
    emit rebuilt();
}

void FrameListModel::activeChanged() {
    const QModelIndex i = index(m_document.activeFrame());
    emit dataChanged(i, i, {Qt::DecorationRole});
}
