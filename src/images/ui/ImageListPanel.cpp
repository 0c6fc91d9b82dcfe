#include "images/ui/ImageListPanel.h"

#include "images/ui/ArrowGlyph.h"
#include "images/ui/CaptionDelegate.h"
#include "images/ui/IconListModel.h"
#include "images/ui/IconsListView.h"
#include "session/EditSession.h"
#include "session/Hint.h"

#include <QKeyEvent>
#include <QListView>
#include <QMenu>
#include <QToolButton>
#include <QVBoxLayout>

#include <algorithm>

namespace {

QToolButton* moveButton(QWidget* Parent, const char* Name, ArrowDirection Direction,
                        const QString& Hint) {
    auto* b = new QToolButton(Parent);
    b->setObjectName(QLatin1String(Name));
    b->setAutoRaise(true);
    b->setIcon(arrowGlyph(Direction));
    b->setIconSize(QSize(9, 5));
    b->setFixedHeight(17);
    b->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Fixed);
    b->setFocusPolicy(Qt::NoFocus);
    applyHint(b, Hint);
    return b;
}

} // namespace

ImageListPanel::ImageListPanel(ImageListEditing& Session, QWidget* IconsPanel)
    : QObject(IconsPanel), m_session(Session) {
    auto* layout = new QVBoxLayout(IconsPanel);
    layout->setContentsMargins(8, 8, 8, 8);
    layout->setSpacing(0);

    m_up =
        moveButton(IconsPanel, "IUB", ArrowDirection::Up, tr("UP|Moves active icon one level up."));
    m_down = moveButton(IconsPanel, "IDB", ArrowDirection::Down,
                        tr("Down|Moves active icon one level down."));

    m_list = new IconsListView(IconsPanel);
    m_list->setObjectName(QStringLiteral("IconsList"));
    m_list->setViewMode(QListView::IconMode);
    m_list->setIconSize(QSize(IconSize, IconSize));
    m_list->setMovement(QListView::Static);
    m_list->setResizeMode(QListView::Adjust);
    m_list->setWrapping(true);
    // A caption too wide for the list wraps rather than scroll sideways.
    m_list->setWordWrap(true);
    m_list->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    m_list->setItemDelegate(new CaptionDelegate(m_list));
    m_list->setTextElideMode(Qt::ElideNone);
    m_list->setUniformItemSizes(false);
    m_list->setSpacing(1);
    // Captions such as "255 x 255  (TCA)" fit the panel's width at design.
    QFont font = m_list->font();
    font.setPointSizeF(std::min(font.pointSizeF(), 8.0));
    m_list->setFont(font);
    m_list->setSelectionMode(QAbstractItemView::SingleSelection);
    m_list->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_list->setDragEnabled(false);
    // The selection stays as visible as with the focus on the list.
    QPalette pal = m_list->palette();
    for (QPalette::ColorRole role : {QPalette::Highlight, QPalette::HighlightedText})
        pal.setColor(QPalette::Inactive, role, pal.color(QPalette::Active, role));
    m_list->setPalette(pal);
    applyHint(m_list, tr("Double click to select icon."));

    m_model = new IconListModel(Session.document(), this);
    m_list->setModel(m_model);

    layout->addWidget(m_up);
    layout->addWidget(m_list, 1);
    layout->addWidget(m_down);

    connect(m_list, &QListView::doubleClicked, this, [this] { IconsListDblClick(); });
    m_list->setContextMenuPolicy(Qt::CustomContextMenu);
    connect(m_list, &QWidget::customContextMenuRequested, this,
            [this](const QPoint& Pos) { showContextMenu(Pos); });
    // Enter is taken here rather than through the view's "activated", which
    // some desktops also send for a single click.
    m_list->installEventFilter(this);
    connect(m_up, &QToolButton::clicked, this, &ImageListPanel::IUBClick);
    connect(m_down, &QToolButton::clicked, this, &ImageListPanel::IDBClick);
    connect(m_model, &IconListModel::rebuilt, this, &ImageListPanel::selectActive);
    selectActive();
}

void ImageListPanel::IconsListDblClick() {
    const QModelIndex current = m_list->currentIndex();
    if (!current.isValid() || !m_list->selectionModel()->isSelected(current)) return;
    m_session.ActivateImage(current.row(), false);
}

bool ImageListPanel::eventFilter(QObject* Watched, QEvent* Event) {
    if (Watched == m_list && Event->type() == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent*>(Event)->key();
        if (key == Qt::Key_Return || key == Qt::Key_Enter) {
            IconsListDblClick();
            return true;
        }
    }
    return QObject::eventFilter(Watched, Event);
}

void ImageListPanel::IUBClick() {
    m_session.IUBClick();
}

void ImageListPanel::IDBClick() {
    m_session.IDBClick();
}

void ImageListPanel::selectActive() {
    const QModelIndex i = m_model->index(m_session.document().activeIndex());
    m_list->setCurrentIndex(i);
    m_list->scrollTo(i);
}

void connectImageList(ImageListPanel* List, EditSession& Session) {
    IconListModel* model = List->model();
    QObject::connect(&Session, &EditSession::imagesReplaced, model, &IconListModel::rebuild);
    QObject::connect(&Session, &EditSession::imageItemChanged, model,
                     &IconListModel::itemChanged);
    QObject::connect(&Session, &EditSession::activeImageChanged, model,
                     &IconListModel::activeChanged);
    QObject::connect(&Session, &EditSession::activeImageChanged, List,
                     &ImageListPanel::selectActive);
}

void ImageListPanel::setContextActions(const QList<QAction*>& Actions) {
    m_contextActions = Actions;
}

QMenu* ImageListPanel::showContextMenu(const QPoint& Pos) {
    if (m_contextActions.isEmpty()) return nullptr;
    const QModelIndex at = m_list->indexAt(Pos);
    if (at.isValid()) m_session.ActivateImage(at.row(), false);
    if (!m_contextMenu) {
        m_contextMenu = new QMenu(m_list);
        m_contextMenu->setObjectName(QStringLiteral("IconsListMenu"));
        m_contextMenu->addActions(m_contextActions);
    }
    m_contextMenu->popup(m_list->viewport()->mapToGlobal(Pos));
    return m_contextMenu;
}
