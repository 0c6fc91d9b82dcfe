#include "app/ui/MainForm.h"

#include "app/SettingsStore.h"
#include "app/ui/RecentMenu.h"
#include "images/ui/ImageListPanel.h"
#include "widgets/FileDrop.h"

#include <QAction>
#include <QFileInfo>
#include <QListView>

void TMainForm::bindFileCommands() {
    EditSession* s = m_session.get();
    m_recentMenu = std::make_unique<RecentMenu>(m_commands, m_menuImages, *s,
                                                [] { return openSettingsStore(); });
    connect(s, &EditSession::recentFilesChanged, m_recentMenu.get(),
            &RecentMenu::RefreshRecentMenu);
    // "Save changes?" answered Yes runs the Save command from code.
    s->setSaveHandler([s] { return s->SaveAExecute(true); });

    connect(this, &TMainForm::firstActivation, this, [this] {
        RefreshRecentMenu();
        openCommandLineFile();
    });
}

void TMainForm::RefreshRecentMenu() {
    m_recentMenu->RefreshRecentMenu();
}

void TMainForm::Recent4Click(QAction* Sender) {
    m_recentMenu->Recent4Click(Sender);
}

void TMainForm::openCommandLineFile() {
    if (m_commandLineFile.isEmpty()) return;
    const QFileInfo file(m_commandLineFile);
    if (!file.exists() || file.isDir()) return;
    // The recent files keep full paths, whatever folder the program ran in.
    m_session->OpenAExecute(true, file.absoluteFilePath());
}

void TMainForm::bindFileDrops() {
    new FileDrop(this, [this](const QStringList& Paths) { FormDropFiles(Paths); });
    new FileDrop(m_imageList->IconsList()->viewport(),
                 [this](const QStringList& Paths) { IconsListDropFiles(Paths); });
}

void TMainForm::FormDropFiles(const QStringList& Paths) {
    if (Paths.isEmpty()) return;
    m_session->OpenAExecute(true, QFileInfo(Paths.first()).absoluteFilePath());
}

void TMainForm::IconsListDropFiles(const QStringList& Paths) {
    for (const QString& path : Paths)
        m_session->Open2Click(true, QFileInfo(path).absoluteFilePath());
}
