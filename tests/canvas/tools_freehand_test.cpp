#include "tools_fake_context.h"

#include "pixel/Random.h"
#include "canvas/tools/EraserTool.h"
#include "canvas/tools/PolygonTool.h"

#include <gtest/gtest.h>

namespace {

const QPoint P(int x, int y) {
    return QPoint(x, y);
}

struct Rig {
    explicit Rig(int Tag, int W = 32, int H = 32, TColor32 Fill = 0)
        : ctx(W, H, Fill), controller(ctx), mouse{controller} {
        controller.freeClick(Tag);
        before = ctx.clean;
    }
    // After a finished stroke: one undo entry holding exactly the committed
    // image, and undoing it gives back the image before the stroke.
    void expectUndoRestores() {
        ASSERT_EQ(ctx.history.size(), 2u);
        EXPECT_TRUE(ctx.history.back().samePixels(ctx.clean));
        EXPECT_TRUE(ctx.work.samePixels(ctx.clean));
        ctx.undo();
        EXPECT_TRUE(ctx.clean.samePixels(before));
    }
    FakeToolContext ctx;
    ToolController controller;
    Mouse mouse;
    TBitmap32 before;
};

} // namespace

TEST(ToolsPencil, ClickSetsExactlyTheReleasePixel) {
    Rig r(PenTag);
    r.mouse.click(P(5, 7));
    EXPECT_EQ(changedPixels(r.ctx.clean), QStringList{"5,7"});
    EXPECT_EQ(r.ctx.clean.GetPixel(5, 7), r.ctx.fore);
    r.expectUndoRestores();
}

TEST(ToolsPencil, DragCommitsSegmentsWithoutTheirEndPoint) {
    Rig r(PenTag);
    r.mouse.move(P(1, 1));
    r.mouse.down(P(1, 1));
    r.mouse.move(P(4, 1));
    EXPECT_EQ(changedPixels(r.ctx.clean), (QStringList{"1,1", "2,1", "3,1"}));
    EXPECT_EQ(changedPixels(r.ctx.work), (QStringList{"1,1", "2,1", "3,1", "4,1"}));
    r.mouse.move(P(4, 3));
    EXPECT_EQ(changedPixels(r.ctx.clean), (QStringList{"1,1", "2,1", "3,1", "4,1", "4,2"}));
    EXPECT_EQ(r.ctx.history.size(), 1u);
    r.mouse.up(P(4, 3));
    EXPECT_EQ(changedPixels(r.ctx.clean), (QStringList{"1,1", "2,1", "3,1", "4,1", "4,2", "4,3"}));
    r.expectUndoRestores();
}

// The release sets its own pixel only; the line up to it is the moves' work.
TEST(ToolsPencil, ReleaseSetsOnlyTheReleasePixel) {
    Rig r(PenTag);
    r.mouse.move(P(1, 1));
    r.mouse.down(P(1, 1));
    r.mouse.move(P(4, 1));
    r.mouse.up(P(7, 1));
    EXPECT_EQ(changedPixels(r.ctx.clean), (QStringList{"1,1", "2,1", "3,1", "7,1"}));
}

TEST(ToolsPencil, RightButtonPaintsTheBackgroundAndColoursComeBack) {
    Rig r(PenTag);
    r.mouse.click(P(2, 2), WorkButton::Right);
    EXPECT_EQ(r.ctx.clean.GetPixel(2, 2), r.ctx.back);
    EXPECT_EQ(r.ctx.work.PenColor, r.ctx.fore);
    EXPECT_EQ(r.ctx.work.BrushColor, r.ctx.back);
    EXPECT_TRUE(r.ctx.work.Filled);
}

