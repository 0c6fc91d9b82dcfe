#include "canvas/tools/FillArea.h"
#include "canvas/tools/FillTool.h"
#include "canvas/tools/FillOptions.h"
#include "canvas/tools/ToolController.h"
#include "canvas/tools/ToolInfo.h"
#include "canvas/tools/ToolOptions.h"
#include "document/PaletteOps.h"

#include <gtest/gtest.h>
#include <memory>
#include <string>
#include <utility>
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

// The session as the tools see it, recording the finishing steps in order:
// F for FitToPalette, U for PushUndo.
struct FakeSession : ToolContext {
    TBitmap32 work, clean;
    std::uint8_t format = 32;
    PalettePicture palette;
    std::vector<TBitmap32> undo;
    std::string steps;
    ToolOptions options;
    FillOptions fill;
    TColor32 fore = Red, back = Blue;

    TBitmap32& workBitmap() override { return work; }
    TBitmap32& cleanBitmap() override { return clean; }
    void pushUndo() override {
        undo.push_back(clean);
        steps += 'U';
    }
    void fitToPalette() override {
        FitToPalette(clean, format, palette);
        work.Assign(clean);
        steps += 'F';
    }
    std::uint8_t imageFormat() const override { return format; }
    void setHotSpot(QPoint) override {}
    int traRange() const override { return 100; }
    TColor32 foregroundColor32() const override { return fore; }
    TColor32 backgroundColor32() const override { return back; }
    void setForegroundColor32(TColor32 c) override { fore = c; }
    void setBackgroundColor32(TColor32 c) override { back = c; }
    ToolOptions& toolOptions() override { return options; }
    FillOptions& fillOptions() override { return fill; }
    void setWorkHint(const QString&) override {}
    void showExtent(const QString&) override {}
    void renderWorkView() override {}
    void toolSelected(const ToolInfo&) override {}
    void setSprayTimer(bool) override {}
};

// The fill tool behind the mouse protocol, on one image.
struct Rig {
    explicit Rig(TBitmap32 image, FillOptions::Mode mode = FillOptions::Mode::Solid, int angle = 0)
        : controller(session) {
        session.work = image;
        session.clean = std::move(image);
        fill.FillMode = mode;
        fill.Angle = angle;
        controller.freeClick(PatilTag);
    }
    void click(int x, int y, WorkButton button = WorkButton::Left) {
        controller.WorkMouseDown(QPoint(x, y), button, WorkShift{});
        controller.WorkMouseUp(QPoint(x, y), button, WorkShift{});
    }
    const std::vector<TColor32>& pixels() const { return session.clean.Bits; }

    FakeSession session;
    FillOptions& fill = session.fill;
    ToolController controller;
};

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
    Rig r(bitmap(3, 3, {A, A, A, A, A2, A, A, A, A}));
    r.session.options.Blen = false;
    r.click(1, 1);
    EXPECT_EQ(r.pixels(), (std::vector<TColor32>{A, A, A, A, Red, A, A, A, A}));
    EXPECT_EQ(r.session.steps, "U"); // committed and recorded, nothing snapped
    // The right button fills with the background colour.
    r.click(0, 0, WorkButton::Right);
    EXPECT_EQ(r.pixels(),
              (std::vector<TColor32>{Blue, Blue, Blue, Blue, Red, Blue, Blue, Blue, Blue}));
    ASSERT_EQ(r.session.undo.size(), 2u);
    EXPECT_TRUE(r.session.undo.back().samePixels(r.session.clean));
    EXPECT_TRUE(r.session.work.samePixels(r.session.clean));
    // The colours are back for the next stroke.
    EXPECT_EQ(r.session.work.PenColor, Red);
    EXPECT_EQ(r.session.work.BrushColor, Blue);
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
        Rig r(filled(c.w, c.h, White), FillOptions::Mode::Linear, c.angle);
        r.click(c.x, c.y);
        EXPECT_EQ(r.pixels(), c.want);
        EXPECT_EQ(r.session.steps, "FU");
        ASSERT_EQ(r.session.undo.size(), 1u);
        EXPECT_TRUE(r.session.undo[0].samePixels(r.session.clean));
    }
}

