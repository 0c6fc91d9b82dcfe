#include "PaletteOps.h"
#include "tools/FillArea.h"
#include "tools/FillTool.h"
#include "tools/GradientFill.h"

#include <gtest/gtest.h>
#include <string>
#include <vector>

namespace {

constexpr TColor32 Black = 0xFF000000u, White = 0xFFFFFFFFu, Red = 0xFF0000FFu;
constexpr TColor32 Blue = 0xFFFF0000u;

TColor32 grey(int v) {
    return Color32(255, v, v, v);
}

TBitmap32 bitmap(int w, int h, const std::vector<TColor32>& pixels) {
    TBitmap32 b(w, h);
    b.Bits = pixels;
    return b;
}

TBitmap32 filled(int w, int h, TColor32 c) {
    return bitmap(w, h, std::vector<TColor32>(std::size_t(w * h), c));
}

// The session side of a fill, recording the order of the steps.
struct TestSession : FillContext {
    TBitmap32 work, clean;
    ColourFormat format = 32;
    PalettePicture palette;
    std::vector<TBitmap32> undo;
    std::string steps;

    explicit TestSession(TBitmap32 image) : work(image), clean(std::move(image)) {}
    TBitmap32& workBitmap() override { return work; }
    void commit() override {
        clean.Assign(work);
        steps += 'C';
    }
    void fitToPalette() override {
        FitToPalette(clean, format, palette);
        work.Assign(clean);
        steps += 'F';
    }
    void pushUndo() override {
        undo.push_back(clean);
        steps += 'U';
    }
    // The mouse protocol's colours: the right button paints with the background.
    void press(FillTool& tool, int x, int y, bool left = true, TColor32 fg = Red,
               TColor32 bg = Blue) {
        work.PenColor = left ? fg : bg;
        work.BrushColor = left ? bg : fg;
        tool.press(*this, x, y, left);
    }
};

void setUp(FillTool& tool, FillTool::Mode mode, int angle = 0) {
    tool.setMode(mode);
    tool.setAngle(angle);
}

} // namespace

TEST(FillArea, ExactColourFourConnected) {
    const TColor32 A = 0xFF102030u, A2 = 0xFE102030u, B = Black;
    // The centre differs from A only in alpha; the corner A's touch the rest
    // diagonally only.
    const TBitmap32 img = bitmap(4, 3,
                                 {A, A, B, A,  //
                                  A, A2, A, B, //
                                  B, A, B, A});
    const FillArea area(img, 0, 0);
    const std::vector<int> want = {1, 1, 0, 0, //
                                   1, 0, 0, 0, //
                                   0, 0, 0, 0};
    EXPECT_EQ(area.count(), 3);
    for (int y = 0; y < 3; ++y)
        for (int x = 0; x < 4; ++x)
            EXPECT_EQ(area.contains(x, y), want[std::size_t(y * 4 + x)] != 0) << x << "," << y;
    EXPECT_TRUE(FillArea(img, 4, 0).empty());
    EXPECT_TRUE(FillArea(img, -1, 2).empty());
    EXPECT_EQ(FillArea(filled(255, 255, A), 200, 17).count(), 255 * 255);
}

TEST(FillTool, SolidFillStopsAtAnAlphaOnlyDifference) {
    const TColor32 A = 0xFF102030u, A2 = 0x80102030u;
    TestSession s(bitmap(3, 3,
                         {A, A, A,  //
                          A, A2, A, //
                          A, A, A}));
    s.work.Blend = false;
    FillTool tool;
    s.press(tool, 1, 1);
    EXPECT_EQ(s.clean.Bits, (std::vector<TColor32>{A, A, A, A, Red, A, A, A, A}));
    EXPECT_EQ(s.steps, "CU"); // no palette snapping for a solid fill
    s.press(tool, 0, 0, false);
    EXPECT_EQ(s.clean.Bits,
              (std::vector<TColor32>{Blue, Blue, Blue, Blue, Red, Blue, Blue, Blue, Blue}));
    ASSERT_EQ(s.undo.size(), 2u);
    EXPECT_TRUE(s.undo.back().samePixels(s.clean));
}

TEST(FillTool, LinearGradientAcrossTheClickedLine) {
    // Black to white: table entries 85 and 170 are the colours at positions
    // 66 and 133, that is 84 and 170.
    struct Case {
        int angle, w, h, x, y;
        std::vector<TColor32> want;
    };
    const std::vector<Case> cases = {
        {0, 1, 5, 0, 2, {grey(170), grey(84), Black, grey(84), grey(170)}},
        {90, 5, 1, 2, 0, {grey(170), grey(84), Black, grey(84), grey(170)}},
        {0, 3, 2, 1, 0, {Black, Black, Black, grey(128), grey(128), grey(128)}},
        // The line rises to the upper right: (1, 1) lies farthest from it.
        {45, 2, 2, 0, 0, {Black, grey(89), grey(89), grey(180)}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.angle);
        TestSession s(filled(c.w, c.h, White));
        FillTool tool;
        setUp(tool, FillTool::Mode::Linear, c.angle);
        s.press(tool, c.x, c.y);
        EXPECT_EQ(s.clean.Bits, c.want);
        EXPECT_EQ(s.steps, "CFU");
    }
}

