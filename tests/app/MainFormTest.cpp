#include "MainFormTestSupport.h"
#include "app/ui/StatusPanels.h"

#include <QAction>
#include <QMenuBar>
#include <QScreen>
#include <QSplitter>
#include <QStatusTipEvent>
#include <QTest>
#include <QToolBar>

TEST_F(MainFormTest, FirstRunStartsWithDefaultsAndTheUntitledDocument) {
    TMainForm& f = form();
    // The default place, 197, 114, would put the right of the window off the
    // test platform's 800-pixel-wide screen: it moves just as far as the
    // screen needs.
    const QRect screen = f.screen()->availableGeometry();
    ASSERT_EQ(screen.width(), 800);
    EXPECT_EQ(f.pos(), QPoint(800 - 712, 114));
    EXPECT_EQ(f.size(), QSize(712, 550));
    EXPECT_EQ(f.windowTitle(), QStringLiteral("Brisel - Untitled"));
    EXPECT_TRUE(f.commands().action("GridA")->isChecked());
    EXPECT_TRUE(f.commands().action("oolbar1")->isChecked());
    EXPECT_TRUE(f.commands().action("Statusbar1")->isChecked());
    const ProgramSettings& s = f.session().settings();
    EXPECT_EQ(s.GridColor, 0x808080u);
    EXPECT_EQ(s.TraColor, 0xD2BB6Au);
    EXPECT_EQ(s.InvColor, 0x72B0CBu);
    EXPECT_EQ(s.UndoMax, 10);
    EXPECT_EQ(s.TraRange, 100);
    EXPECT_EQ(f.session().document().ImageCount(), 1);
    EXPECT_TRUE(prompts.messages.empty());

    f.show();
    EXPECT_TRUE(f.toolBar()->isVisible());
    EXPECT_TRUE(f.statusPanels()->isVisible());
    EXPECT_EQ(f.iconsPanel()->width(), 121);
    EXPECT_EQ(f.toolsPanel()->width(), 60);
    EXPECT_EQ(f.colorsPanel()->width(), 135);
}

TEST_F(MainFormTest, AnOrderlyCloseWritesEveryValue) {
    TMainForm& f = form();
    f.show();
    f.commands().action("oolbar1")->trigger(); // hide the tool bar
    f.commands().action("GridA")->trigger();   // hide the grid
    f.session().setUndoMax(25);
    f.session().setTraRange(7);
    f.resize(800, 600);

    ASSERT_TRUE(f.close());

    auto st = store();
    const QStringList expected = {
        "Left",      "Top",         "Width",          "Height",        "Grid Color",
        "Tra Color", "Inv Color",   "Undo Redo Max",  "Grid",          "Tool",
        "Status",    "Icons",       "Tra Range",      "Font Name",     "Font Size",
        "Font Bold", "Font Italic", "Font Underline", "Font Strikeout"};
    for (const QString& key : expected)
        EXPECT_TRUE(st->contains(key)) << key.toStdString();
    // No custom colour was ever made, so none is written.
    EXPECT_EQ(st->allKeys().size(), expected.size());
    EXPECT_EQ(st->value("Width").toInt(), 800);
    EXPECT_EQ(st->value("Height").toInt(), 600);
    EXPECT_EQ(st->value("Tool").toInt(), 0);
    EXPECT_EQ(st->value("Grid").toInt(), 0);
    EXPECT_EQ(st->value("Status").toInt(), 1);
    EXPECT_EQ(st->value("Undo Redo Max").toInt(), 25);
    EXPECT_EQ(st->value("Tra Range").toInt(), 7);
    EXPECT_EQ(st->value("Icons").toInt(), 121);
    EXPECT_EQ(st->value("Grid Color").toInt(), 0x808080);
}

TEST_F(MainFormTest, CancelAtSaveChangesKeepsTheWindowOpenAndWritesNothing) {
    TMainForm& f = form();
    f.show();
    f.session().setModified(true);
    prompts.answer(MessageAnswer::Cancel);

    EXPECT_FALSE(f.close());

    EXPECT_TRUE(f.isVisible());
    ASSERT_EQ(prompts.messages.size(), 1u);
    EXPECT_EQ(prompts.messages[0].Text, QStringLiteral("Save changes?"));
    EXPECT_TRUE(store()->allKeys().isEmpty());

    // Answering No closes and writes.
    prompts.answer(MessageAnswer::No);
    EXPECT_TRUE(f.close());
    EXPECT_FALSE(store()->allKeys().isEmpty());
}

