#pragma once

#include <QListView>

// The list view of the image list. A changed caption or thumbnail changes
// the size of its item (captions such as "(TCA)" and "(2)" differ in width,
// the active image's bold caption may wrap onto a second line), so every
// change of an item lays the items out again and repaints the whole list:
// an item is as large as what it shows, nothing of its old look stays behind
// and no item covers its neighbour.
class IconsListView : public QListView {
    Q_OBJECT
public:
    explicit IconsListView(QWidget* Parent = nullptr);

protected:
    void dataChanged(const QModelIndex& TopLeft, const QModelIndex& BottomRight,
                     const QList<int>& Roles = QList<int>()) override;
};
