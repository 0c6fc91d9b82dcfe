#include "MainFormTestSupport.h"
#include "app/ui/StatusPanels.h"
#include "canvas/tools/ToolInfo.h"
#include "canvas/ui/OptionPanels.h"
#include "canvas/ui/ToolsPanel.h"
#include "canvas/ui/ToolsUi.h"
#include "canvas/ui/WorkView.h"
#include "session/SessionTools.h"

#include <QFrame>
#include <QMouseEvent>
#include <QToolButton>

namespace {

QImage cursorPicture(const QCursor& C) {
    return C.pixmap().toImage().convertToFormat(QImage::Format_ARGB32);
}

} // namespace

// The tools as the main window puts them together: buttons in the tools
// panel, option panels below the work view, the program's cursors on Work.
TEST_F(MainFormTest, ToolButtonsSetTheProgramCursorAndOptionPanel) {
    TMainForm& f = form();
    ASSERT_NE(f.toolsUi(), nullptr);
    QToolButton* brush = f.toolsUi()->tools().button(BrushTag);
    EXPECT_EQ(brush->parentWidget(), f.toolsPanel());
    EXPECT_EQ(f.work()->cursor().shape(), Qt::BitmapCursor);
    EXPECT_EQ(cursorPicture(f.work()->cursor()), cursorPicture(f.cursors().cursor(25)));

    brush->click();
    EXPECT_EQ(f.session().tools().CurrentTool(), BrushTag);
    EXPECT_EQ(cursorPicture(f.work()->cursor()), cursorPicture(f.cursors().cursor(21)));
    auto* brushP = f.opsPanel()->findChild<QWidget*>(QStringLiteral("BrushP"));
    ASSERT_NE(brushP, nullptr);
    EXPECT_TRUE(brushP->isVisibleTo(f.opsPanel()));

    // The gradient bar's percentage reaches the status bar's second panel.
    f.toolsUi()->tools().button(PatilTag)->click();
    EXPECT_FALSE(brushP->isVisibleTo(f.opsPanel()));
    QWidget* box = f.toolsUi()->optionPanels().GraP()->GraBox();
    QMouseEvent move(QEvent::MouseMove, QPointF(150, 20), box->mapToGlobal(QPointF(150, 20)),
                     Qt::NoButton, Qt::NoButton, Qt::NoModifier);
    QApplication::sendEvent(box, &move);
    EXPECT_EQ(f.statusPanels()->panelText(1), QStringLiteral("75 %"));
}

TEST_F(MainFormTest, OpeningAFileChoosesThePencil) {
    TMainForm& f = form();
    f.toolsUi()->tools().button(SprayTag)->click();
    emit f.session().openingDocument();
    EXPECT_EQ(f.session().tools().CurrentTool(), PenTag);
    EXPECT_TRUE(f.toolsUi()->tools().button(PenTag)->isChecked());
}
