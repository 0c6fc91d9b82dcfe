#include "images/ui/FrameListModel.h"

#include "document/IconDocument.h"
#include "images/ui/ActiveItemLook.h"

#include <QBrush>
#include <QFont>
#include <QGuiApplication>
#include <QIcon>
#include <QMimeData>
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
    case Qt::BackgroundRole:
        return f != m_document.activeFrame() ? QVariant() : activeItemLook(Role);
    default:
        return {};
    }
}

Qt::ItemFlags FrameListModel::flags(const QModelIndex& Index) const {
    // The space below the last frame takes drops too: "move to the end".
    if (!Index.isValid()) return Qt::ItemIsDropEnabled;
    return Qt::ItemIsEnabled | Qt::ItemIsSelectable | Qt::ItemIsDragEnabled | Qt::ItemIsDropEnabled;
}

namespace {
const QString FrameMime = QStringLiteral("application/x-brisel-frame");
} // namespace

QStringList FrameListModel::mimeTypes() const {
    return {FrameMime};
}

// The frame's number with this model's address: a frame dragged to another
// window of the program means nothing there.
QMimeData* FrameListModel::mimeData(const QModelIndexList& Indexes) const {
    if (Indexes.size() != 1 || !Indexes.front().isValid()) return nullptr;
    auto* data = new QMimeData;
    data->setData(FrameMime, QByteArray::number(quintptr(this)) + ' ' +
                                 QByteArray::number(Indexes.front().row()));
    return data;
}

int FrameListModel::draggedFrame(const QMimeData* Data) const {
    if (!Data || !Data->hasFormat(FrameMime)) return -1;
    const QList<QByteArray> words = Data->data(FrameMime).split(' ');
    bool ok = false;
    if (words.size() != 2 || words[0].toULongLong(&ok) != quintptr(this) || !ok) return -1;
    const int frame = words[1].toInt(&ok);
    return ok && frame >= 0 && frame < rowCount() ? frame : -1;
}

int FrameListModel::dropPlace(int From, int Row, const QModelIndex& Parent, int Count) {
    if (Parent.isValid()) return Parent.row();
    if (Row < 0 || Row >= Count) return Count - 1;
    return Row > From ? Row - 1 : Row;
}

bool FrameListModel::canDropMimeData(const QMimeData* Data, Qt::DropAction Action, int, int,
                                     const QModelIndex&) const {
    return Action == Qt::MoveAction && m_move && draggedFrame(Data) >= 0;
}

bool FrameListModel::dropMimeData(const QMimeData* Data, Qt::DropAction Action, int Row, int,
                                  const QModelIndex& Parent) {
    if (!canDropMimeData(Data, Action, Row, 0, Parent)) return false;
    const int from = draggedFrame(Data);
    const int to = dropPlace(from, Row, Parent, rowCount());
    if (to != from) m_move(from, to);
    return true;
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
