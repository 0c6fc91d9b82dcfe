#include "MainFormTestSupport.h"
#include "app/ui/CommandTable.h"
#include "app/ui/StatusPanels.h"

#include <QAction>
#include <QActionGroup>
#include <QClipboard>
#include <QGuiApplication>
#include <QMenu>
#include <QMap>
#include <QMenuBar>
#include <QSignalSpy>
#include <QTest>
#include <QToolBar>

namespace {

const CommandRow* row(const char* Name) {
    for (const CommandRow& r : commandTable())
        if (r.Name && QLatin1String(r.Name) == QLatin1String(Name)) return &r;
    return nullptr;
}

} // namespace

// Each menu holds exactly the rows of the table that name it, in table order:
// commands as themselves, submenus as their menus, separators as separators.
TEST_F(MainFormTest, EachMenuIsBuiltFromTheCommandTable) {
    TMainForm& f = form();
    const MainCommands& c = f.commands();
    QList<QAction*> titles;
    for (const CommandRow& r : commandTable())
        if (r.Kind == CommandKind::Menu && !r.Menu) titles << c.menu(r.Name)->menuAction();
    EXPECT_EQ(f.menuBar()->actions(), titles);

    int menus = 0;
    for (const CommandRow& m : commandTable()) {
        if (m.Kind != CommandKind::Menu) continue;
        SCOPED_TRACE(m.Name);
        ++menus;
        const QMenu* built = c.menu(m.Name);
        ASSERT_NE(built, nullptr);
        EXPECT_EQ(built->objectName(), QLatin1String(m.Name));
        const QList<QAction*> entries = built->actions();
        int k = 0;
        for (const CommandRow& r : commandTable()) {
            if (!r.Menu || QLatin1String(r.Menu) != QLatin1String(m.Name)) continue;
            ASSERT_LT(k, entries.size());
            QAction* e = entries[k++];
            switch (r.Kind) {
            case CommandKind::Action: EXPECT_EQ(e, c.action(r.Name)); break;
            case CommandKind::Menu: EXPECT_EQ(e, c.menu(r.Name)->menuAction()); break;
            case CommandKind::Separator: EXPECT_TRUE(e->isSeparator()); break;
            }
        }
        EXPECT_EQ(k, entries.size());
    }
    EXPECT_EQ(menus, 12);

    // No recent file yet: the four entries and the separator after them hide.
    for (const QAction* a : c.recentItems())
        EXPECT_FALSE(a->isVisible());
    EXPECT_FALSE(c.action("N2")->isVisible());
}

TEST_F(MainFormTest, CaptionsAndShortHintsOfTheTable) {
    TMainForm& f = form();
    const struct {
        const char* Name;
        const char* Caption;
        const char* ShortHint;
    } table[] = {
        {"NewA", "&New", "New"},
        {"SaveAs1", "Save &As...", "Saves current icon/cursor as a new file."},
        {"NewIA", "&New", "New Icon"},
        {"RemoveIA", "&Remove", "Remove Icon"},
        {"PalA", "&Configure Palette", "Configure Palette"},
        {"rueColorwithAplpha1", "True Color with &Alpha (32bits)",
         "Changes image colors format to 32bit."},
        {"AddColorNoisewithAlpha1", "Add Color Noise with Alp&ha",
         "Adds noise with random 32bit colors to the image/selection."},
        {"BootomRight1", "Bootom Right", "Applies the Emboss effect"},
        {"ransparencyalpharange1", "Transparency alpha &range",
         "Specifies the maximum alpha channel of transparent colors."},
    };
    for (const auto& r : table) {
        SCOPED_TRACE(r.Name);
        const QAction* a = f.commands().action(r.Name);
        ASSERT_NE(a, nullptr);
        EXPECT_EQ(a->text(), QLatin1String(r.Caption));
        EXPECT_EQ(a->toolTip(), QLatin1String(r.ShortHint));
    }
    QStringList titles;
    for (const QAction* a : f.menuBar()->actions())
        titles << a->text();
    EXPECT_EQ(titles,
              (QStringList{"&File", "&Edit", "&Icon", "&Effects", "&Options", "&Veiw", "&Help"}));
    EXPECT_EQ(f.commands().menu("Color2")->title(), QStringLiteral("Image C&olors"));
    EXPECT_EQ(f.commands().menu("Color2")->menuAction()->statusTip(),
              QStringLiteral("Changes the color format of active image."));
    EXPECT_EQ(f.commands().menu("Emboss1")->title(), QStringLiteral("&Emboss"));
}

