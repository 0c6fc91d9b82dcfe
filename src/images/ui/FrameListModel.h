#pragma once

#include <QAbstractListModel>

class IconDocument;

// The frames of the document as the frame strip shows them: one row per
// frame, the thumbnail of the frame's active image and its number and rate.
// The active frame's row is marked as the image list marks the active image.
class FrameListModel : public QAbstractListModel {
    Q_OBJECT
public:
    explicit FrameListModel(const IconDocument& Document, QObject* Parent = nullptr);

    int rowCount(const QModelIndex& Parent = QModelIndex()) const override;
    QVariant data(const QModelIndex& Index, int Role) const override;
    Qt::ItemFlags flags(const QModelIndex& Index) const override;

    // "3  6j": the frame's number from 1 and its rate in jiffies.
    static QString caption(int Frame, std::uint32_t Rate);

signals:
    void rebuilt();

public:
    void rebuild();
    // The active frame's picture changed (an edit of its active image).
    void activeChanged();

private:
    const IconDocument& m_document;
};
