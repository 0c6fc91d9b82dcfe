#include "images/ui/IconsListView.h"

IconsListView::IconsListView(QWidget* Parent) : QListView(Parent) {}

void IconsListView::dataChanged(const QModelIndex& TopLeft, const QModelIndex& BottomRight,
                                const QList<int>& Roles) {
    QListView::dataChanged(TopLeft, BottomRight, Roles);
    // The view only repaints an item's new rectangle and keeps its
    // neighbours where they were; the layout that follows moves them and
    // repaints all of the list.
    scheduleDelayedItemsLayout();
}
