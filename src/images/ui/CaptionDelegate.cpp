#include "images/ui/CaptionDelegate.h"

#include <QAbstractItemView>
#include <QListView>
#include <QScrollBar>
#include <QStyle>

#include <algorithm>

CaptionDelegate::CaptionDelegate(QAbstractItemView* View)
    : QStyledItemDelegate(View), m_view(View) {}

QSize CaptionDelegate::sizeHint(const QStyleOptionViewItem& Option,
                                const QModelIndex& Index) const {
    // The style wraps a caption to the width of the option's rectangle when it
    // has one: the room an item has in the list, spacing on both sides.
    // The room is reckoned as if the vertical scroll bar were shown: the
    // items are laid out before the bar comes or goes, and must fit either way.
    QStyleOptionViewItem option(Option);
    const auto* list = qobject_cast<const QListView*>(m_view);
    const QScrollBar* bar = m_view->verticalScrollBar();
    const int barWidth =
        bar->isVisible() ? 0
                         : m_view->style()->pixelMetric(QStyle::PM_ScrollBarExtent, nullptr, bar);
    const int room = m_view->viewport()->width() - barWidth - 2 * (list ? list->spacing() : 0);
    option.rect = QRect(0, 0, std::max(room, 1), QWIDGETSIZE_MAX);
    const QSize natural = QStyledItemDelegate::sizeHint(option, Index);
    return QSize(std::min(natural.width(), std::max(room, 1)), natural.height());
}
