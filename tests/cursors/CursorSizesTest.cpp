// Making a cursor's sizes from the sizes drawn, and carrying icon and cursor
// images over to X cursor images.

#include "document/file/CursorSizes.h"
#include "document/file/XcursorConvert.h"

#include <gtest/gtest.h>

namespace {

XcursorImage drawn(std::uint32_t Nominal, int W, int H, int Hx, int Hy, std::uint32_t Delay,
                   std::uint32_t Colour) {
    XcursorImage i;
    i.NominalSize = Nominal;
    i.Width = W;
    i.Height = H;
    i.HotSpotX = Hx;
    i.HotSpotY = Hy;
    i.DelayMs = Delay;
    i.Pixels.assign(std::size_t(W * H), Colour);
    return i;
}

} // namespace

TEST(CursorSizes, HotSpotLandsOnThePixelHoldingTheSamePoint) {
    struct Case {
        int Hot, From, To, Expected;
    };
    const Case cases[] = {
        {0, 32, 24, 0},   {31, 32, 24, 23}, {16, 32, 24, 12}, {15, 32, 48, 23},
        {0, 32, 64, 0},   {5, 32, 64, 10},  {0, 32, 96, 1},   {31, 32, 96, 94},
        {0, 1, 1, 0},     {40, 48, 24, 20}, {47, 48, 1, 0},   {3, 4, 8, 6},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(::testing::Message() << c.Hot << " " << c.From << " -> " << c.To);
        EXPECT_EQ(MapHotSpot(c.Hot, c.From, c.To), c.Expected);
    }
}

TEST(CursorSizes, DrawnSizesAreKeptAndTheOthersMadeFromTheNearestLarger) {
    // Pixel art drawn at 32 (one frame) and 48 (two frames).
    std::vector<XcursorImage> in{drawn(32, 32, 32, 4, 6, 0, 0xFF0000FF),
                                 drawn(48, 48, 48, 9, 9, 70, 0xFF00FF00),
                                 drawn(48, 48, 48, 8, 8, 30, 0xFFFF0000)};
    const std::vector<XcursorImage> out = MakeCursorSizes(in, {96, 24, 32, 48, 64, 24, 0});
    struct Expect {
        std::uint32_t Nominal;
        int Side, Hx, Hy;
        std::uint32_t Delay, Colour;
    };
    const Expect expected[] = {
        {24, 24, 3, 4, 0, 0xFF0000FF},  // 32 * 24/32, averaged
        {32, 32, 4, 6, 0, 0xFF0000FF},  // as drawn
        {48, 48, 9, 9, 70, 0xFF00FF00}, // as drawn, both frames
        {48, 48, 8, 8, 30, 0xFFFF0000},
        {64, 48, 9, 9, 70, 0xFF00FF00}, // from 48: pixel art grows only by whole numbers
        {64, 48, 8, 8, 30, 0xFFFF0000},
        {96, 96, 18, 18, 70, 0xFF00FF00}, // 48 twice: each pixel a 2 x 2 block
        {96, 96, 16, 16, 30, 0xFFFF0000},
    };
    ASSERT_EQ(out.size(), std::size(expected));
    for (std::size_t k = 0; k < out.size(); ++k) {
        SCOPED_TRACE(k);
        const Expect& e = expected[k];
        EXPECT_EQ(out[k].NominalSize, e.Nominal);
        EXPECT_EQ(out[k].Width, e.Side);
        EXPECT_EQ(out[k].Height, e.Side);
        EXPECT_EQ(out[k].HotSpotX, e.Hx);
        EXPECT_EQ(out[k].HotSpotY, e.Hy);
        EXPECT_EQ(out[k].DelayMs, e.Delay);
        for (std::uint32_t c : out[k].Pixels)
            ASSERT_EQ(c, e.Colour);
    }
}

