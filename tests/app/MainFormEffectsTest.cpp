#include "MainFormTestSupport.h"
#include "canvas/ui/WorkView.h"
#include "effects/ui/ResizeForm.h"
#include "effects/ui/RotateForm.h"

#include <QAction>
#include <QComboBox>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QSlider>
#include <QTest>

namespace {

class MainFormEffects : public MainFormTest {
protected:
    TMainForm& shown() {
        TMainForm& f = form();
        f.show();
        f.activateWindow();
        EXPECT_TRUE(QTest::qWaitForWindowActive(&f));
        // A picture that every effect below changes.
        TBitmap32& work = f.session().WorkBitmap();
        for (int y = 0; y < work.Height; ++y)
            for (int x = 0; x < work.Width; ++x)
                work.SetPixel(x, y, Color32(255, x * 8, y * 5, 77));
        f.session().commit();
        f.session().ResetUndo();
        return f;
    }
    int steps() { return form().session().undoHistory().UndoCount(); }
};

// The effects' Alt keys are also the menu titles' access keys: the command
// runs and no menu opens. F10 still opens the menu bar.
TEST_F(MainFormEffects, EffectKeysBeatTheMenuTitlesAndF10OpensTheMenuBar) {
    TMainForm& f = shown();
    const struct {
        Qt::Key key;
        const char* command;
    } keys[] = {{Qt::Key_F, "AddColorNoisewithAlpha1"},
                {Qt::Key_E, "opLeft1"},
                {Qt::Key_I, "Invert1"},
                {Qt::Key_V, "FlipVertical1"},
                {Qt::Key_H, "FlipHorizentall1"}};
    for (const auto& k : keys) {
        SCOPED_TRACE(k.command);
        const int before = steps();
        QTest::keyClick(&f, k.key, Qt::AltModifier);
        EXPECT_EQ(steps(), before + 1);
        EXPECT_EQ(QApplication::activePopupWidget(), nullptr);
        EXPECT_TRUE(f.work()->delayedRepaintPending());
    }
    QTest::keyClick(&f, Qt::Key_F10);
    auto* popup = qobject_cast<QMenu*>(QApplication::activePopupWidget());
    ASSERT_NE(popup, nullptr);
    EXPECT_EQ(popup->objectName(), QStringLiteral("File1"));
    popup->close();

    withModal<TRotFrm>(
        [&] { QTest::keyClick(&f, Qt::Key_O, Qt::AltModifier); },
        [](TRotFrm& d) { EXPECT_EQ(d.windowTitle(), QStringLiteral("Rotate Image")); });
}

TEST_F(MainFormEffects, DialogEffectAppliesOnOkAsOneStep) {
    TMainForm& f = shown();
    const TBitmap32 before = f.session().CleanBitmap();
    withModal<TRotFrm>([&] { f.commands().action("Custom1")->trigger(); },
                       [](TRotFrm& d) {
                           d.RTr()->setValue(90);
                           d.OK()->click();
                       });
    EXPECT_EQ(steps(), 2);
    // A quarter turn counterclockwise, moved down a row.
    EXPECT_EQ(f.session().CleanBitmap().GetPixel(5, 1), before.GetPixel(31, 5));

    withModal<TRotFrm>([&] { f.commands().action("Custom1")->trigger(); }, [](TRotFrm&) {});
    EXPECT_EQ(steps(), 2) << "Cancel changes nothing";
}

TEST_F(MainFormEffects, ResizeCommandGivesTheImageTheChosenSize) {
    TMainForm& f = shown();
    withModal<Tresizeform>([&] { f.commands().action("Resize1")->trigger(); },
                           [](Tresizeform& d) {
                               EXPECT_EQ(d.SizeC()->currentText(), QStringLiteral("32 x 32"));
                               d.SizeC()->setCurrentIndex(1);
                               d.OK()->click();
                           });
    EXPECT_EQ(f.session().WorkBitmap().Width, 16);
    EXPECT_EQ(f.session().ActiveImage().Caption, QStringLiteral("16 x 16  (TCA)"));
    EXPECT_EQ(steps(), 2);
}

} // namespace
