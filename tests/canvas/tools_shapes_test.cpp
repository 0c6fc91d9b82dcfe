#include "tools_fake_context.h"

#include "canvas/tools/AAShapes.h"
#include "canvas/tools/CurveTool.h"
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
    void expectUndoRestores() {
        ASSERT_EQ(ctx.history.size(), 2u);
        EXPECT_TRUE(ctx.history.back().samePixels(ctx.clean));
        ctx.undo();
        EXPECT_TRUE(ctx.clean.samePixels(before));
    }
    // The same drawing made straight on a blank bitmap of the same size.
    TBitmap32 blank() const {
        TBitmap32 b(ctx.work.Width, ctx.work.Height);
        b.PenColor = ctx.fore;
        b.BrushColor = ctx.back;
        return b;
    }
    FakeToolContext ctx;
    ToolController controller;
    Mouse mouse;
    TBitmap32 before;
};

QStringList row(int y, int from, int to) {
    QStringList out;
    for (int x = from; x <= to; ++x)
        out << QString("%1,%2").arg(x).arg(y);
    return out;
}

} // namespace

TEST(ToolsLine, HardEdgedStopsBeforeTheEndAntialiasedCoversIt) {
    for (bool anti : {false, true}) {
        SCOPED_TRACE(anti);
        Rig r(LineTag);
        r.ctx.options.Anti = anti;
        r.mouse.drag({P(2, 2), P(4, 2), P(6, 2)});
        EXPECT_EQ(changedPixels(r.ctx.clean), row(2, 2, anti ? 6 : 5));
        EXPECT_EQ(r.ctx.clean.GetPixel(5, 2), r.ctx.fore);
        r.expectUndoRestores();
    }
}

TEST(ToolsLine, RubberBandIsOnlyPreviewedWhileDragging) {
    Rig r(LineTag);
    r.ctx.options.Anti = false;
    r.mouse.move(P(2, 2));
    r.mouse.down(P(2, 2));
    r.mouse.move(P(9, 2));
    r.mouse.move(P(2, 9));
    EXPECT_TRUE(r.ctx.clean.samePixels(r.before));
    EXPECT_EQ(changedPixels(r.ctx.work).size(), 7); // the first band is gone
    r.mouse.up(P(2, 9));
    EXPECT_EQ(r.ctx.clean.GetPixel(2, 8), r.ctx.fore);
    EXPECT_EQ(r.ctx.clean.GetPixel(8, 2), 0u);
}

TEST(ToolsRectangle, ShiftMakesASquareOnTheSideTheMouseWent) {
    struct Case {
        QPoint release;
        QPoint s, c;
        const char* extent;
    };
    for (const Case& k :
         {Case{P(14, 20), P(10, 10), P(14, 14), "4,4"}, Case{P(14, 0), P(10, 10), P(14, 6), "4,-4"},
          Case{P(0, 12), P(10, 10), P(8, 12), "-2,2"}}) {
        SCOPED_TRACE(k.extent);
        Rig r(RectTag);
        r.mouse.drag({P(10, 10), k.release}, WorkButton::Left, true);
        TBitmap32 expected = r.blank();
        expected.Filled = false;
        expected.Rectangle(k.s.x(), k.s.y(), k.c.x(), k.c.y());
        EXPECT_TRUE(r.ctx.clean.samePixels(expected));
        EXPECT_EQ(r.ctx.extent, k.extent);
        r.expectUndoRestores();
    }
}

TEST(ToolsRectangle, SolidFillUsesThePenColourOutlineLeavesTheInside) {
    for (bool solid : {false, true}) {
        SCOPED_TRACE(solid);
        Rig r(RectTag);
        r.ctx.options.SolidFill = solid;
        r.mouse.drag({P(2, 2), P(8, 8)});
        EXPECT_EQ(r.ctx.clean.GetPixel(2, 2), r.ctx.fore);
        EXPECT_EQ(r.ctx.clean.GetPixel(5, 5), solid ? r.ctx.fore : 0u);
        EXPECT_EQ(r.ctx.clean.GetPixel(8, 8), 0u);
        EXPECT_TRUE(r.ctx.work.Filled); // restored after the release
    }
}

