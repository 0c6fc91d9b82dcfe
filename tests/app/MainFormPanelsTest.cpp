#include "MainFormTestSupport.h"
#include "SessionTestSupport.h"
#include "app/ui/StatusPanels.h"
#include "canvas/ui/WorkView.h"
#include "colours/ui/ColourSwatches.h"
#include "colours/ui/ColoursBoxView.h"
#include "colours/ui/ColoursPanel.h"
#include "images/ui/IconListModel.h"
#include "images/ui/ImageListPanel.h"

#include <QAction>
#include <QListView>
#include <QMenu>
#include <QMouseEvent>
#include <QTest>

namespace {

class MainFormPanels : public MainFormTest {
protected:
    TMainForm& shown() {
        TMainForm& f = form();
        f.session().setNewIconPrompt(&newIcon);
        f.show();
        f.activateWindow();
        EXPECT_TRUE(QTest::qWaitForWindowActive(&f));
        return f;
    }
    QListView* list(TMainForm& F) { return F.imageList()->IconsList(); }
    QModelIndex row(TMainForm& F, int Row) { return F.imageList()->model()->index(Row); }

    ScriptedNewIcon newIcon;
};

TEST_F(MainFormPanels, UndoAndRedoFollowTheHistoryAndTheirKeys) {
    TMainForm& f = shown();
    const MainCommands& c = f.commands();
    EditSession& s = f.session();
    EXPECT_FALSE(c.action("UndoA")->isEnabled());
    EXPECT_FALSE(c.action("RedoA")->isEnabled());

    paintAll(s, 0xFF0000FFu);
    EXPECT_TRUE(c.action("UndoA")->isEnabled());
    list(f)->setFocus();
    QTest::keyClick(list(f), Qt::Key_Z, Qt::ControlModifier);
    EXPECT_EQ(s.WorkBitmap().GetPixel(0, 0), 0u);
    EXPECT_FALSE(c.action("UndoA")->isEnabled());
    EXPECT_TRUE(c.action("RedoA")->isEnabled());

    QTest::keyClick(list(f), Qt::Key_Z, Qt::ControlModifier | Qt::ShiftModifier);
    EXPECT_EQ(s.WorkBitmap().GetPixel(0, 0), 0xFF0000FFu);
    EXPECT_TRUE(c.action("UndoA")->isEnabled());
    EXPECT_FALSE(c.action("RedoA")->isEnabled());
}

// Undoing and redoing a resize with a format change lays the view out
// again, captions the list item and checks the format entry.
TEST_F(MainFormPanels, UndoAcrossSizeAndFormatUpdatesViewListAndMenu) {
    TMainForm& f = shown();
    EditSession& s = f.session();
    const double zoom32 = f.work()->zoom().ZoomX;
    // What a format change and a resize leave behind, recorded as one change.
    s.WorkBitmap().SetSize(16, 8);
    s.commit();
    s.ActiveImage().Format = 8;
    s.ActiveImage().Palette = PalettePicture::fromEntries(std::vector<TColor>(256, 0x00FF00u));
    s.PushUndo();

    f.commands().action("UndoA")->trigger();
    EXPECT_EQ(s.WorkBitmap().Width, 32);
    EXPECT_DOUBLE_EQ(f.work()->zoom().ZoomX, zoom32);
    EXPECT_EQ(row(f, 0).data().toString(), QStringLiteral("32 x 32  (TCA)"));
    EXPECT_TRUE(f.commands().action("rueColorwithAplpha1")->isChecked());
    EXPECT_FALSE(f.commands().action("PalA")->isEnabled());

    f.commands().action("RedoA")->trigger();
    EXPECT_EQ(s.WorkBitmap().Width, 16);
    EXPECT_GT(f.work()->zoom().ZoomX, zoom32);
    EXPECT_EQ(row(f, 0).data().toString(), QStringLiteral("16 x 8  (256)"));
    EXPECT_TRUE(f.commands().action("N256Color1")->isChecked());
    EXPECT_TRUE(f.commands().action("PalA")->isEnabled());
    EXPECT_EQ(f.coloursPanel()->ColorsBox()->height(), 330);
}

TEST_F(MainFormPanels, ImageCommandsThroughTheirKeysAndMenu) {
    TMainForm& f = shown();
    const MainCommands& c = f.commands();
    EXPECT_TRUE(c.action("NewIA")->isEnabled());
    EXPECT_TRUE(c.action("Duplicate1")->isEnabled());
    EXPECT_FALSE(c.action("RemoveIA")->isEnabled());

    newIcon.answer(NewIconChoice{20, 40, 4});
    list(f)->setFocus();
    QTest::keyClick(list(f), Qt::Key_I, Qt::ControlModifier);
    ASSERT_EQ(f.imageList()->model()->rowCount(), 2);
    EXPECT_EQ(row(f, 1).data().toString(), QStringLiteral("20 x 40  (16)"));
    EXPECT_TRUE(list(f)->selectionModel()->isSelected(row(f, 1)));
    EXPECT_TRUE(c.action("RemoveIA")->isEnabled());
    EXPECT_EQ(f.coloursPanel()->ColorsBox()->height(), 150);

    c.action("Duplicate1")->trigger();
    ASSERT_EQ(f.imageList()->model()->rowCount(), 3);
    EXPECT_TRUE(list(f)->selectionModel()->isSelected(row(f, 2)));

    QTest::keyClick(list(f), Qt::Key_R, Qt::ControlModifier);
    QTest::keyClick(list(f), Qt::Key_R, Qt::ControlModifier);
    EXPECT_EQ(f.imageList()->model()->rowCount(), 1);
    EXPECT_FALSE(c.action("RemoveIA")->isEnabled());
    EXPECT_EQ(row(f, 0).data().toString(), QStringLiteral("32 x 32 (TCA)"));
}

TEST_F(MainFormPanels, DisplayColourCommandsAreAvailable) {
    TMainForm& f = shown();
    const MainCommands& c = f.commands();
    for (QAction* a : {c.action("ransparentColor1"), c.action("InvertedColor1"), c.action("GridColor1")})
        EXPECT_TRUE(a->isEnabled()) << a->objectName().toStdString();

    prompts.colorAnswer(0x0000FFu);
    c.action("ransparentColor1")->trigger();
    EXPECT_EQ(f.session().settings().TraColor, 0x0000FFu);
    EXPECT_EQ(f.session().coloursBox().colourAt(10, f.session().coloursBox().pictureHeight() - 3),
              std::optional<TColor>(0x0000FFu));
    prompts.colorAnswer(0x00FFFFu);
    c.action("GridColor1")->trigger();
    EXPECT_EQ(f.session().settings().GridColor, 0x00FFFFu);
}

TEST_F(MainFormPanels, ColourReadoutsGoToTheStatusBar) {
    TMainForm& f = shown();
    ColourSwatch* pecol = f.coloursPanel()->colspan()->pecol();
    QMouseEvent move(QEvent::MouseMove, QPointF(4, 4), pecol->mapToGlobal(QPointF(4, 4)),
                     Qt::NoButton, Qt::NoButton, Qt::NoModifier);
    QApplication::sendEvent(pecol, &move);
    EXPECT_EQ(f.statusPanels()->panelText(1), QStringLiteral("0,0,0"));
    EXPECT_EQ(f.statusPanels()->panelText(2), QStringLiteral("#000000"));
    QEvent leave(QEvent::Leave);
    QApplication::sendEvent(pecol, &leave);
    EXPECT_TRUE(f.statusPanels()->panelText(1).isEmpty());
    EXPECT_TRUE(f.statusPanels()->panelText(2).isEmpty());
}

} // namespace

