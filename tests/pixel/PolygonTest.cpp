#include "PixelTestSupport.h"

#include <gtest/gtest.h>
#include <vector>

TEST(Bitmap32Polygon, FillsItsInteriorEvenWhenNotFilled) {
    for (bool filled : {true, false}) {
        SCOPED_TRACE(filled);
        TBitmap32 b = makeCanvas(7, 6);
        b.Filled = filled;
        b.Polygon({{1, 1}, {5, 1}, {5, 4}, {1, 4}});
        EXPECT_EQ(picture(b), grid({".......", //
                                    ".ooooo.", //
                                    ".o###o.", //
                                    ".o###o.", //
                                    ".ooooo.", //
                                    "......."}));
    }
}

TEST(Bitmap32Polygon, SelfOverlapFollowsEvenOdd) {
    // A five-pointed star drawn in one stroke: its centre is crossed twice
    // and stays empty.
    TBitmap32 b = makeCanvas(21, 21);
    b.Polygon({{10, 0}, {16, 20}, {0, 7}, {20, 7}, {4, 20}});
    EXPECT_EQ(b.GetPixel(10, 11), 0u);
    EXPECT_EQ(b.GetPixel(10, 4), kBrush); // a point of the star
    EXPECT_EQ(b.GetPixel(4, 9), kBrush);  // another one
    EXPECT_EQ(b.GetPixel(10, 0), kPen);
}

TEST(Bitmap32Polygon, WritesEveryPixelOnce) {
    const std::vector<std::vector<QPoint>> shapes = {
        {{1, 1}, {18, 3}, {4, 16}},
        {{10, 0}, {16, 20}, {0, 7}, {20, 7}, {4, 20}},
        {{1, 1}, {18, 1}, {1, 10}, {18, 10}},
        {{2, 2}, {9, 2}, {9, 2}, {2, 2}, {2, 2}}, // repeats close the table
        {{-5, -5}, {30, 2}, {8, 40}},
    };
    for (const auto& points : shapes) {
        SCOPED_TRACE(points.size());
        TBitmap32 b = makeCanvas(21, 21);
        b.PenColor = b.BrushColor = kHalfWhite;
        b.Polygon(points);
        EXPECT_TRUE(everyPixelWrittenAtMostOnce(b));
        for (const QPoint& p : points)
            if (b.inside(p.x(), p.y())) {
                EXPECT_EQ(b.GetPixel(p.x(), p.y()), kHalfWhite);
            }
    }
}

TEST(Bitmap32Polygon, InteriorStaysInsideTheOutline) {
    TBitmap32 b = makeCanvas(21, 21);
    b.Polygon({{1, 1}, {19, 4}, {6, 19}, {3, 10}});
    for (int y = 0; y < 21; ++y) {
        // In every row the interior lies between outline pixels.
        int firstPen = -1, lastPen = -1;
        for (int x = 0; x < 21; ++x)
            if (b.GetPixel(x, y) == kPen) {
                if (firstPen < 0) firstPen = x;
                lastPen = x;
            }
        for (int x = 0; x < 21; ++x)
            if (b.GetPixel(x, y) == kBrush) {
                EXPECT_TRUE(x > firstPen && x < lastPen) << x << "," << y;
            }
    }
    EXPECT_GT(countPixels(b, kBrush), 50);
}

TEST(Bitmap32Polyline, OpenChainWithoutItsLastPoint) {
    TBitmap32 b = makeCanvas(6, 4);
    b.BrushColor = kHalfWhite; // would show if anything were filled
    b.Polyline({{0, 0}, {4, 0}, {4, 3}, {0, 3}, {0, 0}});
    EXPECT_EQ(picture(b), grid({"ooooo.", "o...o.", "o...o.", "ooooo."}));
    TBitmap32 once = makeCanvas(6, 4);
    once.PenColor = kHalfWhite;
    once.Polyline({{0, 0}, {4, 0}, {4, 3}, {0, 3}, {0, 0}});
    EXPECT_TRUE(everyPixelWrittenAtMostOnce(once));

    TBitmap32 open = makeCanvas(6, 4);
    open.Polyline({{0, 0}, {4, 0}, {4, 3}});
    EXPECT_EQ(picture(open), grid({"ooooo.", "....o.", "....o.", "......"}));
    open.Polyline({{1, 1}});
    EXPECT_EQ(open.GetPixel(1, 1), 0u);
}

TEST(Bitmap32PolyBezier, StraightControlPointsGiveTheLine) {
    TBitmap32 curve = makeCanvas(20, 10), line = makeCanvas(20, 10);
    curve.PolyBezier({{1, 2}, {7, 4}, {13, 6}, {19, 8}});
    line.MoveTo(1, 2);
    line.LineTo(19, 8);
    EXPECT_EQ(picture(curve), picture(line));
    EXPECT_EQ(curve.GetPixel(19, 8), 0u);
}

TEST(Bitmap32PolyBezier, SegmentsJoinAndEachPixelIsWrittenOnce) {
    TBitmap32 b = makeCanvas(30, 20);
    b.PenColor = kHalfWhite;
    std::vector<QPoint> points = {{0, 19}, {0, 0}, {14, 0}, {14, 10}, {14, 19}, {29, 19}, {29, 0}};
    b.PolyBezier(points);
    // Points that do not complete a segment are ignored.
    for (const QPoint extra : {QPoint(5, 5), QPoint(20, 2)}) {
        points.push_back(extra);
        TBitmap32 more = makeCanvas(30, 20);
        more.PenColor = kHalfWhite;
        more.PolyBezier(points);
        EXPECT_EQ(more.Bits, b.Bits);
    }
    EXPECT_TRUE(everyPixelWrittenAtMostOnce(b));
    EXPECT_EQ(b.GetPixel(0, 19), kHalfWhite);
    EXPECT_EQ(b.GetPixel(14, 10), kHalfWhite);
    EXPECT_EQ(b.GetPixel(29, 0), 0u);
    // Bent well away from the straight line between its ends.
    int upperLeft = 0;
    for (int y = 0; y < 10; ++y)
        for (int x = 0; x < 10; ++x)
            upperLeft += b.GetPixel(x, y) == kHalfWhite;
    EXPECT_GT(upperLeft, 5);
    TBitmap32 none = makeCanvas(5, 5);
    none.PolyBezier({{0, 0}, {4, 4}, {4, 0}});
    EXPECT_EQ(countPixels(none, 0), 25);
}