TEST(FillTool, RightButtonGradientReverses) {
    // Distances 2, 1, 0, 1, 2 pick entries 170, 85, 0 with the left button
    // and 85, 170, 255 with the right: the clicked pixel gets the LCol end.
    for (FillOptions::Mode mode : {FillOptions::Mode::Linear, FillOptions::Mode::Conical}) {
        SCOPED_TRACE(int(mode));
        Rig left(filled(1, 5, Red), mode), right(filled(1, 5, Red), mode);
        left.click(0, 2, WorkButton::Left);
        right.click(0, 2, WorkButton::Right);
        EXPECT_EQ(left.pixels(),
                  (std::vector<TColor32>{grey(170), grey(84), Black, grey(84), grey(170)}));
        EXPECT_EQ(right.pixels(),
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
    Rig r(img, FillOptions::Mode::Conical);
    r.click(1, 2);
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
        EXPECT_EQ(r.session.clean.GetPixel(p.x, p.y), p.want);
    }
}

TEST(FillTool, ClickOutsideTheImagePaintsNothing) {
    for (FillOptions::Mode mode :
         {FillOptions::Mode::Solid, FillOptions::Mode::Linear, FillOptions::Mode::Conical}) {
        SCOPED_TRACE(int(mode));
        const TBitmap32 img = filled(3, 3, White);
        Rig r(img, mode);
        r.click(3, 1);
        r.click(-1, -1);
        EXPECT_TRUE(r.session.clean.samePixels(img));
    }
}

TEST(FillTool, GradientBlendsWhenBlendIsOn) {
    Rig r(filled(1, 1, Red), FillOptions::Mode::Linear);
    r.fill.Gradient.releaseEnd(GradientModel::End::First, Qt::LeftButton, 0x80FF0000u, 0);
    r.click(0, 0);
    EXPECT_EQ(r.session.clean.GetPixel(0, 0), BlendColor32(Red, 0x80FF0000u));
    r.session.options.Blen = false;
    r.click(0, 0); // the area is now that blended colour alone
    EXPECT_EQ(r.session.clean.GetPixel(0, 0), 0x80FF0000u);
}

// Snapped once, before the undo entry is recorded, with "Blend Colors" up or
// down: the release adds no second snap that the history would not know.
TEST(FillTool, GradientOnAPaletteImageIsSnappedToThePalette) {
    const std::pair<std::uint8_t, bool> cases[] = {{1, false}, {32, false}, {1, true}, {32, true}};
    for (const auto& [format, blend] : cases) {
        SCOPED_TRACE(std::to_string(format) + (blend ? " blend" : ""));
        TBitmap32 img = filled(9, 1, White);
        // A transparent pixel keeps its RGB through the snapping.
        img.SetPixel(8, 0, 0x00123456u);
        Rig r(img, FillOptions::Mode::Linear, 90);
        r.session.format = format;
        r.session.palette = PalettePicture::fromEntries({0x000000u, 0xFFFFFFu});
        r.session.options.Blen = blend;
        r.click(0, 0);
        EXPECT_EQ(r.session.steps, "FU");
        ASSERT_EQ(r.session.undo.size(), 1u);
        EXPECT_TRUE(r.session.undo[0].samePixels(r.session.clean));
        EXPECT_TRUE(r.session.work.samePixels(r.session.clean));
        if (format == 1) {
            // Distances 0 .. 7 over D + 1 = 8: greys 0, 32, 64, 96 snap to
            // black, 128 and up to white.
            EXPECT_EQ(r.pixels(), (std::vector<TColor32>{Black, Black, Black, Black, White, White,
                                                         White, White, 0x00123456u}));
        } else {
            // True colour keeps the computed gradient.
            EXPECT_EQ(r.session.clean.GetPixel(1, 0), grey(32));
            EXPECT_EQ(r.session.clean.GetPixel(8, 0), 0x00123456u);
        }
    }
}