// A right click on an image of the list makes it the active image and offers
// the image commands, "Stored as PNG" among them, checked and enabled as the
// Icon menu's entry is.
TEST_F(MainFormPanels, TheListsContextMenuActsOnTheImageClicked) {
    TMainForm& f = shown();
    const MainCommands& c = f.commands();
    QAction* png = c.action("StoredAsPng1");
    EXPECT_TRUE(png->isEnabled());
    EXPECT_FALSE(png->isChecked());
    newIcon.answer(NewIconChoice{20, 40, 4});
    c.action("NewIA")->trigger();
    EXPECT_FALSE(png->isEnabled()) << "a 16-colour image is a bitmap";

    QMenu* menu = f.imageList()->showContextMenu(list(f)->visualRect(row(f, 0)).center());
    ASSERT_NE(menu, nullptr);
    EXPECT_EQ(f.session().document().activeIndex(), 0);
    EXPECT_TRUE(menu->actions().contains(png));
    EXPECT_TRUE(png->isEnabled());
    png->trigger();
    menu->close();
    EXPECT_TRUE(png->isChecked());
    EXPECT_TRUE(f.session().document().image(0).StoredAsPng);
    EXPECT_TRUE(f.session().document().Modified);
    c.action("UndoA")->trigger();
    EXPECT_FALSE(png->isChecked());
    EXPECT_FALSE(f.session().document().image(0).StoredAsPng);
}
