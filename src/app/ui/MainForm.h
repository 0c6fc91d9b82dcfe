#pragma once

#include "app/ProgramCursors.h"
#include "app/ui/MainCommands.h"
#include "app/ui/MenuImageList.h"
#include "document/ui/PaletteDialogPrompt.h"
#include "effects/ui/EffectDialogs.h"
#include "images/ui/NewIconForm.h"
#include "session/CommandStates.h"
#include "session/EditSession.h"

#include <QMainWindow>
#include <functional>
#include <memory>

class ColoursPanel;
class QtClipboard;
class ScreenGrabber;
class TCapForm;
class CursorThemeEditor;
class CursorThemeForm;
class FrameStrip;
class ScreenshotPortal;
class DBusScreenshotPortal;
class FrozenScreenForm;
class ImageListPanel;
class QtFramePrompt;
class QFrame;
class RecentMenu;
class QSplitter;
class QToolBar;
class ShellOpener;
class StatusPanels;
class TAboutBox;
class TPrvFrm;
class TULForm;
class ToolsUi;
class WorkView;

// The main window. It builds the menus, tool bar and panels from the command
// table, turns user actions into session calls and session signals into
// captions, enabled states and status text. The editing state lives in the
// EditSession it owns.
class TMainForm : public QMainWindow {
    Q_OBJECT
public:
    // The address "Visit Homepage" opens.
    static const char* const HomePage;
    // The help document beside the installation data.
    static const char* const HelpFileName;

    TMainForm(Prompter& Prompts, ShellOpener& Shell, const QString& ProgramFolder,
              QWidget* Parent = nullptr);
    ~TMainForm() override;

    EditSession& session() { return *m_session; }
    MainCommands& commands() { return m_commands; }
    const MenuImageList& menuImages() const { return m_menuImages; }
    MenuImageList& menuImages() { return m_menuImages; }

    // The panels of the working area, left to right. The work view goes into
    // WorkPanel's (empty) layout; the image list, tools and colours into
    // theirs.
    QFrame* iconsPanel() const { return m_iconsPanel; }
    QSplitter* splitter() const { return m_splitter; }
    QFrame* toolsPanel() const { return m_toolsPanel; }
    QFrame* workPanel() const { return m_workPanel; }
    QFrame* colorsPanel() const { return m_colorsPanel; }
    // The paint box `Work` and, below it, the tools' option panel.
    WorkView* work() const { return m_work; }
    QFrame* opsPanel() const { return m_opsPanel; }
    QToolBar* toolBar() const { return m_toolBar; }
    StatusPanels* statusPanels() const { return m_statusBar; }

    // Connects a command to a handler of its own and enables it (a command
    // table row without a handler stays disabled until it gets one).
    void bindCommand(QAction* Command, std::function<void()> Handler);

    // The file named on the command line, opened once the window is first
    // shown.
    void setCommandLineFile(const QString& Path) { m_commandLineFile = Path; }
    const QString& commandLineFile() const { return m_commandLineFile; }

    // Panel 0 of the status bar shows the long part of the current hint.
    void ApplicationEventsHint(const QString& LongHint);
    // The checked colour-format entry shows the check glyph, the others none.
    void showFormatChecked(ColourFormat Format);

    // --- handlers of the shell's own commands; the command table calls these
    // and the session's commands ---
    void Exit1Click();
    void UndoLevel1Click();
    void ransparencyalpharange1Click();
    void GridAExecute();
    void oolbar1Click();
    void Statusbar1Click();
    void HelpAExecute();
    void VisitHomepage1Click();
    void About1Click();
    void PreviewAExecute();

    // --- recent files (MainFormFiles.cpp) ---
    void RefreshRecentMenu();
    void Recent4Click(QAction* Sender);
    // Files dropped on the window are opened as Open opens them (a drop of
    // several opens the first: the window holds one document); files dropped
    // on the image list add their images as the Icon menu's Open does. A
    // file that is not an icon is reported as those commands report it.
    void FormDropFiles(const QStringList& Paths);
    void IconsListDropFiles(const QStringList& Paths);
    // The cursors of the tools, by number (21 to 33).
    const ProgramCursors& cursors() const { return m_cursors; }

    // --- undo, the image list and the colours (MainFormPanels.cpp) ---
    ImageListPanel* imageList() const { return m_imageList; }
    FrameStrip* frameStrip() const { return m_frameStrip; }
    ColoursPanel* coloursPanel() const { return m_coloursPanel; }
    NewIconDialogPrompt& newIconDialog() { return m_newIconDialog; }
    PaletteDialogPrompt& paletteDialog() { return m_paletteDialog; }
    // The effects' dialogs and the resize dialog.
    EffectDialogs& effectDialogs() { return m_effectDialogs; }
    // F10: the menu bar opens on its first menu, for the keyboard.
    void openMenuBar();