// Every key fires from anywhere in the window and belongs to one command only.
TEST_F(MainFormTest, ShortcutsAreUniqueAndWindowWide) {
    TMainForm& f = form();
    QMap<QKeySequence, QString> seen;
    for (QAction* a : f.commands().all()) {
        if (a->shortcut().isEmpty()) continue;
        SCOPED_TRACE(a->objectName().toStdString());
        EXPECT_FALSE(seen.contains(a->shortcut()))
            << "also " << seen.value(a->shortcut()).toStdString();
        seen.insert(a->shortcut(), a->objectName());
        EXPECT_TRUE(f.actions().contains(a));
        EXPECT_EQ(a->shortcutContext(), Qt::WindowShortcut);
    }
}

// A command is enabled exactly when it has a handler to run, apart from those
// whose state the session keeps.
TEST_F(MainFormTest, EveryEnabledCommandHasAHandler) {
    TMainForm& f = form();
    int rows = 0;
    for (const CommandRow& r : commandTable()) {
        if (r.Kind != CommandKind::Action) continue;
        SCOPED_TRACE(r.Name);
        ++rows;
        QAction* a = f.commands().action(r.Name);
        ASSERT_NE(a, nullptr);
        // A hidden action reports itself disabled; the recent files show later.
        a->setVisible(true);
        if (a->isEnabled()) {
            EXPECT_NE(r.Handler, nullptr);
        }
        if (!(r.Flags & CommandFlag::FollowsSession)) {
            EXPECT_EQ(a->isEnabled(), r.Handler != nullptr);
        }
    }
    EXPECT_EQ(rows, f.commands().all().size());
    ASSERT_NE(row("UndoA"), nullptr);
    EXPECT_TRUE(row("UndoA")->Flags & CommandFlag::FollowsSession);
}

TEST_F(MainFormTest, CommandsHaveTheirShortcutsHintsAndStates) {
    // Paste waits for a picture on the clipboard.
    QGuiApplication::clipboard()->clear();
    TMainForm& f = form();
    const struct {
        const char* Name;
        const char* Shortcut;
        const char* LongHint;
        bool Enabled;
    } table[] = {
        {"NewA", "Ctrl+N", "Creates a new icon/cursor.", true},
        {"OpenA", "Ctrl+O", "Opens an existing icon/cursor file.", true},
        {"SaveA", "Ctrl+S", "Saves current icon/cursor to file.", true},
        {"SaveAs1", "", "Saves current icon/cursor as a new file.", true},
        {"Exit1", "", "Quits Brisel.", true},
        {"UndoA", "Ctrl+Z", "Undoes the last action.", false},
        {"RedoA", "Ctrl+Shift+Z", "Redoes the previously undone action.", false},
        {"CutA", "Ctrl+X", "Cuts the image/selection and puts it on the Clipboard.", true},
        {"CopyA", "Ctrl+C", "Copies the image/selection and puts it on the Clipboard.", true},
        {"PasteA", "Ctrl+V", "Inserts the contents of the Clipboard.", false},
        {"Clear2", "Del", "Clears the image/selection.", true},
        {"NewIA", "Ctrl+I", "Adds a new icon/cursor to file.", true},
        {"Open2", "", "Opens an icon/cursor file and adds its images to current file.", true},
        {"RemoveIA", "Ctrl+R", "Deletes active image from file.", false},
        {"Duplicate1", "", "Creates a copy of active image.", true},
        {"NewFromPicture1", "", "Makes a new icon of the standard sizes from a picture.", true},
        {"StoredAsPng1", "", "Keeps active image as a PNG picture in the file (32-bit images).",
         true},
        {"Resize1", "", "Changes the size of active image.", true},
        {"PalA", "", "Configures active image palette.", false},
        {"PreviewA", "Ctrl+P", "Previews active image.", true},
        {"Invert1", "Alt+I", "Inverts red, green and blue channels of the image/selection.", true},
        {"AddColorNoisewithAlpha1", "Alt+F",
         "Adds noise with random 32bit colors to the image/selection.", true},
        {"opRight1", "Alt+Shift+E", "Applies the Emboss effect", true},
        {"BootomRight1", "Ctrl+Shift+E", "Applies the Emboss effect", true},
        {"SmoothStretch1", "Alt+M", "", true},
        {"FlipVertical1", "Alt+V", "Flips image/selection vertical.", true},
        {"ransparentColor1", "", "Changes screen transparent color.", true},
        {"GridColor1", "", "Changes grid color.", true},
        {"UndoLevel1", "", "Specifies the number of undo levels.", true},
        {"ransparencyalpharange1", "", "Specifies the maximum alpha channel of transparent colors.",
         true},
        {"GridA", "Ctrl+G", "Shows/Hides grid.", true},
        {"oolbar1", "", "Shows/Hides toolbar.", true},
        {"Statusbar1", "", "Shows/Hides status bar.", true},
        {"HelpA", "F1", "Displays help contents.", true},
        {"VisitHomepage1", "", "Opens default web browser and connects to Tavro.", true},
        {"About1", "", "", true},
    };
    for (const auto& row : table) {
        SCOPED_TRACE(row.Name);
        auto* a = f.findChild<QAction*>(QLatin1String(row.Name));
        ASSERT_NE(a, nullptr);
        EXPECT_EQ(a->shortcut(), QKeySequence(QLatin1String(row.Shortcut)));
        EXPECT_EQ(a->statusTip(), QLatin1String(row.LongHint));
        EXPECT_EQ(a->isEnabled(), row.Enabled);
    }
}

