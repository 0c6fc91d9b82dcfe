#include "canvas/tools/ToolInfo.h"
#include "tools_ui_support.h"

// The select tool on the real work view: the handle cursors, and the marching
// frame, which marches while a selection floats, is held while it is dragged
// and stops when it is dropped.
TEST_F(ToolsUiFixture, SelectionFrameMarchesAndIsHeldWhileDragged) {
    choose(SelectTag);
    EXPECT_EQ(ui->workCursor(), 22);
    WorkView* work = parts.Work;
    EXPECT_FALSE(work->selectionFrameRunning());
    stroke({QPoint(2, 2), QPoint(9, 6), QPoint(9, 6)});
    ASSERT_NE(session.floatingSelection(), nullptr);
    EXPECT_TRUE(work->selectionFrameRunning());
    EXPECT_EQ(work->selectionFrameInterval(), 500);

    // Each tick draws the frame and shifts its pattern by one cell.
    const int phase = work->selectionFramePhase();
    work->selTimTimer();
    EXPECT_NE(work->selectionFramePhase(), phase);

    hover(QPoint(4, 4));
    EXPECT_EQ(ui->workCursor(), 23);
    hover(QPoint(9, 6));
    EXPECT_EQ(ui->workCursor(), 31);
    hover(QPoint(4, 4));
    press(QPoint(4, 4));
    drag(QPoint(6, 5));
    EXPECT_TRUE(work->selectionFrameEnabled());
    EXPECT_FALSE(work->selectionFrameRunning()) << "held at interval 0";
    EXPECT_EQ(work->selectionFrameInterval(), 0);
    release(QPoint(6, 5));
    EXPECT_TRUE(work->selectionFrameRunning());
    EXPECT_EQ(session.floatingSelection()->SelectionRect(), TRect(4, 3, 12, 8));

    choose(PenTag);
    EXPECT_EQ(session.floatingSelection(), nullptr);
    EXPECT_FALSE(work->selectionFrameRunning());
    EXPECT_FALSE(work->selectionFrameEnabled());
}