TEST(ToolsEllipse, CentredModeMirrorsTheBoxAroundThePressPixel) {
    for (bool anti : {false, true}) {
        SCOPED_TRACE(anti);
        Rig r(EllipseTag);
        r.ctx.options.Anti = anti;
        r.ctx.options.CenterE = true;
        r.mouse.drag({P(10, 10), P(14, 13)});
        TBitmap32 expected = r.blank();
        expected.Filled = false;
        CoverageMap map;
        if (anti)
            AAEllipse(expected, map, 6, 7, 14, 13);
        else
            expected.Ellipse(6, 7, 14, 13);
        EXPECT_FALSE(changedPixels(expected).isEmpty());
        EXPECT_TRUE(r.ctx.clean.samePixels(expected));
        EXPECT_EQ(r.ctx.extent, "8,6");
        r.expectUndoRestores();
    }
    Rig r(RectTag); // CenterE belongs to the ellipse only
    r.ctx.options.CenterE = true;
    r.mouse.drag({P(10, 10), P(14, 13)});
    EXPECT_EQ(r.ctx.clean.GetPixel(10, 10), r.ctx.fore);
}

TEST(ToolsRoundRect, DrawsWithTheRoundOptionsInBothModes) {
    for (bool anti : {false, true}) {
        SCOPED_TRACE(anti);
        Rig r(RoundRectTag);
        r.ctx.options.Anti = anti;
        r.ctx.options.RoundWidth = 6;
        r.ctx.options.RoundHeight = 4;
        r.mouse.drag({P(3, 3), P(20, 15)});
        TBitmap32 expected = r.blank();
        expected.Filled = false;
        CoverageMap map;
        if (anti)
            AARoundRect(expected, map, 3, 3, 20, 15, 6, 4);
        else
            expected.RoundRect(3, 3, 20, 15, 6, 4);
        EXPECT_TRUE(r.ctx.clean.samePixels(expected));
        EXPECT_EQ(r.ctx.clean.GetPixel(3, 3), 0u);
        r.expectUndoRestores();
    }
}

TEST(ToolsCurve, FourClicksDrawOnceAndRightClickCancels) {
    Rig r(CurveTag);
    r.ctx.options.Anti = false;
    r.mouse.click(P(2, 20));
    EXPECT_EQ(r.ctx.hint, "Click: Ending point; Right Click: Cancel.");
    r.mouse.click(P(5, 5), WorkButton::Right);
    EXPECT_EQ(r.ctx.hint, "Click to locate staring point.");
    EXPECT_EQ(static_cast<CurveTool*>(r.controller.tool(CurveTag))->step(), 0);
    r.mouse.move(P(9, 9));
    EXPECT_TRUE(r.ctx.work.samePixels(r.before)); // no rubber band left

    const std::vector<QPoint> clicks{P(2, 20), P(28, 20), P(8, 2), P(22, 4)};
    const char* hints[] = {"Click: Ending point; Right Click: Cancel.",
                           "Click: 1st Control point; Right Click: Cancel.",
                           "Click: Draw curve; Right Click: Cancel.",
                           "Click to locate staring point."};
    for (std::size_t i = 0; i < clicks.size(); ++i) {
        r.mouse.click(clicks[i]);
        EXPECT_EQ(r.ctx.hint, hints[i]);
        EXPECT_EQ(r.ctx.history.size(), i == 3 ? 2u : 1u);
        if (i == 1) {
            r.mouse.move(P(15, 15)); // start-to-end line whatever the mouse does
            EXPECT_EQ(r.ctx.work.GetPixel(15, 20), r.ctx.fore);
        }
    }
    TBitmap32 expected = r.blank();
    expected.PolyBezier({P(2, 20), P(8, 2), P(22, 4), P(28, 20)});
    EXPECT_TRUE(r.ctx.clean.samePixels(expected));
    r.expectUndoRestores();
}

TEST(ToolsCurve, RightClickFirstIsAnOrdinaryStart) {
    Rig r(CurveTag);
    r.mouse.click(P(3, 3), WorkButton::Right);
    EXPECT_EQ(r.ctx.hint, "Click: Ending point; Right Click: Cancel.");
    r.mouse.move(P(10, 3));
    EXPECT_FALSE(r.ctx.work.samePixels(r.before)); // the rubber band from the start
    EXPECT_EQ(r.ctx.history.size(), 1u);
}