TEST_F(MainFormTest, ToolBarButtonsInOrder) {
    TMainForm& f = form();
    f.show();
    QStringList names;
    for (QAction* a : f.toolBar()->actions()) {
        names << (a->isSeparator() ? QStringLiteral("|") : a->objectName());
        if (!a->isSeparator()) {
            QWidget* w = f.toolBar()->widgetForAction(a);
            ASSERT_NE(w, nullptr);
            EXPECT_EQ(w->size(), QSize(31, 30)) << a->objectName().toStdString();
        }
    }
    EXPECT_EQ(names, (QStringList{"NewA", "OpenA", "SaveA", "|", "UndoA", "RedoA", "|", "CutA",
                                  "CopyA", "PasteA", "|", "NewIA", "RemoveIA", "PalA", "PreviewA",
                                  "|", "GridA", "|", "HelpA"}));
    EXPECT_EQ(f.toolBar()->height(), 37);
}

TEST_F(MainFormTest, FormatEntriesAreOneRadioGroupWithTheCheckGlyph) {
    TMainForm& f = form();
    const QList<QAction*> items = f.commands().formatItems();
    for (QAction* a : items)
        EXPECT_EQ(a->actionGroup(), f.commands().formatGroup());
    EXPECT_TRUE(f.commands().formatGroup()->isExclusive());
    for (int i = 0; i < 4; ++i) {
        EXPECT_FALSE(items[i]->isChecked());
        EXPECT_TRUE(items[i]->icon().isNull());
    }
    EXPECT_TRUE(items[4]->isChecked());
    EXPECT_FALSE(items[4]->icon().isNull());

    f.showFormatChecked(8);
    EXPECT_TRUE(items[2]->isChecked());
    EXPECT_FALSE(items[2]->icon().isNull());
    EXPECT_TRUE(items[4]->icon().isNull());
}

TEST_F(MainFormTest, ACommandKeyBeatsTheMenuTitleWithTheSameKey) {
    TMainForm& f = form();
    f.show();
    f.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&f));
    int inverted = 0;
    f.bindCommand(f.commands().action("Invert1"), [&] { ++inverted; });
    EXPECT_TRUE(f.commands().action("Invert1")->isEnabled());

    QTest::keyClick(&f, Qt::Key_I, Qt::AltModifier);
    QTest::keyClick(&f, Qt::Key_I, Qt::AltModifier);
    EXPECT_EQ(inverted, 2);
}

TEST_F(MainFormTest, NewAsksBeforeDroppingUnsavedWork) {
    TMainForm& f = form();
    f.session().document().FileName = QStringLiteral("/tmp/kept.ico");
    f.session().setModified(true);
    prompts.answer(MessageAnswer::Cancel);
    f.commands().action("NewA")->trigger();
    EXPECT_EQ(f.session().document().FileName, QStringLiteral("/tmp/kept.ico"));

    prompts.answer(MessageAnswer::No);
    QSignalSpy title(&f, &QWidget::windowTitleChanged);
    f.commands().action("NewA")->trigger();
    EXPECT_TRUE(f.session().document().FileName.isEmpty());
    EXPECT_EQ(f.windowTitle(), QStringLiteral("Brisel - Untitled"));
    EXPECT_EQ(prompts.messages.size(), 2u);
}

TEST_F(MainFormTest, ToggledBarsHideAndShow) {
    TMainForm& f = form();
    f.show();
    f.commands().action("oolbar1")->trigger();
    EXPECT_FALSE(f.toolBar()->isVisible());
    f.commands().action("Statusbar1")->trigger();
    EXPECT_FALSE(f.statusPanels()->isVisible());
    f.commands().action("oolbar1")->trigger();
    f.commands().action("Statusbar1")->trigger();
    EXPECT_TRUE(f.toolBar()->isVisible());
    EXPECT_TRUE(f.statusPanels()->isVisible());
    f.commands().action("GridA")->trigger();
    EXPECT_FALSE(f.session().settings().Grid);
}