    // --- the painting tools (MainFormTools.cpp) ---
    // The tool buttons, the option panels and the work view's mouse.
    ToolsUi* toolsUi() const { return m_toolsUi; }

    // --- the clipboard and the screen capture (MainFormEdit.cpp) ---
    // The desktop's clipboard the session's Cut, Copy and Paste use.
    QtClipboard* clipboard() const { return m_clipboard; }
    // photoClick: the capture window shows and this window hides until a
    // click on it.
    void photoClick();
    // Who freezes the screen for the capture window; the real screen unless
    // set.
    void setScreenGrabber(ScreenGrabber* Grabber);
    // The capture window, once photoClick has made it.
    TCapForm* capForm() const { return m_capForm.get(); }
    // Who hands out the screen where no program may read it: when set (and
    // by itself in a Wayland session, the desktop portal) the capture asks
    // it and shows the answer in the full-screen capture window.
    void setScreenshotPortal(ScreenshotPortal* Portal);
    FrozenScreenForm* frozenScreenForm() const { return m_frozenForm.get(); }
    // The message shown when the screen cannot be had.
    static const char* const NoCaptureMessage;

    // --- cursor themes (MainFormThemes.cpp) ---
    // Shows the "Cursor Theme" window, made when first needed; what was
    // given in it stays for the next showing.
    void cursorThemeClick();
    CursorThemeForm* cursorThemeForm() const { return m_cursorThemeForm.get(); }

signals:
    // Once, when the window is first shown (or activated, should that come
    // first): the recent files are listed and the command-line file is
    // opened.
    void firstActivation();

protected:
    bool event(QEvent* Event) override;
    void showEvent(QShowEvent* Event) override;
    bool eventFilter(QObject* Watched, QEvent* Event) override;
    void closeEvent(QCloseEvent* Event) override;

private:
    void FormCreate();
    void FormActivate();
    bool FormClose();
    void buildPanels();
    void buildCommands();
    void buildToolBar();
    void connectSession();
    void bindFileCommands();
    void bindFileDrops();
    void bindTools();
    void bindPanelCommands();
    void bindEffects();
    void bindEditCommands();
    ScreenshotPortal* screenshotPortal();
    void captureThroughPortal(ScreenshotPortal& Portal);
    void showFrozenScreen(const QImage& Screen);
    void cannotCapture();
    void openCommandLineFile();
    void applySettings(const ProgramSettings& S);
    void applyCommandStates(const CommandStates& States);
    void showStatusNow(const QString& Text);
    TULForm& ulForm();
    // The window's smallest size from what its panels need and what the
    // desktop's frame takes; the window itself moved and shrunk onto its
    // screen.
    void fitMinimumSize();
    void fitOnItsScreen();

    Prompter& m_prompter;
    ShellOpener& m_shell;
    std::unique_ptr<EditSession> m_session;
    MenuImageList m_menuImages;
    MainCommands m_commands;
    QToolBar* m_toolBar = nullptr;
    StatusPanels* m_statusBar = nullptr;
    QSplitter* m_splitter = nullptr;
    QFrame* m_iconsPanel = nullptr;
    QFrame* m_toolsPanel = nullptr;
    QFrame* m_workPanel = nullptr;
    QFrame* m_colorsPanel = nullptr;
    QFrame* m_framesPanel = nullptr;
    FrameStrip* m_frameStrip = nullptr;
    std::unique_ptr<QtFramePrompt> m_framePrompt;
    WorkView* m_work = nullptr;
    QFrame* m_opsPanel = nullptr;
    TULForm* m_ulForm = nullptr;
    TAboutBox* m_aboutBox = nullptr;
    TPrvFrm* m_prvFrm = nullptr;
    std::unique_ptr<RecentMenu> m_recentMenu;
    ProgramCursors m_cursors;
    ToolsUi* m_toolsUi = nullptr;
    ImageListPanel* m_imageList = nullptr;
    ColoursPanel* m_coloursPanel = nullptr;
    NewIconDialogPrompt m_newIconDialog{this};
    PaletteDialogPrompt m_paletteDialog{m_prompter, m_session->ProgramFolder(), this};
    EffectDialogs m_effectDialogs{this};
    QtClipboard* m_clipboard = nullptr;
    std::unique_ptr<ScreenGrabber> m_screen;
    ScreenGrabber* m_screenGrabber = nullptr;
    std::unique_ptr<TCapForm> m_capForm;
    std::unique_ptr<CursorThemeEditor> m_cursorThemeEditor;
    std::unique_ptr<CursorThemeForm> m_cursorThemeForm;
    std::unique_ptr<DBusScreenshotPortal> m_ownPortal;
    ScreenshotPortal* m_portal = nullptr;
    bool m_portalChosen = false;
    bool m_portalAsked = false;
    std::unique_ptr<FrozenScreenForm> m_frozenForm;
    bool m_firstActivation = true;
    QString m_commandLineFile;
};
