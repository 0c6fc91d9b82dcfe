#pragma once

#include "app/RecentFiles.h"
#include "app/XbelRecentDocuments.h"

#include <QObject>

class RecentOpening;
class MenuImageList;
class QAction;
class MainCommands;

// The four recent-file items of the File menu and the separator N2 after
// them, rebuilt from the settings store at the first activation and whenever
// the list changes. Each item shows its file's own icon, 24 x 24, in menu
// image slots 20 to 23. The window connects the session's change signal to
// RefreshRecentMenu.
class RecentMenu : public QObject {
    Q_OBJECT
public:
    RecentMenu(MainCommands& Commands, MenuImageList& Images, RecentOpening& Session,
               RecentFiles::StoreOpener OpenStore, QObject* Parent = nullptr);
    ~RecentMenu() override;

    RecentFiles& recentFiles() { return m_recent; }

    void RefreshRecentMenu();
    // Remakes the item's icon from the file its hint names; a file that gives
    // none leaves the previous icon.
    void MakeRecentIcon(QAction* Item);
    // Opens the item's file through the Open command, without a dialog.
    void Recent4Click(QAction* Sender);

    // The full path an item stands for (its hint).
    static QString pathOf(const QAction* Item);

private:
    MainCommands& m_commands;
    MenuImageList& m_images;
    RecentOpening& m_session;
    XbelRecentDocuments m_desktop;
    RecentFiles m_recent;
};
