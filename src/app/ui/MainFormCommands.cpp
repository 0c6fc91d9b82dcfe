#include "app/ui/CommandTable.h"
#include "app/ui/MainForm.h"
#include "session/Hint.h"

#include <QAction>
#include <QActionGroup>
#include <QCoreApplication>
#include <QMenuBar>
#include <QShortcutEvent>
#include <QTimer>
#include <QToolBar>
#include <QToolButton>
#include <QWindow>
#include <map>

namespace {

QString translated(const char* Text) {
    return QCoreApplication::translate("TMainForm", Text);
}

} // namespace

// Every menu, command and separator comes from the command table, in its
// order: a command is added by adding its row.
void TMainForm::buildCommands() {
    MainCommands& c = m_commands;
    QMenuBar* bar = menuBar();
    bar->setObjectName(QStringLiteral("MainMenu"));
    bar->installEventFilter(this);
    auto* formats = new QActionGroup(this);
    formats->setExclusive(true);
    c.setFormatGroup(formats);

    for (const CommandRow& row : commandTable()) {
        const QString name = row.Name ? QLatin1String(row.Name) : QString();
        QMenu* holder = row.Menu ? c.menu(QLatin1String(row.Menu)) : nullptr;
        switch (row.Kind) {
        case CommandKind::Menu: {
            QMenu* m = holder ? holder->addMenu(translated(row.Caption))
                              : bar->addMenu(translated(row.Caption));
            m->setObjectName(name);
            if (*row.Hint) applyHint(m->menuAction(), translated(row.Hint));
            c.addMenu(name, m);
            break;
        }
        case CommandKind::Separator: {
            QAction* s = holder->addSeparator();
            s->setObjectName(name);
            s->setVisible(!(row.Flags & CommandFlag::Hidden));
            c.addAction(name, s, false);
            break;
        }
        case CommandKind::Action: {
            auto* a = new QAction(translated(row.Caption), this);
            a->setObjectName(name);
            a->setShortcut(QKeySequence(QLatin1String(row.Shortcut)));
            applyHint(a, *row.Hint ? translated(row.Hint) : QString());
            if (row.Glyph >= 0) a->setIcon(m_menuImages.icon(row.Glyph));
            a->setCheckable(row.Flags & (CommandFlag::Checkable | CommandFlag::FormatChoice));
            a->setChecked(row.Flags & CommandFlag::Checked);
            a->setVisible(!(row.Flags & CommandFlag::Hidden));
            a->setData(row.Data);
            if (row.Flags & CommandFlag::FormatChoice) {
                formats->addAction(a);
                c.addFormat(a);
            }
            // A command is available exactly when its handler exists; those
            // that follow the session wait for its states.
            a->setEnabled(row.Handler && !(row.Flags & CommandFlag::FollowsSession));
            if (row.Handler)
                connect(a, &QAction::triggered, this,
                        [this, a, run = row.Handler] { run(*this, a); });
            holder->addAction(a);
            c.addAction(name, a, true);
            break;
        }
        }
    }
    // Shortcuts work while the menus are closed and the tool bar is hidden.
    addActions(c.all());
    // Several commands take the Alt keys of the menu titles, so the menu bar
    // opens by F10 too.
    auto* menuKey = new QAction(this);
    menuKey->setObjectName(QStringLiteral("MenuBarKey"));
    menuKey->setShortcut(QKeySequence(Qt::Key_F10));
    connect(menuKey, &QAction::triggered, this, &TMainForm::openMenuBar);
    addAction(menuKey);
    for (QAction* a : c.all())
        a->installEventFilter(this);
}

void TMainForm::buildToolBar() {
    m_toolBar = new QToolBar(tr("Toolbar"), this);
    m_toolBar->setObjectName(QStringLiteral("ToolBar"));
    m_toolBar->setMovable(false);
    m_toolBar->setFloatable(false);
    m_toolBar->setIconSize(QSize(MenuImageList::ImageSize, MenuImageList::ImageSize));
    m_toolBar->setFixedHeight(37);
    m_toolBar->setContextMenuPolicy(Qt::PreventContextMenu);
    std::map<int, QList<QAction*>> groups;
    for (const CommandRow& row : commandTable())
        if (row.ToolBarGroup > 0)
            groups[row.ToolBarGroup].append(m_commands.action(QLatin1String(row.Name)));
    bool first = true;
    for (const auto& group : groups) {
        if (!first) m_toolBar->addSeparator();
        first = false;
        for (QAction* a : group.second) {
            m_toolBar->addAction(a);
            if (QWidget* button = m_toolBar->widgetForAction(a)) button->setFixedSize(31, 30);
        }
    }
    addToolBar(Qt::TopToolBarArea, m_toolBar);
}

void TMainForm::bindCommand(QAction* Command, std::function<void()> Handler) {
    connect(Command, &QAction::triggered, this, [Handler = std::move(Handler)] { Handler(); });
    Command->setEnabled(true);
}

// Some commands share their key with a menu title's mnemonic (Alt+F, Alt+E,
// ...). The command wins, as it always has in this program; Qt would
// otherwise take turns between the two and warn.
bool TMainForm::eventFilter(QObject* Watched, QEvent* Event) {
    // On the screen, the desktop's frame is known: the smallest size counts
    // it from then on.
    if (Watched == static_cast<QObject*>(windowHandle()) && Event->type() == QEvent::Expose)
        QTimer::singleShot(0, this, [this] { fitMinimumSize(); });
    if (Event->type() == QEvent::Shortcut) {
        auto* se = static_cast<QShortcutEvent*>(Event);
        if (se->isAmbiguous()) {
            for (QAction* a : m_commands.all()) {
                if (a->isEnabled() && a->shortcut() == se->key()) {
                    a->trigger();
                    return true;
                }
            }
        }
    }
    return QMainWindow::eventFilter(Watched, Event);
}
