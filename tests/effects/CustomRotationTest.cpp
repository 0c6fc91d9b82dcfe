#include "effects/CustomRotation.h"
#include "EffectsTestSupport.h"
#include "effects/Orientation.h"

#include <gtest/gtest.h>

TEST(CustomRotationTest, SquareSideIsTheRoundedDiagonal) {
    EXPECT_EQ(RotationSquareSide(32, 32), 45); // 45.25
    EXPECT_EQ(RotationSquareSide(15, 16), 22); // 21.93
    EXPECT_EQ(RotationSquareSide(255, 255), 361);
    EXPECT_EQ(RotationSquareSide(1, 1), 1);
}

TEST(CustomRotationTest, NoTurnAndFullTurnGiveThePictureBack) {
    const TBitmap32 start = numbered(32, 32);
    for (int angle : {0, 360}) {
        SCOPED_TRACE(angle);
        TBitmap32 b = start;
        RotateWithinImage(b, angle);
        EXPECT_TRUE(b.samePixels(start));
    }
}

TEST(CustomRotationTest, QuarterTurnIsCounterclockwiseMovedDownARow) {
    const TBitmap32 start = numbered(32, 32);
    TBitmap32 turned = start;
    RotateWithinImage(turned, 90);
    TBitmap32 ccw = start;
    RotateCounterclockwise(ccw);
    for (int y = 0; y < 32; ++y)
        for (int x = 0; x < 32; ++x) {
            SCOPED_TRACE(testing::Message() << x << "," << y);
            EXPECT_EQ(turned.GetPixel(x, y), y == 0 ? 0u : ccw.GetPixel(x, y - 1));
            EXPECT_EQ(turned.GetPixel(x, y), start.GetPixel(32 - y, x));
        }
}

TEST(CustomRotationTest, OddSizeMovesByOnePixel) {
    // 15 x 16: the source centre 7 plus the margin 3 is 10, the square's
    // centre 11.
    const TBitmap32 start = numbered(15, 16);
    TBitmap32 b = start;
    RotateWithinImage(b, 0);
    for (int y = 0; y < 16; ++y)
        for (int x = 0; x < 15; ++x) EXPECT_EQ(b.GetPixel(x, y), start.GetPixel(x - 1, y)) << x << "," << y;
}

TEST(CustomRotationTest, DiagonalTurnLeavesTheImageCornersTransparent) {
    const TBitmap32 start = grid(32, 32, std::vector<TColor32>(32 * 32, grey(50)));
    TBitmap32 b = start;
    RotateWithinImage(b, 45);
    for (QPoint p : {QPoint(0, 0), QPoint(31, 0), QPoint(0, 31), QPoint(31, 31)}) EXPECT_EQ(b.GetPixel(p.x(), p.y()), 0u);
    EXPECT_EQ(b.GetPixel(16, 16), grey(50));
    EXPECT_EQ(b.GetPixel(16, 1), grey(50));
}

TEST(CustomRotationTest, SelectionGrowsAroundItsCentre) {
    const TBitmap32 start = numbered(32, 32);
    TBitmap32 sel = start;
    QRect rect = TRect(10, 20, 42, 52);
    RotateSelection(sel, rect, 0);
    EXPECT_EQ(sel.Width, 45);
    EXPECT_EQ(sel.Height, 45);
    EXPECT_EQ(rect, TRect(4, 14, 49, 59));
    EXPECT_EQ(sel.GetPixel(6, 6), start.GetPixel(0, 0));
    EXPECT_EQ(sel.GetPixel(37, 37), start.GetPixel(31, 31));
    EXPECT_EQ(sel.GetPixel(5, 6), 0u);
}

TEST(CustomRotationTest, KeepsTheColourOfTransparentPixels) {
    TBitmap32 b = grid(2, 2, std::vector<TColor32>(4, Color32(0, 203, 176, 114)));
    RotateWithinImage(b, 0);
    EXPECT_EQ(b.Bits, std::vector<TColor32>(4, Color32(0, 203, 176, 114)));
}
