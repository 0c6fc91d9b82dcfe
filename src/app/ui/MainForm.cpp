#include "app/ui/MainForm.h"
#include "images/ui/QtFramePrompt.h"

#include "app/ProgramPicture.h"
#include "app/SettingsStore.h"
#include "app/ShellOpener.h"
#include "app/ui/AboutBox.h"
#include "app/ui/RecentMenu.h"
#include "app/ui/StatusPanels.h"
#include "app/ui/ULForm.h"
#include "cursortheme/ui/CursorThemeForm.h"
#include "session/CursorThemeEditor.h"
#include "canvas/ui/WorkPanelParts.h"
#include "canvas/ui/WorkView.h"
#include "widgets/CapForm.h"
#include "widgets/Contrast.h"
#include "widgets/DBusScreenshotPortal.h"
#include "widgets/FrozenScreenForm.h"
#include "widgets/TavroMenu.h"

#include <QApplication>
#include <QCloseEvent>
#include <QCoreApplication>
#include <QFrame>
#include <QHBoxLayout>
#include <QSplitter>
#include <QStatusTipEvent>
#include <QTimer>
#include <QToolBar>
#include <QWindow>

namespace {

QFrame* makePanel(const char* Name, QWidget* Parent)
{
    auto* panel = new QFrame(Parent);
    panel->setObjectName(QLatin1String(Name));
    panel->setFrameShape(QFrame::Panel);
    panel->setFrameShadow(QFrame::Raised);
    return panel;
}

} // namespace

TMainForm::TMainForm(Prompter& Prompts, ShellOpener& Shell, const QString& ProgramFolder,
                     QWidget* Parent)
    : QMainWindow(Parent), m_prompter(Prompts), m_shell(Shell),
      m_session(std::make_unique<EditSession>(Prompts, ProgramFolder))
{
    setObjectName(QStringLiteral("MainForm"));
    setWindowTitle(QStringLiteral("Brisel"));
    setWindowIcon(programIcon());
    move(197, 114);
    resize(712, 550);
    // Every list, menu and field of the program shows its selection so that
    // the selected text can be read, whatever the desktop's scheme chose.
    QApplication::setPalette(withReadableSelection(QApplication::palette()));

    buildPanels();
    buildCommands();
    buildToolBar();
    TTavroMenu::installOnMainMenu(menuBar(), MenuImageList::ImageSize);
    m_statusBar = new StatusPanels(this);
    setStatusBar(m_statusBar);
    connectSession();
    bindFileCommands();
    bindPanelCommands();
    bindFileDrops();
    m_cursors.load(ProgramFolder);
    m_paletteDialog.setPickCursor(m_cursors.cursor(26));
    bindTools();
    bindEffects();
    bindEditCommands();
    fitMinimumSize();
    FormCreate();
}

TMainForm::~TMainForm() = default;

void TMainForm::buildPanels()
{
    auto* central = new QWidget(this);
    central->setObjectName(QStringLiteral("WorkingArea"));
    auto* row = new QHBoxLayout(central);
    row->setContentsMargins(0, 0, 0, 0);
    row->setSpacing(0);

    m_splitter = new QSplitter(Qt::Horizontal, central);
    m_splitter->setObjectName(QStringLiteral("Splitter1"));
    m_splitter->setChildrenCollapsible(false);
    m_splitter->setHandleWidth(3);
    m_iconsPanel = makePanel("IconsPanel", m_splitter);
    m_iconsPanel->setMinimumWidth(30);

    // Everything right of the splitter keeps its own widths; the work panel
    // takes what is left.
    auto* rest = new QWidget(m_splitter);
    rest->setObjectName(QStringLiteral("EditArea"));
    auto* restRow = new QHBoxLayout(rest);
    restRow->setContentsMargins(0, 0, 0, 0);
    restRow->setSpacing(0);
    // The frames of an animated cursor, right beside the image list.
    m_framesPanel = makePanel("FramesPanel", rest);
    m_framesPanel->setFixedWidth(72);
    m_toolsPanel = makePanel("ToolsPanel", rest);
    m_toolsPanel->setFixedWidth(60);
    m_workPanel = makePanel("WorkPanel", rest);
    m_workPanel->setFrameShadow(QFrame::Sunken);
    m_workPanel->setMinimumWidth(1);
    auto* workLayout = new QVBoxLayout(m_workPanel);
    workLayout->setContentsMargins(0, 0, 0, 0);
    workLayout->setSpacing(0);
    const WorkPanelParts workParts = buildWorkPanel(m_workPanel);
    m_work = workParts.Work;
    m_opsPanel = workParts.OpsPanel;
    m_colorsPanel = makePanel("ColorsPanel", rest);
    m_colorsPanel->setFixedWidth(135);
    restRow->addWidget(m_framesPanel);
    restRow->addWidget(m_toolsPanel);
    restRow->addWidget(m_workPanel, 1);
    restRow->addWidget(m_colorsPanel);

    m_splitter->addWidget(m_iconsPanel);
    m_splitter->addWidget(rest);
    m_splitter->setStretchFactor(0, 0);
    m_splitter->setStretchFactor(1, 1);
    m_splitter->setSizes({121, 591});
    row->addWidget(m_splitter);
    setCentralWidget(central);
}

