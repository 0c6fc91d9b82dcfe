#include "PixelTestSupport.h"

#include <gtest/gtest.h>
#include <vector>

namespace {

// Checks what any ellipse-like shape drawn at (0, 0, w, h) into a larger
// canvas must satisfy: it fills its box exactly, its outline is closed and
// one connected curve, and it is mirror-symmetric.
void expectWellFormed(const TBitmap32& b, int w, int h) {
    auto at = [&](int x, int y) { return b.GetPixel(x, y); };
    bool top = false, bottom = false, left = false, right = false;
    int outline = 0;
    QPoint firstOutline;
    for (int y = 0; y < b.Height; ++y)
        for (int x = 0; x < b.Width; ++x) {
            const TColor32 c = at(x, y);
            ASSERT_TRUE(c == 0 || c == kPen || c == kBrush) << x << "," << y;
            if (c == 0) continue;
            ASSERT_TRUE(x < w && y < h) << "outside the box at " << x << "," << y;
            top |= y == 0;
            bottom |= y == h - 1;
            left |= x == 0;
            right |= x == w - 1;
            ASSERT_EQ(c, at(w - 1 - x, y)) << "not symmetric at " << x << "," << y;
            ASSERT_EQ(c, at(x, h - 1 - y)) << "not symmetric at " << x << "," << y;
            if (c == kBrush) {
                for (const QPoint d : {QPoint(1, 0), QPoint(-1, 0), QPoint(0, 1), QPoint(0, -1)})
                    ASSERT_NE(at(x + d.x(), y + d.y()), 0u)
                        << "interior leaks at " << x << "," << y;
            }
            if (c == kPen && outline++ == 0) firstOutline = QPoint(x, y);
        }
    EXPECT_TRUE(top && bottom && left && right);
    // The outline is one 8-connected curve.
    std::vector<bool> seen(std::size_t(b.Width * b.Height), false);
    std::vector<QPoint> todo{firstOutline};
    seen[std::size_t(firstOutline.y() * b.Width + firstOutline.x())] = true;
    int reached = 0;
    while (!todo.empty()) {
        const QPoint p = todo.back();
        todo.pop_back();
        ++reached;
        for (int dy = -1; dy <= 1; ++dy)
            for (int dx = -1; dx <= 1; ++dx) {
                const int x = p.x() + dx, y = p.y() + dy;
                if (!b.inside(x, y) || at(x, y) != kPen || seen[std::size_t(y * b.Width + x)])
                    continue;
                seen[std::size_t(y * b.Width + x)] = true;
                todo.emplace_back(x, y);
            }
    }
    EXPECT_EQ(reached, outline);
}

} // namespace

TEST(Bitmap32Ellipse, SmallCirclesAsExpected) {
    TBitmap32 b = makeCanvas(8, 8);
    b.Ellipse(0, 0, 7, 7);
    EXPECT_EQ(picture(b), grid({"..ooo...", //
                                ".o###o..", //
                                "o#####o.", //
                                "o#####o.", //
                                "o#####o.", //
                                ".o###o..", //
                                "..ooo...", //
                                "........"}));
    TBitmap32 c = makeCanvas(4, 4);
    c.Ellipse(4, 4, 0, 0);
    EXPECT_EQ(picture(c), grid({".oo.", "o##o", "o##o", ".oo."}));
}

TEST(Bitmap32Ellipse, EverySizeIsWellFormedAndWrittenOnce) {
    for (int h = 1; h <= 26; ++h)
        for (int w = 1; w <= 26; ++w) {
            SCOPED_TRACE(testing::Message() << w << "x" << h);
            TBitmap32 b = makeCanvas(w + 2, h + 2);
            b.Ellipse(0, 0, w, h);
            expectWellFormed(b, w, h);
            if (HasFatalFailure()) return;
            TBitmap32 once = makeCanvas(w, h);
            once.PenColor = once.BrushColor = kHalfWhite;
            once.Ellipse(0, 0, w, h);
            ASSERT_TRUE(everyPixelWrittenAtMostOnce(once));
        }
}

TEST(Bitmap32Ellipse, UnfilledWritesOnlyTheOutline) {
    const TColor32 back = 0xFF112233u;
    TBitmap32 filled = makeCanvas(12, 9, back), unfilled = makeCanvas(12, 9, back);
    filled.Ellipse(1, 1, 11, 8);
    unfilled.Filled = false;
    unfilled.Ellipse(1, 1, 11, 8);
    for (std::size_t i = 0; i < filled.Bits.size(); ++i)
        EXPECT_EQ(unfilled.Bits[i], filled.Bits[i] == kBrush ? back : filled.Bits[i]) << i;
    EXPECT_GT(countPixels(filled, kBrush), 0);

    // A fully transparent brush blends to no change.
    TBitmap32 clear = makeCanvas(12, 9, back);
    clear.BrushColor = 0x00FFFFFFu;
    clear.Ellipse(1, 1, 11, 8);
    EXPECT_EQ(clear.Bits, unfilled.Bits);
}

