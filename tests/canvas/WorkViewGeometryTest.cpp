#include "canvas/WorkViewGeometry.h"

#include <gtest/gtest.h>

TEST(WorkViewGeometry, SquareImageFillsTheSmallerSide) {
    const WorkViewGeometry g = ZoomToFit(369, 367, 32, 32);
    EXPECT_DOUBLE_EQ(g.ZoomX, 11.46875);
    EXPECT_DOUBLE_EQ(g.ZoomY, 11.46875);
    EXPECT_EQ(g.ScreenX(1), 11);
    EXPECT_EQ(g.ScreenX(32), 367); // pixel 31 ends at 367
    // The first cell starts at the edge, the others one after their grid line.
    EXPECT_EQ(g.CellRect(0, 0), QRect(0, 0, 11, 11));
    EXPECT_EQ(g.CellRect(1, 1), QRect(12, 12, 10, 10));
    EXPECT_EQ(g.CellRect(31, 31).right() + 1, 367);
}

TEST(WorkViewGeometry, NonSquareImageFitsWhole) {
    const WorkViewGeometry g = ZoomToFit(400, 300, 40, 32);
    EXPECT_DOUBLE_EQ(g.ZoomX, 9.375);
    EXPECT_DOUBLE_EQ(g.ZoomY, 9.375);
    EXPECT_EQ(g.ScreenX(40), 375);
    EXPECT_EQ(g.ScreenY(32), 300);
    EXPECT_EQ(g.ScreenX(1), 9);
    EXPECT_EQ(g.CellRect(1, 0).left(), 10);
}

TEST(WorkViewGeometry, EveryShapeStaysInsideThePaintBox) {
    struct Case {
        int Pw, Ph, W, H;
    };
    for (const Case& c : {Case{369, 367, 1, 255}, Case{369, 367, 255, 1},
                          Case{1000, 1000, 255, 255}, Case{400, 300, 40, 32},
                          Case{300, 400, 40, 32}, Case{10, 10, 255, 200}, Case{0, 0, 16, 16}}) {
        SCOPED_TRACE(testing::Message() << c.Pw << "x" << c.Ph << " " << c.W << "x" << c.H);
        const WorkViewGeometry g = ZoomToFit(c.Pw, c.Ph, c.W, c.H);
        EXPECT_EQ(g.ZoomX, g.ZoomY);
        EXPECT_GT(g.ZoomX, 0.0);
        EXPECT_LE(g.ScreenX(c.W), std::max(c.Pw, 1));
        EXPECT_LE(g.ScreenY(c.H), std::max(c.Ph, 1));
    }
}

TEST(WorkViewGeometry, MouseMappingTruncatesTowardZero) {
    WorkViewGeometry g;
    g.ZoomX = g.ZoomY = 10.0;
    struct Case {
        double X, Y;
        QPoint Pixel;
    };
    for (const Case& c : {Case{-5, 3, {0, 0}}, Case{3, -9.5, {0, 0}}, Case{-10, -15, {-1, -1}},
                          Case{9.99, 10, {0, 1}}, Case{255, 1999, {25, 199}}}) {
        SCOPED_TRACE(testing::Message() << c.X << "," << c.Y);
        EXPECT_EQ(g.PixelAt(c.X, c.Y), c.Pixel);
    }
}
