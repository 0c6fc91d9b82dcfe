#pragma once

#include <QAbstractListModel>
#include <functional>

class IconDocument;

// The frames of the document as the frame strip shows them: one row per
// frame, the thumbnail of the frame's active image and its number and rate.
// The active frame's row is marked as the image list marks the active image.
// A frame dragged to another place is handed to the move handler, which
// moves it in the document (the rows follow when the model is rebuilt).
class FrameListModel : public QAbstractListModel {
    Q_OBJECT
public:
    explicit FrameListModel(const IconDocument& Document, QObject* Parent = nullptr);

    int rowCount(const QModelIndex& Parent = QModelIndex()) const override;
    QVariant data(const QModelIndex& Index, int Role) const override;
    Qt::ItemFlags flags(const QModelIndex& Index) const override;

    using MoveHandler = std::function<void(int From, int To)>;
    void setMoveHandler(MoveHandler Handler) { m_move = std::move(Handler); }
    Qt::DropActions supportedDropActions() const override { return Qt::MoveAction; }
    Qt::DropActions supportedDragActions() const override { return Qt::MoveAction; }
    QStringList mimeTypes() const override;
    // One frame at a time: nothing to drag when several are selected.
    QMimeData* mimeData(const QModelIndexList& Indexes) const override;
    bool canDropMimeData(const QMimeData* Data, Qt::DropAction Action, int Row, int Column,
                         const QModelIndex& Parent) const override;
    bool dropMimeData(const QMimeData* Data, Qt::DropAction Action, int Row, int Column,
                      const QModelIndex& Parent) override;
    // The place frame From takes when dropped onto frame Parent, or before
    // row Row (-1 with no Parent: after the last of Count frames).
    static int dropPlace(int From, int Row, const QModelIndex& Parent, int Count);

    // "3  6j": the frame's number from 1 and its rate in jiffies.
    static QString caption(int Frame, std::uint32_t Rate);

signals:
    void rebuilt();

public:
    void rebuild();
    // The active frame's picture changed (an edit of its active image).
    void activeChanged();

private:
    // The frame a drag from this very model carries, or -1.
    int draggedFrame(const QMimeData* Data) const;

    const IconDocument& m_document;
    MoveHandler m_move;
};
