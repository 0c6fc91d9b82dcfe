#include "effects/ColourEffects.h"
#include "EffectsTestSupport.h"

#include <QRegion>
#include <gtest/gtest.h>

TEST(InvertTest, InvertsColourKeepsAlphaAndTwiceRestores) {
    const TBitmap32 start = grid(3, 1, {Color32(255, 10, 20, 30), Color32(0, 1, 2, 3), Color32(77, 255, 0, 128)});
    TBitmap32 b = start;
    Invert(b);
    EXPECT_EQ(b.Bits, (std::vector<TColor32>{Color32(255, 245, 235, 225), Color32(0, 254, 253, 252),
                                             Color32(77, 0, 255, 127)}));
    Invert(b);
    EXPECT_EQ(b.Bits, start.Bits);
}

TEST(InvertTest, InvertAlphaShowsTheStoredColourOfTransparentPixels) {
    TBitmap32 b = grid(2, 1, {Color32(0, 203, 176, 114), Color32(200, 1, 2, 3)});
    InvertAlpha(b);
    EXPECT_EQ(b.Bits, (std::vector<TColor32>{Color32(255, 203, 176, 114), Color32(55, 1, 2, 3)}));
}

TEST(InvertTest, ClipRegionLimitsTheWrites) {
    TBitmap32 b = grid(2, 1, {grey(0), grey(0)});
    const QRegion clip(1, 0, 1, 1);
    b.ClipRegion = &clip;
    Invert(b);
    EXPECT_EQ(b.Bits, (std::vector<TColor32>{grey(0), grey(255)}));
}

TEST(GrayscaleTest, WeightedSumRoundsHalvesToEven) {
    struct Case {
        int r, g, b, expected;
    };
    const Case cases[] = {
        {255, 0, 0, 76},   // 76.5 goes to the even neighbour
        {5, 0, 0, 2},      // 1.5 goes to 2
        {0, 255, 0, 150},  // 150.45
        {0, 0, 255, 28},   // 28.05
        {255, 255, 255, 255},
        {0, 0, 0, 0},
        {15, 0, 0, 4},     // 4.5 goes to 4
        {25, 0, 0, 8},     // just above 7.5
        // Where plain double precision would round the other way: 3.4999...
        // (4 in double), and an exact 27.5 (27.4999... in double).
        {0, 5, 5, 3},
        {0, 44, 14, 28},
        {100, 50, 10, 61}, // 30 + 29.5 + 1.1 = 60.6
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << c.r << "," << c.g << "," << c.b);
        EXPECT_EQ(GrayValue(c.r, c.g, c.b), c.expected);
        TBitmap32 b = grid(1, 1, {Color32(99, c.r, c.g, c.b)});
        Grayscale(b);
        EXPECT_EQ(b.Bits[0], grey(c.expected, 99));
    }
}

TEST(GrayscaleTest, EveryGreyStays) {
    for (int v = 0; v < 256; ++v) EXPECT_EQ(GrayValue(v, v, v), v) << v;
}

TEST(SaturationTest, MovesChannelsTowardTheMeanTruncatingTowardZero) {
    struct Case {
        TColor32 in, expected;
    };
    const Case cases[] = {
        {Color32(255, 255, 0, 0), Color32(255, 231, 12, 12)},
        // Mean 3: +7 * 220 / 255 = 6, -3 * 220 / 255 = -2 (not -3).
        {Color32(40, 10, 0, 0), Color32(40, 9, 1, 1)},
        {grey(128, 0), grey(128, 0)},
        {Color32(255, 255, 255, 0), Color32(255, 243, 243, 24)}, // mean 170
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << std::hex << c.in);
        EXPECT_EQ(SaturatePixel(c.in), c.expected);
        TBitmap32 b = grid(1, 1, {c.in});
        Saturation(b);
        EXPECT_EQ(b.Bits[0], c.expected);
    }
}