TEST(ToolsPolygon, DoubleClickDrawsTheClosedPolygon) {
    for (bool solid : {false, true}) {
        SCOPED_TRACE(solid);
        Rig r(PolygonTag);
        r.ctx.options.Anti = false;
        r.ctx.options.SolidFill = solid;
        r.mouse.click(P(2, 2));
        EXPECT_EQ(r.ctx.hint,
                  "Click: Next point; Double Click: Draw polygon; Right Click: Cancel.");
        r.mouse.click(P(20, 2));
        // The double click: first click, the double click, then its press.
        r.mouse.click(P(20, 20));
        r.controller.WorkDblClick();
        r.mouse.click(P(20, 20));
        EXPECT_EQ(r.ctx.hint, "Click to locate first point.");
        EXPECT_EQ(static_cast<PolygonTool*>(r.controller.tool(PolygonTag))->count(), 0);
        TBitmap32 expected = r.blank();
        if (solid) {
            expected.BrushColor = expected.PenColor;
            expected.Polygon({P(2, 2), P(20, 2), P(20, 20)});
        } else {
            expected.Polyline({P(2, 2), P(20, 2), P(20, 20), P(2, 2)});
        }
        EXPECT_TRUE(r.ctx.clean.samePixels(expected));
        r.expectUndoRestores();
    }
}

TEST(ToolsPolygon, AntialiasedAndCancelledAndTooShort) {
    Rig r(PolygonTag);
    r.mouse.click(P(2, 2));
    r.controller.WorkDblClick(); // one vertex: nothing
    EXPECT_EQ(r.ctx.history.size(), 1u);
    EXPECT_TRUE(r.ctx.clean.samePixels(r.before));
    r.mouse.click(P(12, 2), WorkButton::Right); // cancels
    EXPECT_EQ(static_cast<PolygonTool*>(r.controller.tool(PolygonTag))->count(), 0);
    r.mouse.move(P(5, 5));
    EXPECT_TRUE(r.ctx.work.samePixels(r.before));

    for (QPoint p : {P(2, 2), P(12, 2), P(12, 12)})
        r.mouse.click(p);
    r.controller.WorkDblClick();
    r.mouse.click(P(12, 12));
    TBitmap32 expected = r.blank();
    expected.Filled = false;
    CoverageMap map;
    AAPolygon(expected, map, {P(2, 2), P(12, 2), P(12, 12)});
    EXPECT_TRUE(r.ctx.clean.samePixels(expected));
    r.expectUndoRestores();
}

TEST(ToolsText, TransparentTextKeepsThePixelsBetweenTheGlyphs) {
    const TColor32 green = 0xFF00FF00u;
    for (bool tran : {true, false}) {
        SCOPED_TRACE(tran);
        Rig r(TextTag, 64, 32, green);
        r.ctx.options.TexTran = tran;
        r.ctx.options.Text = "H I";
        r.mouse.click(P(32, 16));
        TBitmap32 expected = r.blank();
        std::fill(expected.Bits.begin(), expected.Bits.end(), green);
        expected.FontColor = r.ctx.fore;
        expected.Filled = !tran;
        expected.Font = r.ctx.options.Font;
        const QSize e = expected.TextExtent("H I");
        const int left = 32 - e.width() / 2, top = 16 - e.height() / 2;
        expected.TextOut(left, top, "H I");
        EXPECT_TRUE(r.ctx.clean.samePixels(expected));
        EXPECT_EQ(r.ctx.clean.GetPixel(left, top), tran ? green : r.ctx.back);
        EXPECT_NE(changedPixels(r.ctx.clean, green).size(), 0);
        r.expectUndoRestores();
    }
}

TEST(ToolsText, TextChangePreviewsAtTheLastMousePixelWithoutCommitting) {
    Rig r(TextTag, 64, 32);
    r.mouse.move(P(20, 10));
    r.ctx.options.Text = "Wide text";
    r.controller.txtChange();
    EXPECT_TRUE(r.ctx.clean.samePixels(r.before));
    TBitmap32 expected = r.blank();
    expected.FontColor = r.ctx.fore;
    expected.Font = r.ctx.options.Font;
    const QSize e = expected.TextExtent("Wide text");
    expected.TextOut(20 - e.width() / 2, 10 - e.height() / 2, "Wide text");
    EXPECT_TRUE(r.ctx.work.samePixels(expected));
}
