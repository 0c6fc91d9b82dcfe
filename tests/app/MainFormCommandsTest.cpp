#include "MainFormTestSupport.h"
#include "StatusPanels.h"

#include <QAction>
#include <QActionGroup>
#include <QMenu>
#include <QMenuBar>
#include <QSignalSpy>
#include <QTest>
#include <QToolBar>

namespace {

// The entries of a menu as captions, "-" for a separator, ">" before a
// submenu's caption.
QStringList entries(const QMenu* M) {
    QStringList out;
    for (const QAction* a : M->actions()) {
        if (a->isSeparator())
            out << QStringLiteral("-");
        else if (a->menu())
            out << QLatin1Char('>') + a->text();
        else
            out << a->text();
    }
    return out;
}

} // namespace

TEST_F(MainFormTest, MenusHoldTheCommandTableInOrder) {
    TMainForm& f = form();
    QStringList titles;
    for (const QAction* a : f.menuBar()->actions())
        titles << a->text();
    EXPECT_EQ(titles,
              (QStringList{"&File", "&Edit", "&Icon", "&Effects", "&Options", "&Veiw", "&Help"}));
    const MainCommands& c = f.commands();
    EXPECT_EQ(entries(c.File1), (QStringList{"&New", "&Open", "&Save", "Save &As...", "-", "&1 ",
                                             "&2 ", "&3 ", "&4 ", "-", "E&xit"}));
    EXPECT_EQ(entries(c.Edit1),
              (QStringList{"&Undo", "&Redo", "-", "&Cut", "&Copy", "&Paste", "C&lear"}));
    EXPECT_EQ(entries(c.Icon1),
              (QStringList{"&New", "&Open", "&Remove", "&Duplicate", "-", "&Resize",
                           ">Image C&olors", "&Configure Palette", "-", "&Preview"}));
    EXPECT_EQ(entries(c.Color2),
              (QStringList{"&2 Colors (1bit)", "&16 Colors (4bits)", "2&56 Colors (8bits)",
                           "&True Color (24bits)", "True Color with &Alpha (32bits)"}));
    EXPECT_EQ(entries(c.Effects1), (QStringList{"&Invert Colors",
                                                "Invert &Alpha",
                                                "&Grayscale",
                                                "Color &Levels",
                                                "-",
                                                "Image &Balance",
                                                "&Saturation",
                                                "-",
                                                "Add Color &Noise",
                                                "Add Color Noise with Alp&ha",
                                                "Add &Pen Noise",
                                                "Spa&tter",
                                                "-",
                                                "Bl&ur",
                                                "Sha&dow",
                                                ">&Emboss",
                                                "-",
                                                "S&mooth Contract",
                                                ">&Rotate",
                                                ">&Flip"}));
    EXPECT_EQ(entries(c.Emboss1),
              (QStringList{"Top Left", "Top Right", "Bottom Left", "Bootom Right"}));
    EXPECT_EQ(entries(c.Rotate1),
              (QStringList{"Clock&wise", "&Counterclockwise", "Cust&om Rotation"}));
    EXPECT_EQ(entries(c.Flip1), (QStringList{"Flip &Horizontal", "Flip &Vertical"}));
    EXPECT_EQ(entries(c.Options1),
              (QStringList{"&Transparent Color", "&Inverted Color", "&Grid Color", "-",
                           "Undo Le&vel", "Transparency alpha &range"}));
    EXPECT_EQ(entries(c.Veiw1), (QStringList{"&Grid", "-", "&Toolbar", "&Status bar"}));
    EXPECT_EQ(entries(c.Help1), (QStringList{"&Contents", "-", "Visit Homepage", "-", "About..."}));

    // No recent file yet: the four entries and the separator after them hide.
    for (const QAction* a : c.recentItems())
        EXPECT_FALSE(a->isVisible());
    EXPECT_FALSE(c.N2->isVisible());
}

TEST_F(MainFormTest, CommandsHaveTheirShortcutsHintsAndStates) {
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
        {"CutA", "Ctrl+X", "Cuts the image/selection and puts it on the Clipboard.", false},
        {"CopyA", "Ctrl+C", "Copies the image/selection and puts it on the Clipboard.", false},
        {"PasteA", "Ctrl+V", "Inserts the contents of the Clipboard.", false},
        {"Clear2", "Del", "Clears the image/selection.", false},
        {"NewIA", "Ctrl+I", "Adds a new icon/cursor to file.", true},
        {"Open2", "", "Opens an icon/cursor file and adds its images to current file.", true},
        {"RemoveIA", "Ctrl+R", "Deletes active image from file.", false},
        {"Duplicate1", "", "Creates a copy of active image.", true},
        {"Resize1", "", "Changes the size of active image.", false},
        {"PalA", "", "Configures active image palette.", false},
        {"PreviewA", "Ctrl+P", "Previews active image.", true},
        {"Invert1", "Alt+I", "Inverts red, green and blue channels of the image/selection.", false},
        {"AddColorNoisewithAlpha1", "Alt+F",
         "Adds noise with random 32bit colors to the image/selection.", false},
        {"opRight1", "Alt+Shift+E", "Applies the Emboss effect", false},
        {"BootomRight1", "Ctrl+Shift+E", "Applies the Emboss effect", false},
        {"SmoothStretch1", "Alt+M", "", false},
        {"FlipVertical1", "Alt+V", "Flips image/selection vertical.", false},
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
        EXPECT_EQ(a->actionGroup(), f.commands().FormatGroup);
    EXPECT_TRUE(f.commands().FormatGroup->isExclusive());
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
    f.bindCommand(f.commands().Invert1, [&] { ++inverted; });
    EXPECT_TRUE(f.commands().Invert1->isEnabled());

    QTest::keyClick(&f, Qt::Key_I, Qt::AltModifier);
    QTest::keyClick(&f, Qt::Key_I, Qt::AltModifier);
    EXPECT_EQ(inverted, 2);
}

TEST_F(MainFormTest, NewAsksBeforeDroppingUnsavedWork) {
    TMainForm& f = form();
    f.session().document().FileName = QStringLiteral("/tmp/kept.ico");
    f.session().setModified(true);
    prompts.answer(MessageAnswer::Cancel);
    f.commands().NewA->trigger();
    EXPECT_EQ(f.session().document().FileName, QStringLiteral("/tmp/kept.ico"));

    prompts.answer(MessageAnswer::No);
    QSignalSpy title(&f, &QWidget::windowTitleChanged);
    f.commands().NewA->trigger();
    EXPECT_TRUE(f.session().document().FileName.isEmpty());
    EXPECT_EQ(f.windowTitle(), QStringLiteral("Brisel - Untitled"));
    EXPECT_EQ(prompts.messages.size(), 2u);
}

TEST_F(MainFormTest, ToggledBarsHideAndShow) {
    TMainForm& f = form();
    f.show();
    f.commands().oolbar1->trigger();
    EXPECT_FALSE(f.toolBar()->isVisible());
    f.commands().Statusbar1->trigger();
    EXPECT_FALSE(f.statusPanels()->isVisible());
    f.commands().oolbar1->trigger();
    f.commands().Statusbar1->trigger();
    EXPECT_TRUE(f.toolBar()->isVisible());
    EXPECT_TRUE(f.statusPanels()->isVisible());
    f.commands().GridA->trigger();
    EXPECT_FALSE(f.session().settings().Grid);
}
