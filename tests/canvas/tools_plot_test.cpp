#include "tools_fake_context.h"

#include "pixel/Random.h"
#include "canvas/tools/AAPlot.h"
#include "canvas/tools/AAShapes.h"
#include "canvas/tools/BrushShape.h"

#include <gtest/gtest.h>
#include <set>

namespace {

std::set<int> plottedColumns(const TBitmap32& B) {
    std::set<int> out;
    for (int y = 0; y < B.Height; ++y)
        for (int x = 0; x < B.Width; ++x)
            if (AlphaOf(B.GetPixel(x, y)) > 0) out.insert(x);
    return out;
}

std::set<int> plottedRows(const TBitmap32& B) {
    std::set<int> out;
    for (int y = 0; y < B.Height; ++y)
        for (int x = 0; x < B.Width; ++x)
            if (AlphaOf(B.GetPixel(x, y)) > 0) out.insert(y);
    return out;
}

std::set<int> range(int from, int to) {
    std::set<int> s;
    for (int i = from; i <= to; ++i)
        s.insert(i);
    return s;
}

} // namespace

TEST(ToolsRandom, LinearCongruentialSequence) {
    SetRandSeed(0);
    // Seed 1, then 134775814, then 134775814 * 134775813 + 1 mod 2^32.
    EXPECT_EQ(Random(100), 0);
    EXPECT_EQ(RandSeed(), 1u);
    EXPECT_EQ(Random(100), 3);
    EXPECT_EQ(RandSeed(), 134775814u);
    const std::uint32_t next = 134775814u * 134775813u + 1u;
    EXPECT_EQ(Random(1000), int((std::uint64_t(next) * 1000u) >> 32));
    EXPECT_EQ(Random(0), 0);
    SetRandSeed(0xFFFFFFFFu);
    EXPECT_EQ(Random(360), int((std::uint64_t(0xFFFFFFFFu * 134775813u + 1u) * 360u) >> 32));

    setRandomClock([] { return 77u; });
    Randomize();
    EXPECT_EQ(RandSeed(), 77u);
    setRandomClock(nullptr);
}

TEST(ToolsPlotAA, IntegerPositionWritesOnePixelAndLeavesTheNeighbours) {
    const TColor32 green = 0xFF00FF00u;
    for (bool blend : {true, false}) {
        SCOPED_TRACE(blend);
        TBitmap32 b(8, 8);
        std::fill(b.Bits.begin(), b.Bits.end(), green);
        b.SetPixel(3, 4, 0);
        b.Blend = blend;
        PlotAA(b, 0xC80000FFu, nullptr, 3, 4);
        EXPECT_EQ(b.GetPixel(3, 4), 0xC80000FFu);
        // Zero weights write nothing, so with Blend off no holes appear.
        EXPECT_EQ(changedPixels(b, green), QStringList{"3,4"});
    }
}

TEST(ToolsPlotAA, SharesAlphaByOverlapAndRespectsTheMap) {
    TBitmap32 b(8, 8);
    b.Blend = false;
    PlotAA(b, 0xC80000FFu, nullptr, 2.5, 1.25);
    EXPECT_EQ(b.GetPixel(2, 1), SetAlpha(0xFF, 75)); // 0.5 * 0.75 * 200
    EXPECT_EQ(b.GetPixel(3, 1), SetAlpha(0xFF, 75));
    EXPECT_EQ(b.GetPixel(2, 2), SetAlpha(0xFF, 25));
    EXPECT_EQ(b.GetPixel(3, 2), SetAlpha(0xFF, 25));

    CoverageMap map;
    TBitmap32 m(8, 8);
    m.Blend = false;
    PlotAA(m, 0xFF0000FFu, &map, 2, 2);
    EXPECT_EQ(map.at(2, 2), 255);
    PlotAA(m, 0xFF0000FFu, &map, 1.5, 2); // weaker at (2, 2): skipped there
    EXPECT_EQ(m.GetPixel(2, 2), 0xFF0000FFu);
    EXPECT_EQ(m.GetPixel(1, 2), SetAlpha(0xFF, 128));
}

TEST(ToolsPlotAA, LeftOfTheImageTheWeightsStayInRange) {
    TBitmap32 b(4, 4);
    b.Blend = false;
    PlotAA(b, 0xFF0000FFu, nullptr, -0.25, 1);
    EXPECT_EQ(b.GetPixel(0, 1), SetAlpha(0xFF, 191)); // 0.75 * 255
    EXPECT_EQ(changedPixels(b), QStringList{"0,1"});
}