TEST(ToolsBrush, BlendsOncePerCoveringStampAndNeverCommitsTheHover) {
    Rig r(BrushTag);
    r.ctx.options.Anti = false;
    r.ctx.setForegroundColor32(0x800000FFu); // red, alpha 128
    // Hovering previews the footprint without committing it.
    r.mouse.move(P(20, 20));
    r.mouse.move(P(24, 20));
    EXPECT_EQ(changedPixels(r.ctx.work), (QStringList{"23,19", "24,19", "25,19", "23,20", "24,20",
                                                      "25,20", "23,21", "24,21", "25,21"}));
    EXPECT_TRUE(r.ctx.clean.samePixels(r.before));

    r.mouse.move(P(10, 10));
    r.mouse.down(P(10, 10));
    r.mouse.move(P(11, 10));
    r.mouse.up(P(11, 10));
    const TColor32 once = BlendColor32(0, r.ctx.fore);
    const TColor32 twice = BlendColor32(once, r.ctx.fore);
    EXPECT_EQ(AlphaOf(twice), 192);
    EXPECT_EQ(r.ctx.clean.GetPixel(9, 10), once);   // first stamp only
    EXPECT_EQ(r.ctx.clean.GetPixel(10, 11), twice); // both stamps
    EXPECT_EQ(r.ctx.clean.GetPixel(11, 9), twice);
    EXPECT_EQ(r.ctx.clean.GetPixel(12, 10), once); // second stamp only
    EXPECT_EQ(changedPixels(r.ctx.clean).size(), 12);
    r.expectUndoRestores();
}

TEST(ToolsBrush, StampsOncePerStepOfTheLongerAxis) {
    Rig r(BrushTag);
    r.ctx.options.Anti = false;
    r.ctx.options.Brush = BrushShape();
    r.ctx.options.Brush.set(0, 0, true);
    // y = (x - 10) * 2 / 4 + 10 rounds half to even: 10.5 -> 10, 11.5 -> 12.
    r.mouse.drag({P(10, 10), P(14, 12)});
    EXPECT_EQ(changedPixels(r.ctx.clean),
              (QStringList{"10,10", "11,10", "12,11", "13,12", "14,12"}));
    r.expectUndoRestores();
}

TEST(ToolsEraser, LeftButtonWithTransparentBackgroundFollowsTheBlendSwitch) {
    const TColor32 green = 0xFF00FF00u;
    for (bool blen : {true, false}) {
        SCOPED_TRACE(blen ? "Blen down" : "Blen up");
        Rig r(EraseTag, 16, 16, green);
        r.ctx.setBackgroundColor32(0x00000000u);
        r.controller.BlenClick(blen);
        r.mouse.click(P(5, 5));
        if (blen)
            EXPECT_TRUE(r.ctx.clean.samePixels(r.before));
        else
            EXPECT_EQ(changedPixels(r.ctx.clean, green), (QStringList{"4,4", "5,4", "4,5", "5,5"}));
        EXPECT_EQ(r.ctx.clean.GetPixel(4, 4), blen ? green : 0u);
        r.expectUndoRestores();
    }
}

TEST(ToolsEraser, FootprintWidths) {
    struct Case {
        int w;
        int first, last;
    };
    for (const Case c : {Case{2, 9, 10}, Case{3, 9, 11}, Case{4, 8, 11}, Case{5, 8, 12}}) {
        SCOPED_TRACE(c.w);
        Rig r(EraseTag, 24, 24);
        r.ctx.setBackgroundColor32(0xFFFFFFFFu);
        r.ctx.options.EraserWidth = c.w;
        r.ctx.options.EraserHeight = 2;
        r.mouse.click(P(10, 10));
        QStringList expected;
        for (int y = 9; y <= 10; ++y)
            for (int x = c.first; x <= c.last; ++x)
                expected << QString("%1,%2").arg(x).arg(y);
        EXPECT_EQ(changedPixels(r.ctx.clean), expected);
    }
}

TEST(ToolsEraser, RightButtonReplacesOnlyTheForegroundAlsoAtTheEdges) {
    const TColor32 fore = 0xFF0000FFu, near = 0xFE0000FFu, other = 0xFF00FF00u;
    Rig r(EraseTag, 8, 8, other);
    r.ctx.options.EraserWidth = 3;
    r.ctx.options.EraserHeight = 3;
    r.ctx.work.SetPixel(0, 0, fore);
    r.ctx.work.SetPixel(1, 1, fore);
    r.ctx.work.SetPixel(1, 0, near); // differs in alpha only
    r.ctx.work.SetPixel(5, 0, fore);
    r.ctx.clean.Assign(r.ctx.work);
    r.ctx.history.back() = r.ctx.clean;
    r.before = r.ctx.clean;
    // The first footprint, columns and rows -1 .. 1, hangs over the edges.
    r.mouse.drag({P(0, 0), P(3, 0)}, WorkButton::Right);
    EXPECT_EQ(r.ctx.clean.GetPixel(0, 0), r.ctx.back);
    EXPECT_EQ(r.ctx.clean.GetPixel(1, 1), r.ctx.back);
    EXPECT_EQ(r.ctx.clean.GetPixel(1, 0), near);
    EXPECT_EQ(r.ctx.clean.GetPixel(5, 0), fore); // beyond the last footprint
    EXPECT_EQ(changedPixels(r.ctx.clean, other), (QStringList{"0,0", "1,0", "5,0", "1,1"}));
    r.expectUndoRestores();
}