TEST(FillTool, RightButtonGradientReverses) {
    // Distances 2, 1, 0, 1, 2 pick entries 170, 85, 0 with the left button
    // and 85, 170, 255 with the right: the clicked pixel gets the LCol end.
    for (FillTool::Mode mode : {FillTool::Mode::Linear, FillTool::Mode::Conical}) {
        SCOPED_TRACE(int(mode));
        TestSession left(filled(1, 5, Red)), right(filled(1, 5, Red));
        FillTool tool;
        setUp(tool, mode);
        left.press(tool, 0, 2, true);
        right.press(tool, 0, 2, false);
        EXPECT_EQ(left.clean.Bits,
                  (std::vector<TColor32>{grey(170), grey(84), Black, grey(84), grey(170)}));
        EXPECT_EQ(right.clean.Bits,
                  (std::vector<TColor32>{grey(84), grey(170), White, grey(170), grey(84)}));
    }
}

TEST(FillTool, ConicalGradientMakesRingsInsideTheArea) {
    // A 5 x 5 white square, its right column red: the fill keeps to the white.
    // The far corners (3, 0) and (3, 4) lie sqrt(8) away, so D = 3 and a
    // distance d picks entry Round(d * 255 / 4).
    TBitmap32 img = filled(5, 5, White);
    for (int y = 0; y < 5; ++y)
        img.SetPixel(4, y, Red);
    TestSession s(img);
    FillTool tool;
    setUp(tool, FillTool::Mode::Conical);
    s.press(tool, 1, 2);
    const TColor32 d1 = grey(64), d2 = grey(128), diag = grey(89); // entries 64, 128, 90
    struct Px {
        int x, y;
        TColor32 want;
    };
    for (const Px& p : std::vector<Px>{{1, 2, Black},
                                       {0, 2, d1},
                                       {2, 2, d1},
                                       {1, 1, d1},
                                       {1, 3, d1},
                                       {1, 0, d2},
                                       {1, 4, d2},
                                       {3, 2, d2},
                                       {0, 1, diag},
                                       {2, 3, diag},
                                       {4, 2, Red},
                                       {4, 0, Red}}) {
        SCOPED_TRACE(std::to_string(p.x) + "," + std::to_string(p.y));
        EXPECT_EQ(s.clean.GetPixel(p.x, p.y), p.want);
    }
}

TEST(FillTool, ClickOutsideTheImagePaintsNothing) {
    for (FillTool::Mode mode :
         {FillTool::Mode::Solid, FillTool::Mode::Linear, FillTool::Mode::Conical}) {
        SCOPED_TRACE(int(mode));
        const TBitmap32 img = filled(3, 3, White);
        TestSession s(img);
        FillTool tool;
        setUp(tool, mode);
        s.press(tool, 3, 1);
        s.press(tool, -1, -1);
        EXPECT_TRUE(s.clean.samePixels(img));
    }
}

TEST(FillTool, GradientBlendsWhenBlendIsOn) {
    TestSession s(filled(1, 1, Red));
    s.work.Blend = true;
    FillTool tool;
    setUp(tool, FillTool::Mode::Linear);
    tool.gradient().releaseEnd(GradientModel::End::First, Qt::LeftButton, 0x80FF0000u, 0);
    s.press(tool, 0, 0);
    EXPECT_EQ(s.clean.GetPixel(0, 0), BlendColor32(Red, 0x80FF0000u));
    s.work.Blend = false;
    s.press(tool, 0, 0); // the area is now that blended colour alone
    EXPECT_EQ(s.clean.GetPixel(0, 0), 0x80FF0000u);
}

TEST(FillTool, GradientOnAPaletteImageIsSnappedToThePalette) {
    for (ColourFormat format : {ColourFormat(1), ColourFormat(32)}) {
        SCOPED_TRACE(int(format));
        TestSession s(filled(9, 1, White));
        s.format = format;
        s.palette = PalettePicture::fromEntries({0x000000u, 0xFFFFFFu});
        // A transparent pixel keeps its RGB through the snapping.
        s.clean.SetPixel(8, 0, 0x00123456u);
        s.work.SetPixel(8, 0, 0x00123456u);
        FillTool tool;
        setUp(tool, FillTool::Mode::Linear, 90);
        s.press(tool, 0, 0);
        EXPECT_EQ(s.steps, "CFU");
        ASSERT_EQ(s.undo.size(), 1u);
        EXPECT_TRUE(s.undo[0].samePixels(s.clean));
        EXPECT_TRUE(s.work.samePixels(s.clean));
        EXPECT_EQ(s.clean.GetPixel(8, 0), 0x00123456u);
        if (format == 1) {
            // Distances 0 .. 7 over D + 1 = 8: greys 0, 32, 64, ... snap to
            // black up to 127 and to white from 128.
            EXPECT_EQ(s.clean.Bits, (std::vector<TColor32>{Black, Black, Black, Black, White, White,
                                                           White, White, 0x00123456u}));
        } else {
            EXPECT_EQ(s.clean.GetPixel(1, 0), s.clean.GetPixel(1, 0) | 0xFF000000u);
            EXPECT_NE(s.clean.GetPixel(1, 0), Black);
            EXPECT_NE(s.clean.GetPixel(1, 0), White);
        }
    }
}