TEST_F(MainFormTest, SettingsOfTheLastRunAreApplied) {
    {
        auto st = store();
        st->setValue("Left", 50);
        st->setValue("Top", 30);
        st->setValue("Width", 720);
        st->setValue("Height", 560);
        st->setValue("Tool", 0);
        st->setValue("Status", 0);
        st->setValue("Grid", 0);
        st->setValue("Icons", 180);
        st->setValue("Inv Color", 0xFF00FF);
    }
    TMainForm& f = form();
    f.show();
    EXPECT_EQ(f.pos(), QPoint(50, 30));
    EXPECT_EQ(f.size(), QSize(720, 560));
    EXPECT_FALSE(f.commands().action("oolbar1")->isChecked());
    EXPECT_FALSE(f.toolBar()->isVisible());
    EXPECT_FALSE(f.commands().action("Statusbar1")->isChecked());
    EXPECT_FALSE(f.statusPanels()->isVisible());
    EXPECT_FALSE(f.commands().action("GridA")->isChecked());
    EXPECT_EQ(f.iconsPanel()->width(), 180);
    EXPECT_EQ(f.session().settings().InvColor, 0xFF00FFu);
}

// Bounds saved on a larger screen come back on this one (the test platform's
// screen is 800 x 800): the whole window is on it.
TEST_F(MainFormTest, BoundsFromALargerScreenAreFittedOntoThisOne) {
    {
        auto st = store();
        st->setValue("Left", 600);
        st->setValue("Top", 400);
        st->setValue("Width", 1200);
        st->setValue("Height", 900);
    }
    TMainForm& f = form();
    f.show();
    const QRect screen = f.screen()->availableGeometry();
    EXPECT_EQ(f.frameGeometry().topLeft(), screen.topLeft());
    EXPECT_EQ(f.frameGeometry().size(), screen.size());
}

TEST_F(MainFormTest, StatusBarIsCutIntoFifths) {
    TMainForm& f = form();
    f.show();
    for (int w : {712, 1000, 1237}) {
        SCOPED_TRACE(w);
        f.resize(w, 600);
        QApplication::processEvents();
        const int fifth = f.statusPanels()->width() / 5;
        EXPECT_EQ(f.statusPanels()->panelWidth(0), 3 * fifth);
        EXPECT_EQ(f.statusPanels()->panelWidth(1), fifth);
        EXPECT_EQ(f.statusPanels()->panelWidth(2), fifth);
    }
}

TEST_F(MainFormTest, NeverSmallerThanItsMinimum) {
    TMainForm& f = form();
    f.show();
    // The frame counts once the window is on the screen.
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&f));
    QApplication::processEvents();
    f.resize(100, 100);
    // The whole window, frame included, as the desktop tracks it.
    EXPECT_GE(f.frameGeometry().width(), 700);
    EXPECT_GE(f.frameGeometry().height(), 545);
}

TEST_F(MainFormTest, HintsShowTheirLongPartInTheFirstPanel) {
    TMainForm& f = form();
    f.show();
    EXPECT_EQ(f.statusPanels()->panelText(0), QStringLiteral("Ready"));
    QAction* newA = f.commands().action("NewA");
    EXPECT_EQ(newA->toolTip(), QStringLiteral("New"));

    // As when the mouse rests on the tool bar button, then leaves it.
    newA->showStatusText(f.toolBar());
    EXPECT_EQ(f.statusPanels()->panelText(0), QStringLiteral("Creates a new icon/cursor."));
    QStatusTipEvent leave{QString()};
    QApplication::sendEvent(f.toolBar(), &leave);
    EXPECT_EQ(f.statusPanels()->panelText(0), QStringLiteral("Ready"));

    // A menu entry without "|" in its hint shows all of it.
    f.commands().action("Exit1")->showStatusText(f.menuBar());
    EXPECT_EQ(f.statusPanels()->panelText(0), QStringLiteral("Quits Brisel."));
}

TEST_F(MainFormTest, BusyTextReachesTheFirstPanel) {
    TMainForm& f = form();
    f.show();
    f.session().showStatus(QStringLiteral("Please wait..."));
    EXPECT_EQ(f.statusPanels()->panelText(0), QStringLiteral("Please wait..."));
}