// A press with a button other than the left replaces the pressed button's
// brush colour: the foreground for the right button, the background itself
// (so nothing changes) for the middle one.
TEST(ToolsEraser, OtherButtonsReplaceTheirBrushColourAtThePress) {
    for (const WorkButton b : {WorkButton::Right, WorkButton::Middle}) {
        SCOPED_TRACE(int(b));
        Rig r(EraseTag, 8, 8, 0xFF0000FFu); // all foreground
        r.ctx.work.SetPixel(4, 4, r.ctx.back);
        r.ctx.clean.Assign(r.ctx.work);
        r.ctx.history.back() = r.ctx.clean;
        r.before = r.ctx.clean;
        r.mouse.click(P(4, 4), b);
        const bool right = b == WorkButton::Right;
        EXPECT_EQ(r.ctx.clean.GetPixel(3, 3), right ? r.ctx.back : r.ctx.fore);
        EXPECT_EQ(r.ctx.clean.GetPixel(4, 4), r.ctx.back);
        EXPECT_EQ(changedPixels(r.ctx.clean, r.ctx.fore).size(), right ? 4 : 1);
    }
}

TEST(ToolsEraser, DragJoinsFootprintsAndPaintsEachPixelOncePerMove) {
    Rig r(EraseTag, 24, 12);
    r.ctx.setBackgroundColor32(0x80FF0000u); // half-transparent blue, blended
    r.mouse.drag({P(5, 5), P(12, 5)});
    QStringList expected;
    for (int y = 4; y <= 5; ++y)
        for (int x = 4; x <= 12; ++x)
            expected << QString("%1,%2").arg(x).arg(y);
    EXPECT_EQ(changedPixels(r.ctx.clean), expected);
    const TColor32 once = BlendColor32(0, r.ctx.back);
    EXPECT_EQ(r.ctx.clean.GetPixel(8, 4), once);
    EXPECT_EQ(r.ctx.clean.GetPixel(11, 5), once);
    EXPECT_EQ(r.ctx.clean.GetPixel(5, 5), BlendColor32(once, r.ctx.back));
    r.expectUndoRestores();
}

TEST(ToolsSpray, TickOfRadiusOnePutsElevenDotsOnTheCentre) {
    setRandomClock([] { return 12345u; });
    Rig r(SprayTag);
    r.ctx.options.SprayRadius = 1;
    r.ctx.setForegroundColor32(0x100000FFu);
    r.mouse.move(P(6, 6));
    r.mouse.down(P(6, 6));
    EXPECT_TRUE(r.ctx.sprayTimer);
    r.controller.SprayTimTimer();
    TColor32 expected = 0;
    for (int i = 0; i < 11; ++i)
        expected = BlendColor32(expected, r.ctx.fore);
    EXPECT_EQ(changedPixels(r.ctx.clean), QStringList{"6,6"});
    EXPECT_EQ(r.ctx.clean.GetPixel(6, 6), expected);
    r.mouse.up(P(6, 6));
    EXPECT_FALSE(r.ctx.sprayTimer);
    r.expectUndoRestores();
    setRandomClock(nullptr);
}