TEST(ToolsAALine, ShallowCoversBothEndsSteepStopsAboveTheLowerEnd) {
    TBitmap32 shallow(16, 16);
    AALine(shallow, 0, 0, 10, 2, 0xFF000000u, nullptr);
    EXPECT_EQ(plottedColumns(shallow), range(0, 10));
    EXPECT_EQ(shallow.GetPixel(10, 2), 0xFF000000u);

    TBitmap32 steep(16, 16);
    AALine(steep, 2, 10, 0, 0, 0xFF000000u, nullptr); // either direction
    EXPECT_EQ(plottedRows(steep), range(0, 9));

    TBitmap32 vertical(8, 8);
    CoverageMap map;
    vertical.Blend = false;
    AALine(vertical, 3, 5, 3, 1, 0x800000FFu, &map);
    EXPECT_EQ(changedPixels(vertical), (QStringList{"3,1", "3,2", "3,3", "3,4", "3,5"}));

    TBitmap32 dot(4, 4);
    AALine(dot, 1, 1, 1, 1, 0xFF000000u, nullptr);
    EXPECT_TRUE(changedPixels(dot).isEmpty());
}

TEST(ToolsAAEllipse, DegenerateBoxesDrawNothing) {
    struct Box {
        int x1, y1, x2, y2;
    };
    for (const Box& k : {Box{4, 4, 5, 12}, Box{4, 4, 12, 5}, Box{5, 12, 4, 4}}) {
        TBitmap32 b(16, 16);
        CoverageMap map;
        AAEllipse(b, map, k.x1, k.y1, k.x2, k.y2);
        EXPECT_TRUE(changedPixels(b).isEmpty());
    }
}

TEST(ToolsAAEllipse, OutlineIsSymmetricAndFillUsesTheBrush) {
    TBitmap32 b(24, 24);
    CoverageMap map;
    b.Filled = false;
    b.PenColor = 0xFF000000u;
    AAEllipse(b, map, 14, 12, 2, 2); // corners in any order
    for (int y = 0; y < 24; ++y)
        for (int x = 0; x < 24; ++x) {
            EXPECT_EQ(b.GetPixel(x, y), b.GetPixel(15 - x, y)) << x << "," << y;
            EXPECT_EQ(b.GetPixel(x, y), b.GetPixel(x, 13 - y)) << x << "," << y;
            if (x < 1 || y < 1 || x > 14 || y > 12) {
                EXPECT_EQ(b.GetPixel(x, y), 0u);
            }
        }
    EXPECT_EQ(b.GetPixel(8, 7), 0u); // no interior without Filled

    TBitmap32 f(24, 24);
    f.PenColor = 0xFF000000u;
    f.BrushColor = 0xFF00FF00u;
    AAEllipse(f, map, 2, 2, 14, 12);
    EXPECT_EQ(f.GetPixel(8, 7), 0xFF00FF00u);
    EXPECT_EQ(map.at(8, 7), 255);
}

TEST(ToolsAABezier, FlatCurveHasNoGaps) {
    TBitmap32 b(32, 12);
    CoverageMap map;
    b.PenColor = 0xFF000000u;
    AABezier(b, map, {QPoint(2, 5), QPoint(8, 5), QPoint(14, 5), QPoint(28, 5)}, 100);
    for (int x = 2; x <= 28; ++x)
        EXPECT_EQ(AlphaOf(b.GetPixel(x, 5)), 255) << x;
    EXPECT_EQ(plottedRows(b), std::set<int>{5});
    EXPECT_EQ(b.PenPos, QPoint(28, 5));
}

TEST(ToolsAAPolygon, ClosedOutlineAndEvenOddInterior) {
    TBitmap32 b(20, 20);
    CoverageMap map;
    b.PenColor = 0xFF000000u;
    b.BrushColor = 0xFF00FF00u;
    const std::vector<QPoint> square{{2, 2}, {12, 2}, {12, 12}, {2, 12}};
    AAPolygon(b, map, square);
    for (int i = 2; i <= 12; ++i) {
        EXPECT_EQ(b.GetPixel(i, 2), 0xFF000000u) << i;
        EXPECT_EQ(b.GetPixel(i, 12), 0xFF000000u) << i;
        EXPECT_EQ(b.GetPixel(2, i), 0xFF000000u) << i;
        EXPECT_EQ(b.GetPixel(12, i), 0xFF000000u) << i;
    }
    EXPECT_EQ(b.GetPixel(7, 7), 0xFF00FF00u);
    EXPECT_EQ(b.GetPixel(13, 7), 0u);

    // A vertex on the first point midway does not cut the outline short.
    TBitmap32 o(20, 20);
    o.Filled = false;
    o.PenColor = 0xFF000000u;
    AAPolygon(o, map, {{2, 2}, {12, 2}, {2, 2}, {12, 12}});
    EXPECT_EQ(o.GetPixel(7, 7), 0xFF000000u); // the diagonals after the repeat
}

