#pragma once

#include <QStyledItemDelegate>

class QAbstractItemView;

// Draws the image list's items with their captions wrapped to the list's
// width: a caption wider than the list (the active image's bold one beside
// a vertical scroll bar) breaks onto a second line instead of calling for a
// horizontal scroll bar.
class CaptionDelegate : public QStyledItemDelegate {
    Q_OBJECT
public:
    explicit CaptionDelegate(QAbstractItemView* View);

    QSize sizeHint(const QStyleOptionViewItem& Option, const QModelIndex& Index) const override;

private:
    QAbstractItemView* m_view;
};
