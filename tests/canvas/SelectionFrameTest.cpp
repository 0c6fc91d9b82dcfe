#include "canvas/SelectionFrame.h"

#include "pixel/TBitmap32.h"

#include <gtest/gtest.h>

namespace {

constexpr TColor White = 0xFFFFFF, Black = 0x000000;

std::vector<FrameCell> expected(std::initializer_list<FrameCell> Cells) {
    return Cells;
}

} // namespace

void PrintTo(const FrameCell& C, std::ostream* Out) {
    *Out << "(" << C.Cell.x() << "," << C.Cell.y() << (C.Colour ? " white)" : " black)");
}

TEST(SelectionFrame, WalksClockwiseAlternatingWithSilentCorners) {
    const auto cells = SelectionFrameCells(TRect(1, 1, 3, 3), 4, 4, 0);
    EXPECT_EQ(cells, expected({{{1, 1}, White},
                               {{2, 1}, Black}, // top
                               {{2, 1}, Black},
                               {{2, 2}, White}, // right
                               {{2, 2}, White},
                               {{1, 2}, Black}, // bottom
                               {{1, 2}, Black},
                               {{1, 1}, White}})); // left
}

TEST(SelectionFrame, NextPhaseShiftsThePattern) {
    const auto even = SelectionFrameCells(TRect(0, 0, 5, 3), 8, 8, 0);
    const auto odd = SelectionFrameCells(TRect(0, 0, 5, 3), 8, 8, 1);
    ASSERT_EQ(even.size(), odd.size());
    for (std::size_t i = 0; i < even.size(); ++i) {
        EXPECT_EQ(even[i].Cell, odd[i].Cell);
        EXPECT_NE(even[i].Colour, odd[i].Colour);
    }
}

TEST(SelectionFrame, SidesBeyondTheImageAreLeftOut) {
    // Right edge dragged past a 4 x 4 image: no right side, the top and bottom
    // stop at the last column.
    const auto right = SelectionFrameCells(TRect(1, 0, 7, 4), 4, 4, 0);
    for (const FrameCell& c : right) {
        EXPECT_LT(c.Cell.x(), 4);
        if (c.Cell.x() == 3) {
            EXPECT_TRUE(c.Cell.y() == 0 || c.Cell.y() == 3) << c.Cell.y();
        }
    }
    EXPECT_EQ(right.front().Cell, QPoint(1, 0));

    // Bottom edge past the image: no bottom row.
    const auto bottom = SelectionFrameCells(TRect(0, 2, 3, 9), 4, 4, 0);
    for (const FrameCell& c : bottom) {
        EXPECT_LT(c.Cell.y(), 4);
        if (c.Cell.y() == 3) {
            EXPECT_TRUE(c.Cell.x() == 0 || c.Cell.x() == 2) << c.Cell.x();
        }
    }

    // Moved past the top-left corner: negative cells stay, the view clips them.
    const auto corner = SelectionFrameCells(TRect(-2, -1, 1, 2), 4, 4, 0);
    EXPECT_EQ(corner.front().Cell, QPoint(-2, -1));
    EXPECT_EQ(corner.size(), 12u);
}