TEST(Bitmap32Ellipse, DegenerateAndOffCanvas) {
    TBitmap32 b = makeCanvas(6, 6);
    b.Ellipse(2, 2, 2, 5);
    b.Ellipse(1, 3, 5, 3);
    EXPECT_EQ(countPixels(b, 0), 36);
    // Half outside: the visible part equals the same part of a whole one.
    TBitmap32 whole = makeCanvas(12, 12), part = makeCanvas(6, 6);
    whole.Ellipse(0, 0, 12, 12);
    part.Ellipse(-6, -6, 6, 6);
    for (int y = 0; y < 6; ++y)
        for (int x = 0; x < 6; ++x)
            EXPECT_EQ(part.GetPixel(x, y), whole.GetPixel(x + 6, y + 6));
}

TEST(Bitmap32RoundRect, CornerAsLargeAsTheBoxIsTheEllipse) {
    for (int h = 1; h <= 20; ++h)
        for (int w = 1; w <= 20; ++w) {
            SCOPED_TRACE(testing::Message() << w << "x" << h);
            TBitmap32 round = makeCanvas(w, h), ellipse = makeCanvas(w, h);
            round.RoundRect(0, 0, w, h, w, h);
            ellipse.Ellipse(0, 0, w, h);
            ASSERT_EQ(picture(round), picture(ellipse));
            TBitmap32 larger = makeCanvas(w, h);
            larger.RoundRect(0, 0, w, h, w + 9, h + 30);
            ASSERT_EQ(picture(larger), picture(ellipse));
        }
}

TEST(Bitmap32RoundRect, NoCornerIsTheRectangle) {
    for (const QPoint corner : {QPoint(0, 0), QPoint(0, 5), QPoint(6, 0), QPoint(1, 1)}) {
        SCOPED_TRACE(testing::Message() << corner.x() << "," << corner.y());
        TBitmap32 round = makeCanvas(10, 8), rect = makeCanvas(10, 8);
        round.RoundRect(1, 1, 9, 7, corner.x(), corner.y());
        rect.Rectangle(1, 1, 9, 7);
        EXPECT_EQ(picture(round), picture(rect));
    }
}

TEST(Bitmap32RoundRect, CornersAreEllipseQuarters) {
    TBitmap32 b = makeCanvas(14, 10);
    b.RoundRect(0, 0, 14, 10, 8, 6);
    EXPECT_EQ(picture(b), grid({"..oooooooooo..", //
                                ".o##########o.", //
                                "o############o", //
                                "o############o", //
                                "o############o", //
                                "o############o", //
                                "o############o", //
                                "o############o", //
                                ".o##########o.", //
                                "..oooooooooo.."}));
    for (int h = 2; h <= 16; h += 3)
        for (int w = 2; w <= 16; w += 2) {
            SCOPED_TRACE(testing::Message() << w << "x" << h);
            TBitmap32 r = makeCanvas(w + 1, h + 1);
            r.RoundRect(0, 0, w, h, w / 2 + 1, h / 3 + 1);
            expectWellFormed(r, w, h);
            TBitmap32 once = makeCanvas(w, h);
            once.PenColor = once.BrushColor = kHalfWhite;
            once.RoundRect(0, 0, w, h, w / 2 + 1, h / 3 + 1);
            EXPECT_TRUE(everyPixelWrittenAtMostOnce(once));
        }
}

TEST(Bitmap32Ellipse, WidePenThickensTheOutlineInward) {
    TBitmap32 thin = makeCanvas(12, 12), wide = makeCanvas(12, 12);
    thin.Ellipse(0, 0, 12, 12);
    wide.PenWidth = 2;
    wide.Ellipse(0, 0, 12, 12);
    expectWellFormed(wide, 12, 12);
    // The same shape, with a second ring of outline just inside the first.
    for (std::size_t i = 0; i < thin.Bits.size(); ++i)
        EXPECT_EQ(thin.Bits[i] == 0, wide.Bits[i] == 0) << i;
    EXPECT_EQ(picture(wide).substr(13 * 6, 13), "oo########oo\n");
    TBitmap32 once = makeCanvas(12, 12);
    once.PenColor = once.BrushColor = kHalfWhite;
    once.PenWidth = 3;
    once.RoundRect(0, 0, 12, 12, 6, 6);
    EXPECT_TRUE(everyPixelWrittenAtMostOnce(once));
}