TEST(ToolsSpray, DotsStayWithinTheRadiusAroundTheMovingCentre) {
    Rig r(SprayTag, 64, 64);
    r.ctx.options.SprayRadius = 5;
    r.mouse.move(P(10, 10));
    r.mouse.down(P(10, 10));
    r.mouse.move(P(40, 40));
    for (int i = 0; i < 20; ++i)
        r.controller.SprayTimTimer();
    r.mouse.up(P(40, 40));
    const QStringList dots = changedPixels(r.ctx.clean);
    EXPECT_FALSE(dots.isEmpty());
    for (const QString& d : dots) {
        const QStringList xy = d.split(',');
        EXPECT_LE(std::abs(xy[0].toInt() - 40), 5) << d.toStdString();
        EXPECT_LE(std::abs(xy[1].toInt() - 40), 5) << d.toStdString();
    }
    // Ticks after the release do nothing.
    const TBitmap32 after = r.ctx.clean;
    r.controller.SprayTimTimer();
    EXPECT_TRUE(r.ctx.clean.samePixels(after));
}

TEST(ToolsPicker, PicksWithAlphaAndReturnsToThePreviousTool) {
    Rig r(BrushTag);
    r.ctx.work.SetPixel(3, 3, 0x80332211u);
    r.ctx.clean.Assign(r.ctx.work);
    r.controller.freeClick(PickColorTag);
    r.mouse.click(P(3, 3));
    EXPECT_EQ(r.ctx.fore, 0x80332211u);
    EXPECT_EQ(r.controller.CurrentTool(), BrushTag);
    EXPECT_EQ(r.ctx.selected.back(), BrushTag);
    EXPECT_EQ(r.ctx.hint, "Drag mouse or click to draw.");

    r.controller.freeClick(PickColorTag);
    r.mouse.click(P(40, 3), WorkButton::Right); // outside: transparent black
    EXPECT_EQ(r.ctx.back, 0u);
    EXPECT_EQ(r.controller.CurrentTool(), BrushTag);
    EXPECT_EQ(r.ctx.history.size(), 1u);
}

TEST(ToolsHotSpot, SetsTheClickedPixelInsideTheImageOnly) {
    Rig r(HotSpotTag, 16, 8);
    r.mouse.click(P(15, 7));
    EXPECT_EQ(r.ctx.hotSpot, P(15, 7));
    r.mouse.click(P(3, 8));
    EXPECT_EQ(r.ctx.hotSpot, P(15, 7));
    EXPECT_EQ(r.ctx.history.size(), 1u);
}

TEST(ToolsSelection, TableDrivesWhatTheWindowShows) {
    FakeToolContext ctx;
    ToolController c(ctx);
    EXPECT_EQ(c.CurrentTool(), PenTag);
    EXPECT_FALSE(c.freeClick(SelectTag)); // behaviour registered elsewhere
    EXPECT_FALSE(c.freeClick(PhotoTag));  // not a tool
    EXPECT_FALSE(c.freeClick(17));
    EXPECT_EQ(c.CurrentTool(), PenTag);
    EXPECT_TRUE(ctx.selected.empty());

    ASSERT_TRUE(c.freeClick(EllipseTag));
    EXPECT_EQ(c.PreviousTool(), PenTag);
    EXPECT_EQ(ctx.selected, std::vector<int>{EllipseTag});
    const ToolInfo& info = *toolInfo(EllipseTag);
    EXPECT_EQ(info.Panels, unsigned(RectP | CenterEButton));
    EXPECT_EQ(info.Cursor, 22);
    EXPECT_EQ(ctx.hint, "Drag mouse to draw.");
    EXPECT_TRUE(toolInfo(HotSpotTag)->HotSpotTimer);
    EXPECT_STREQ(toolInfo(CurveTag)->Status, "Click to locate staring point.");

    c.registerTool(SelectTag, std::make_unique<Tool>());
    EXPECT_TRUE(c.isAvailable(SelectTag));
    EXPECT_TRUE(c.freeClick(SelectTag));
    EXPECT_EQ(ctx.hint, "Drag mouse to select.");
}

TEST(ToolsSelection, ChoosingAToolRestartsClickSequencesAndDropsPreviews) {
    FakeToolContext ctx;
    ToolController c(ctx);
    Mouse m{c};
    c.freeClick(PolygonTag);
    m.click(P(2, 2));
    m.click(P(9, 2));
    m.move(P(9, 9));
    EXPECT_FALSE(ctx.work.samePixels(ctx.clean)); // rubber band shown
    c.freeClick(PolygonTag);
    EXPECT_TRUE(ctx.work.samePixels(ctx.clean));
    EXPECT_EQ(static_cast<PolygonTool*>(c.tool(PolygonTag))->count(), 0);
}