TEST(ToolsAARoundRect, SquareCornersGiveTheRectangleOutline) {
    TBitmap32 b(16, 16);
    CoverageMap map;
    b.Filled = false;
    b.PenColor = 0xFF000000u;
    AARoundRect(b, map, 2, 3, 10, 8, 0, 0);
    QStringList expected;
    for (int y = 3; y <= 7; ++y)
        for (int x = 2; x <= 9; ++x)
            if (y == 3 || y == 7 || x == 2 || x == 9) expected << QString("%1,%2").arg(x).arg(y);
    EXPECT_EQ(changedPixels(b), expected);

    TBitmap32 r(24, 24);
    r.Filled = false;
    r.PenColor = 0xFF000000u;
    AARoundRect(r, map, 2, 2, 20, 20, 8, 8);
    EXPECT_EQ(r.GetPixel(11, 2), 0xFF000000u); // straight part of the top edge
    EXPECT_EQ(r.GetPixel(2, 2), 0u);           // the corner is rounded off
    AARoundRect(r, map, 2, 2, 3, 20, 8, 8);    // one pixel wide: nothing
}

// A corner ellipse wider than half the side keeps its own size, as in the
// hard-edged shape: the antialiasing switch smooths the outline but never
// turns a rounded rectangle into an ellipse.
TEST(ToolsAARoundRect, ACornerPastHalfTheSideKeepsItsSize) {
    TBitmap32 r(24, 24);
    CoverageMap map;
    r.Filled = false;
    r.PenColor = 0xFF000000u;
    AARoundRect(r, map, 2, 2, 23, 23, 12, 12); // outline 20 wide, corners 12
    EXPECT_EQ(r.GetPixel(8, 2), 0xFF000000u);  // the straight top edge starts at 2 + 6
    EXPECT_EQ(r.GetPixel(16, 2), 0xFF000000u);
    EXPECT_GT(AlphaOf(r.GetPixel(4, 3)), 0u); // on the corner's arc
    EXPECT_EQ(r.GetPixel(4, 5), 0u);          // inside it
}

TEST(ToolsBrushShape, PresetsAndTheEditorPicture) {
    const BrushShape plus = BrushShape::preset(3);
    EXPECT_TRUE(plus.contains(0, -1));
    EXPECT_TRUE(plus.contains(-1, 0));
    EXPECT_FALSE(plus.contains(-1, -1));
    EXPECT_NE(BrushShape(), BrushShape::preset(1));
    EXPECT_EQ(BrushShape::preset(0), BrushShape::preset(1));
    int counts[BrushShape::PresetCount] = {};
    for (int n = 1; n <= BrushShape::PresetCount; ++n)
        for (int dy = -3; dy <= 3; ++dy)
            for (int dx = -3; dx <= 3; ++dx)
                counts[n - 1] += BrushShape::preset(n).contains(dx, dy);
    EXPECT_EQ(std::vector<int>(counts, counts + 6), (std::vector<int>{9, 25, 5, 21, 13, 13}));
    EXPECT_TRUE(BrushShape::preset(5).contains(-2, -2));
    EXPECT_TRUE(BrushShape::preset(6).contains(2, -2));

    BrushShape s = BrushShape::preset(1);
    const QImage pic = s.picture();
    EXPECT_EQ(pic.size(), QSize(36, 37));
    EXPECT_EQ(pic.pixel(3 * 5 + 2, 3 * 5 + 2), qRgb(0x80, 0x80, 0x80));
    EXPECT_EQ(pic.pixel(0 * 5 + 2, 0 * 5 + 2), qRgb(255, 255, 255));
    EXPECT_EQ(pic.pixel(5, 7), qRgb(0, 0, 0));
    EXPECT_FALSE(s.clickAt(5, 7)); // grid line
    EXPECT_TRUE(s.clickAt(2, 3));  // cell (-3, -3)
    EXPECT_TRUE(s.contains(-3, -3));
    EXPECT_TRUE(s.clickAt(17, 18)); // cell (0, 0) off again
    EXPECT_FALSE(s.contains(0, 0));
    EXPECT_FALSE(s.clickAt(17, 36)); // below the last cell row
}
