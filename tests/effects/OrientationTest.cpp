#include "EffectsTestSupport.h"
#include "effects/Orientation.h"

#include <gtest/gtest.h>

namespace {

// a b c / d e f
const std::vector<TColor32> kGrid = {1, 2, 3, 4, 5, 6};

} // namespace

TEST(OrientationTest, QuarterTurnsAndFlipsPlacePixels) {
    struct Case {
        const char* name;
        void (*effect)(TBitmap32&);
        int width, height;
        std::vector<TColor32> expected;
    };
    const Case cases[] = {
        {"clockwise", RotateClockwise, 2, 3, {4, 1, 5, 2, 6, 3}},
        {"counterclockwise", RotateCounterclockwise, 2, 3, {3, 6, 2, 5, 1, 4}},
        {"horizontal", FlipHorizontal, 3, 2, {3, 2, 1, 6, 5, 4}},
        {"vertical", FlipVertical, 3, 2, {4, 5, 6, 1, 2, 3}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        TBitmap32 b = grid(3, 2, kGrid);
        b.PenColor = 0x12345678u;
        c.effect(b);
        EXPECT_EQ(b.Width, c.width);
        EXPECT_EQ(b.Height, c.height);
        EXPECT_EQ(b.Size, c.width * c.height * 4);
        EXPECT_EQ(b.Bits, c.expected);
        EXPECT_EQ(b.PenColor, 0x12345678u);
    }
}

TEST(OrientationTest, RoundTrips) {
    const TBitmap32 start = numbered(16, 32);
    TBitmap32 b = start;
    RotateClockwise(b);
    EXPECT_EQ(b.Width, 32);
    EXPECT_EQ(b.Height, 16);
    for (int i = 0; i < 3; ++i) RotateClockwise(b);
    EXPECT_TRUE(b.samePixels(start));

    RotateClockwise(b);
    RotateCounterclockwise(b);
    EXPECT_TRUE(b.samePixels(start));

    FlipHorizontal(b);
    EXPECT_FALSE(b.samePixels(start));
    FlipHorizontal(b);
    FlipVertical(b);
    FlipVertical(b);
    EXPECT_TRUE(b.samePixels(start));
}

TEST(OrientationTest, SelectionKeepsItsCornerAndTakesTheNewSize) {
    const QRect r = ResizedSelectionRect(TRect(5, 6, 21, 38), 32, 16);
    EXPECT_EQ(r, TRect(5, 6, 37, 22));
}