TEST(ToolsSwitches, BlendFollowsBlenAndAntiPushesBlenDown) {
    FakeToolContext ctx;
    ToolController c(ctx);
    c.BlenClick(false);
    EXPECT_FALSE(ctx.work.Blend);
    EXPECT_FALSE(ctx.clean.Blend);
    c.AntiClick(false);
    c.AntiClick(true);
    EXPECT_TRUE(ctx.options.Blen);
    EXPECT_FALSE(ctx.work.Blend); // follows at the next move
    Mouse{c}.move(P(1, 1));
    EXPECT_TRUE(ctx.work.Blend);
    EXPECT_TRUE(ctx.clean.Blend);
}

TEST(ToolsPalette, BlendedStrokeOnAPaletteImageIsSnappedBeforeItIsRecorded) {
    struct Case {
        int format;
        bool blen;
        QStringList log;
    };
    for (const Case& k :
         {Case{4, true, {"fit", "push"}}, Case{8, false, {"push"}}, Case{32, true, {"push"}}}) {
        SCOPED_TRACE(k.format);
        FakeToolContext ctx;
        ctx.format = std::uint8_t(k.format);
        ToolController c(ctx);
        c.BlenClick(k.blen);
        Mouse{c}.click(P(1, 1));
        EXPECT_EQ(ctx.log, k.log);
    }
    // A release that records nothing still snaps, as after every blended
    // stroke; a change recorded at the press is snapped once.
    struct Tagged {
        int tag;
        QStringList log;
    };
    for (const Tagged& k : {Tagged{CurveTag, {"fit"}}, Tagged{TextTag, {"fit", "push"}}}) {
        SCOPED_TRACE(k.tag);
        FakeToolContext ctx;
        ctx.format = 1;
        ToolController c(ctx);
        c.freeClick(k.tag);
        Mouse{c}.click(P(1, 1));
        EXPECT_EQ(ctx.log, k.log);
    }
}

// Hover previews change the drawing colours and the fill flag; the next tool
// starts from the chosen colours all the same.
TEST(ToolsSelection, ChoosingAToolRestoresThePenColourAndTheFillFlag) {
    FakeToolContext ctx;
    ToolController c(ctx);
    Mouse m{c};
    ctx.options.TexTran = true;
    ctx.options.Text = QStringLiteral("x");
    c.freeClick(TextTag);
    m.move(P(20, 20));
    ASSERT_FALSE(ctx.work.Filled);
    c.freeClick(EraseTag);
    ctx.options.EraserWidth = ctx.options.EraserHeight = 4;
    m.click(P(6, 6));
    // The whole footprint is erased, not just its outline.
    EXPECT_EQ(ctx.clean.GetPixel(5, 5), ctx.back);
    EXPECT_EQ(changedPixels(ctx.clean).size(), 16);

    // The eraser's hover paints with the background; the brush previews in
    // the foreground colour before any press.
    m.move(P(20, 20));
    c.freeClick(BrushTag);
    m.move(P(20, 20));
    EXPECT_EQ(ctx.work.GetPixel(20, 20), ctx.fore);
}

TEST(ToolsSelection, AnUnfinishedShapeIsGivenUpWithItsPreview) {
    for (const int tag : {CurveTag, PolygonTag}) {
        SCOPED_TRACE(tag);
        FakeToolContext ctx;
        ToolController c(ctx);
        Mouse m{c};
        c.freeClick(tag);
        m.click(P(2, 2));
        m.click(P(9, 2));
        m.move(P(9, 9));
        ASSERT_FALSE(ctx.work.samePixels(ctx.clean));
        ASSERT_NE(ctx.hint, QString::fromUtf8(toolInfo(tag)->Status));
        c.cancelPendingShape();
        EXPECT_TRUE(ctx.work.samePixels(ctx.clean));
        EXPECT_EQ(ctx.hint, QString::fromUtf8(toolInfo(tag)->Status));
        // The next click starts a new shape: nothing is previewed until then.
        m.move(P(5, 5));
        EXPECT_TRUE(ctx.work.samePixels(ctx.clean));
        EXPECT_EQ(ctx.history.size(), 1u);
    }
}
