#pragma once

#include <QList>
#include <QObject>

class EditSession;
class ImageListEditing;
class IconListModel;
class QAction;
class QListView;
class QMenu;
class QPoint;
class QToolButton;
class QWidget;

// The contents of the main window's IconsPanel: the move-up button IUB, the
// list IconsList of the document's images and the move-down button IDB.
// A double click on an item, or Enter, edits that image; a single click or
// the arrow keys only move the highlight.
// The list always selects the active image again after the session changed
// the list or the active image: the window connects the session's signals to
// the model and to selectActive through connectImageList.
class ImageListPanel : public QObject {
    Q_OBJECT
public:
    static constexpr int IconSize = 32;

    // Fills IconsPanel, which must not have a layout yet.
    ImageListPanel(ImageListEditing& Session, QWidget* IconsPanel);

    QToolButton* IUB() const { return m_up; }
    QListView* IconsList() const { return m_list; }
    QToolButton* IDB() const { return m_down; }
    IconListModel* model() const { return m_model; }

    // IconsListDblClick: the selected item becomes the image being edited.
    void IconsListDblClick();
    void IUBClick();
    void IDBClick();

    // Highlights the active image and scrolls it into view.
    void selectActive();

    // The commands a right click on the list offers, about the image under
    // the pointer: it becomes the active image first, as a double click makes
    // it. The actions stay the caller's.
    void setContextActions(const QList<QAction*>& Actions);
    // Right click at Pos (in the list's viewport): activates the image there
    // and returns the menu shown, or null when there are no actions.
    QMenu* showContextMenu(const QPoint& Pos);

protected:
    bool eventFilter(QObject* Watched, QEvent* Event) override;

private:

    ImageListEditing& m_session;
    QToolButton* m_up = nullptr;
    QListView* m_list = nullptr;
    QToolButton* m_down = nullptr;
    IconListModel* m_model = nullptr;
    QList<QAction*> m_contextActions;
    QMenu* m_contextMenu = nullptr;
};

// Keeps List in step with the session: its model follows the image list and
// the active image, and the list highlights the active image again.
void connectImageList(ImageListPanel* List, EditSession& Session);
