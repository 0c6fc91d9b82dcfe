#pragma once

#include <QAbstractListModel>

class EditSession;

// The document's images as the image list shows them: one row per image in
// list order, its caption as text and its 32 x 32 thumbnail as decoration.
// The active image's row is marked (bold caption on a tinted ground), so an
// item that is only highlighted is never taken for the one being edited.
// The rows follow the session: the whole list after images were added,
// removed or moved, one row when a caption or thumbnail changed.
class IconListModel : public QAbstractListModel {
    Q_OBJECT
public:
    explicit IconListModel(EditSession& Session, QObject* Parent = nullptr);

    int rowCount(const QModelIndex& Parent = QModelIndex()) const override;
    QVariant data(const QModelIndex& Index, int Role) const override;
    Qt::ItemFlags flags(const QModelIndex& Index) const override;

signals:
    // The rows were rebuilt: the view selects the active image again.
    void rebuilt();

private:
    void rebuild();
    void itemChanged(int Row);
    void activeChanged();

    EditSession& m_session;
};