TEST(CursorSizes, PixelArtStaysSharpAndSmoothArtIsBlended) {
    // A 2 x 2 checker of black and white, drawn at nominal 2.
    XcursorImage checker = drawn(2, 2, 2, 1, 1, 0, 0xFF000000);
    checker.Pixels[1] = checker.Pixels[2] = 0xFFFFFFFF;
    const XcursorImage sharp = ScaleCursorImage(checker, 6, CursorArt::Auto);
    ASSERT_EQ(sharp.Width, 6);
    for (int y = 0; y < 6; ++y)
        for (int x = 0; x < 6; ++x)
            ASSERT_EQ(sharp.Pixels[std::size_t(y * 6 + x)], ((x / 3 + y / 3) % 2) ? 0xFFFFFFFFu
                                                                                 : 0xFF000000u);
    EXPECT_EQ(sharp.HotSpotX, 4);

    // The same with one pixel half transparent is smooth art: enlarged to the
    // exact size, with grey between the pixels.
    checker.Pixels[3] = 0x80000000;
    const XcursorImage smooth = ScaleCursorImage(checker, 3, CursorArt::Auto);
    ASSERT_EQ(smooth.Width, 3);
    const std::uint32_t middle = smooth.Pixels[4];
    EXPECT_GT(middle >> 24, 0x80u);
    EXPECT_LT(middle >> 24, 0xFFu);
    EXPECT_GT(middle & 0xFF, 0x00u);
    EXPECT_LT(middle & 0xFF, 0xFFu);

    // Shrinking averages: four pixels to one grey of their mean.
    const XcursorImage small = ScaleCursorImage(checker, 1, CursorArt::PixelArt);
    ASSERT_EQ(small.Pixels.size(), 1u);
    EXPECT_EQ(small.Pixels[0] >> 24, (255u * 3 + 128 + 2) / 4);
}

TEST(CursorSizes, TransparentPixelsLendNoColourWhenEnlarging) {
    XcursorImage edge = drawn(2, 2, 1, 0, 0, 0, 0xFF0000FF);
    edge.Pixels[1] = 0x0000FF00; // invisible green
    const XcursorImage big = ScaleCursorImage(edge, 8, CursorArt::Smooth);
    for (std::uint32_t c : big.Pixels)
        if (c >> 24) {
            EXPECT_EQ(c & 0xFFFFFF, 0x0000FFu) << std::hex << c;
        }
}

TEST(XcursorConvert, ScreenInvertingPixelsBecomeDarkWithALightOutline) {
    const TransparencySettings s;
    // A 4-bit cursor: . transparent, i inverted, r red.
    const char* grid[] = {
        "......",
        "..i...",
        "......",
        "....rr",
        ".....i",
    };
    IconRaster r;
    r.Width = 6;
    r.Height = 5;
    r.Format = 4;
    r.HotSpotX = 2;
    r.HotSpotY = 1;
    for (const char* row : grid)
        for (const char* p = row; *p; ++p)
            r.Pixels.push_back(*p == 'i' ? s.InvColor : *p == 'r' ? 0xFF0000FF : s.TraColor);
    const char* expected[] = {
        ".www..",
        ".wdw..",
        ".www..",
        "....rr",
        "....wd",
    };
    int inverted = 0;
    const XcursorImage x = XcursorImageFromRaster(r, s, inverted);
    EXPECT_EQ(inverted, 2);
    EXPECT_EQ(x.NominalSize, 6u);
    EXPECT_EQ(x.HotSpotX, 2);
    EXPECT_EQ(x.HotSpotY, 1);
    for (int y = 0; y < 5; ++y)
        for (int xx = 0; xx < 6; ++xx) {
            const char e = expected[y][xx];
            const std::uint32_t want = e == 'w'   ? InvertedOutline
                                       : e == 'd' ? InvertedStandIn
                                       : e == 'r' ? 0xFF0000FF
                                                  : 0u;
            EXPECT_EQ(x.Pixels[std::size_t(y * 6 + xx)], want) << xx << "," << y;
        }
}