void TMainForm::connectSession()
{
    EditSession* s = m_session.get();
    connect(s, &EditSession::captionChanged, this, &QWidget::setWindowTitle);
    connect(s, &EditSession::commandStatesChanged, this, &TMainForm::applyCommandStates);
    connect(s, &EditSession::statusText, this, &TMainForm::showStatusNow);
    connect(s, &EditSession::activeImageChanged, this,
            [this] { showFormatChecked(m_session->ActiveImage().Format); });
    connectWorkView(m_work, *s);
    connect(m_work, &WorkView::pixelReadoutChanged, this,
            [this](const QString& Text) { m_statusBar->setPanelText(1, Text); });
    connect(m_work, &WorkView::dragReadoutChanged, this,
            [this](const QString& Text) { m_statusBar->setPanelText(2, Text); });
}

void TMainForm::applyCommandStates(const CommandStates& States)
{
    m_commands.action(QStringLiteral("UndoA"))->setEnabled(States.UndoA);
    m_commands.action(QStringLiteral("RedoA"))->setEnabled(States.RedoA);
    m_commands.action(QStringLiteral("RemoveIA"))->setEnabled(States.RemoveIA);
    m_commands.action(QStringLiteral("PalA"))->setEnabled(States.PalA);
    m_commands.action(QStringLiteral("PasteA"))->setEnabled(States.PasteA);
    QAction* png = m_commands.action(QStringLiteral("StoredAsPng1"));
    png->setEnabled(States.StoredAsPng1);
    png->setChecked(States.StoredAsPng1Checked);
}

void TMainForm::showFormatChecked(ColourFormat Format)
{
    static const ColourFormat formats[] = {1, 4, 8, 24, 32};
    const QList<QAction*> items = m_commands.formatItems();
    for (int i = 0; i < items.size(); ++i) {
        const bool checked = formats[i] == Format;
        items[i]->setChecked(checked);
        items[i]->setIcon(checked ? m_menuImages.icon(MenuImageList::Check) : QIcon());
    }
}

void TMainForm::FormCreate()
{
    applySettings(readSettings(*openSettingsStore()));
    m_firstActivation = true;
    m_session->NewAExecute(true);
    applyCommandStates(m_session->commandStates());
    setWindowTitle(m_session->windowCaption());
}

void TMainForm::applySettings(const ProgramSettings& S)
{
    m_session->loadSettings(S);
    move(S.Left, S.Top);
    resize(S.Width, S.Height);
    m_commands.action(QStringLiteral("GridA"))->setChecked(S.Grid);
    m_commands.action(QStringLiteral("oolbar1"))->setChecked(S.Tool);
    m_toolBar->setVisible(S.Tool);
    m_commands.action(QStringLiteral("Statusbar1"))->setChecked(S.Status);
    m_statusBar->setVisible(S.Status);
    m_splitter->setSizes({S.Icons, std::max(1, width() - S.Icons)});
    fitOnItsScreen();
}

void TMainForm::showEvent(QShowEvent* Event)
{
    QMainWindow::showEvent(Event);
    if (QWindow* w = windowHandle()) w->installEventFilter(this);
    fitMinimumSize();
    // Up on the screen the desktop's frame is known: the whole window, frame
    // included, is put on the screen once.
    if (m_firstActivation && !isMaximized() && !isFullScreen()) fitOnItsScreen();
    // Without a window manager the window is never activated, so waiting for
    // that would never open the command-line file. Right after the window is
    // up is early enough and the same for every desktop.
    if (m_firstActivation) QTimer::singleShot(0, this, &TMainForm::FormActivate);
}

void TMainForm::FormActivate()
{
    if (!m_firstActivation) return;
    m_firstActivation = false;
    emit firstActivation();
}

bool TMainForm::FormClose()
{
    if (m_session->ConfirmSaveChanges()) return false;
    const QRect bounds = isMaximized() || isFullScreen() ? normalGeometry() : geometry();
    m_session->setWindowValues(QRect(pos(), bounds.size()), m_commands.action(QStringLiteral("oolbar1"))->isChecked(),
                               m_commands.action(QStringLiteral("Statusbar1"))->isChecked(), m_iconsPanel->width());
    // A store that cannot be written loses this run's settings, nothing more.
    writeSettings(*openSettingsStore(), m_session->settings());
    return true;
}

void TMainForm::closeEvent(QCloseEvent* Event)
{
    if (FormClose())
        Event->accept();
    else
        Event->ignore();
}

bool TMainForm::event(QEvent* Event)
{
    switch (Event->type()) {
    case QEvent::StatusTip:
        ApplicationEventsHint(static_cast<QStatusTipEvent*>(Event)->tip());
        return true;
    case QEvent::WindowActivate:
        FormActivate();
        break;
    case QEvent::Move:
    case QEvent::Resize:
    case QEvent::LayoutRequest: {
        // The desktop's frame becomes known, a panel grows with its font.
        const bool handled = QMainWindow::event(Event);
        fitMinimumSize();
        return handled;
    }
    default:
        break;
    }
    return QMainWindow::event(Event);
}

void TMainForm::ApplicationEventsHint(const QString& LongHint)
{
    m_statusBar->setPanelText(0, LongHint.isEmpty() ? tr("Ready") : LongHint);
}

void TMainForm::showStatusNow(const QString& Text)
{
    m_statusBar->setPanelText(0, Text);
    // A long loop follows: let the text reach the screen before it starts.
    m_statusBar->repaint();
    QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
}

TULForm& TMainForm::ulForm()
{
    if (!m_ulForm) m_ulForm = new TULForm(this);
    return *m_ulForm;
}
