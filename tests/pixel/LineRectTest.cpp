#include "PixelTestSupport.h"

#include <QRegion>
#include <algorithm>
#include <cstdlib>
#include <gtest/gtest.h>
#include <set>
#include <utility>

TEST(Bitmap32Rectangle, OutlineAndInteriorStopBeforeRightAndBottom) {
    TBitmap32 b = makeCanvas(6, 6);
    b.Rectangle(0, 0, 4, 4);
    EXPECT_EQ(picture(b), grid({"oooo..", //
                                "o##o..", //
                                "o##o..", //
                                "oooo..", //
                                "......", //
                                "......"}));
    EXPECT_EQ(countPixels(b, kPen), 12);
    EXPECT_EQ(countPixels(b, kBrush), 4);
}

TEST(Bitmap32Rectangle, CornersInAnyOrderDrawTheSame) {
    TBitmap32 expected = makeCanvas(10, 10);
    expected.Rectangle(2, 3, 8, 7);
    const int corners[][4] = {{8, 7, 2, 3}, {2, 7, 8, 3}, {8, 3, 2, 7}};
    for (const auto& c : corners) {
        SCOPED_TRACE(testing::Message() << c[0] << "," << c[1] << "," << c[2] << "," << c[3]);
        TBitmap32 b = makeCanvas(10, 10);
        b.Rectangle(c[0], c[1], c[2], c[3]);
        EXPECT_EQ(picture(b), picture(expected));
    }
    TBitmap32 r = makeCanvas(10, 10);
    r.Rectangle(TRect(8, 7, 2, 3));
    EXPECT_EQ(picture(r), picture(expected));
}

TEST(Bitmap32Rectangle, DegenerateUnfilledAndClipped) {
    TBitmap32 b = makeCanvas(10, 10);
    b.Rectangle(5, 5, 5, 9);
    b.Rectangle(1, 4, 9, 4);
    EXPECT_EQ(countPixels(b, 0), 100);

    b.Filled = false;
    b.Rectangle(0, 0, 3, 3);
    EXPECT_EQ(b.GetPixel(1, 1), 0u);
    EXPECT_EQ(countPixels(b, kPen), 8);

    // Far outside the buffer: only the visible edge arrives.
    TBitmap32 c = makeCanvas(4, 4);
    c.Rectangle(-1000000, 1, 2, 1000000);
    EXPECT_EQ(picture(c), grid({"....", "oo..", "#o..", "#o.."}));
}

TEST(Bitmap32Rectangle, WidePenFollowsThePenWidth) {
    TBitmap32 b = makeCanvas(7, 7);
    b.PenWidth = 2;
    b.Rectangle(0, 0, 7, 6);
    EXPECT_EQ(picture(b),
              grid({"ooooooo", "ooooooo", "oo###oo", "oo###oo", "ooooooo", "ooooooo", "......."}));
}

TEST(Bitmap32LineTo, ToThePenPositionChangesNothing) {
    TBitmap32 b = makeCanvas(5, 5);
    b.MoveTo(2, 2);
    b.LineTo(2, 2);
    EXPECT_EQ(countPixels(b, 0), 25);
    EXPECT_EQ(b.PenPos, QPoint(2, 2));
}

TEST(Bitmap32LineTo, CoversStartButNotEnd) {
    TBitmap32 b = makeCanvas(5, 2);
    b.MoveTo(0, 0);
    b.LineTo(3, 0);
    EXPECT_EQ(picture(b), grid({"ooo..", "....."}));
    EXPECT_EQ(b.PenPos, QPoint(3, 0));
}

TEST(Bitmap32LineTo, ChainWritesEveryJointOnce) {
    TBitmap32 b = makeCanvas(12, 12);
    b.PenColor = kHalfWhite;
    const QPoint chain[] = {{1, 1}, {9, 1}, {9, 8}, {2, 10}, {0, 3}, {5, 5}};
    b.MoveTo(chain[0].x(), chain[0].y());
    for (std::size_t i = 1; i < std::size(chain); ++i)
        b.LineTo(chain[i].x(), chain[i].y());
    EXPECT_TRUE(everyPixelWrittenAtMostOnce(b));
    for (std::size_t i = 0; i + 1 < std::size(chain); ++i)
        EXPECT_EQ(b.GetPixel(chain[i].x(), chain[i].y()), kHalfWhite) << i;
    EXPECT_EQ(b.GetPixel(5, 5), 0u); // the very last point is left to the caller
}

TEST(Bitmap32LineTo, ReverseCoversTheSameThinConnectedPixels) {
    std::srand(7);
    for (int n = 0; n < 300; ++n) {
        const QPoint a(std::rand() % 21 - 3, std::rand() % 21 - 3);
        const QPoint z(std::rand() % 21 - 3, std::rand() % 21 - 3);
        if (a == z) continue;
        SCOPED_TRACE(testing::Message() << a.x() << "," << a.y() << " " << z.x() << "," << z.y());
        TBitmap32 forward = makeCanvas(15, 15), backward = makeCanvas(15, 15);
        forward.PenColor = backward.PenColor = kHalfWhite;
        forward.MoveTo(a.x(), a.y());
        forward.LineTo(z.x(), z.y());
        forward.PutPixel(z.x(), z.y(), kHalfWhite);
        backward.MoveTo(z.x(), z.y());
        backward.LineTo(a.x(), a.y());
        backward.PutPixel(a.x(), a.y(), kHalfWhite);
        ASSERT_EQ(forward.Bits, backward.Bits);
        ASSERT_TRUE(everyPixelWrittenAtMostOnce(forward));
    }
    // One pixel per step along the longer axis, on a large canvas.
    TBitmap32 b = makeCanvas(40, 40);
    b.MoveTo(3, 5);
    b.LineTo(37, 19);
    EXPECT_EQ(countPixels(b, kPen), 34);
    for (int x = 3; x < 37; ++x) {
        int inColumn = 0;
        for (int y = 0; y < 40; ++y)
            inColumn += b.GetPixel(x, y) == kPen;
        EXPECT_EQ(inColumn, 1) << x;
    }
}

TEST(Bitmap32LineTo, RespectsTheClipRegion) {
    const QRegion left(QRect(0, 0, 3, 6));
    TBitmap32 b = makeCanvas(6, 6);
    b.ClipRegion = &left;
    b.MoveTo(0, 2);
    b.LineTo(6, 2);
    EXPECT_EQ(picture(b), grid({"......", "......", "ooo...", "......", "......", "......"}));
}

TEST(Bitmap32LineTo, WidePenCoversASquareAroundEachPixel) {
    TBitmap32 b = makeCanvas(8, 5);
    b.PenColor = kHalfWhite;
    b.PenWidth = 3;
    b.MoveTo(2, 2);
    b.LineTo(6, 2);
    EXPECT_TRUE(everyPixelWrittenAtMostOnce(b));
    EXPECT_EQ(countPixels(b, kHalfWhite), 3 * 6); // columns 1 .. 6, rows 1 .. 3
    EXPECT_EQ(b.GetPixel(1, 1), kHalfWhite);
    EXPECT_EQ(b.GetPixel(6, 3), kHalfWhite);
}
