#include "PixelTestSupport.h"

#include <QRegion>
#include <gtest/gtest.h>
#include <vector>

namespace {
// A buffer whose pixel (x, y) holds a value naming its position.
TBitmap32 numbered(int w, int h) {
    TBitmap32 b(w, h);
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x)
            b.SetPixel(x, y, Color32(255, x + 1, y + 1, 0));
    return b;
}
} // namespace

TEST(Bitmap32, CreatedEmptyWithDefaults) {
    const TBitmap32 b;
    EXPECT_TRUE(b.Empty());
    EXPECT_EQ(b.Size, 0);
    EXPECT_TRUE(b.Bits.empty());
    EXPECT_EQ(b.PenColor, 0xFF000000u);
    EXPECT_EQ(b.BrushColor, 0xFF000000u);
    EXPECT_EQ(b.FontColor, 0xFF000000u);
    EXPECT_EQ(b.PenWidth, 1);
    EXPECT_EQ(b.PenPos, QPoint(0, 0));
    EXPECT_TRUE(b.Blend);
    EXPECT_TRUE(b.Filled);
    EXPECT_FALSE(b.Transparent);
    EXPECT_FALSE(b.InvertClip);
    EXPECT_EQ(b.ClipRegion, nullptr);
}

TEST(Bitmap32, PixelAccessOutsideIsIgnored) {
    TBitmap32 b = numbered(3, 2);
    const std::vector<TColor32> before = b.Bits;
    for (const QPoint p : {QPoint(-1, 0), QPoint(3, 0), QPoint(0, -1), QPoint(0, 2)}) {
        EXPECT_EQ(b.GetPixel(p.x(), p.y()), 0u);
        b.SetPixel(p.x(), p.y(), 0xFFFFFFFFu);
        b.BlendPixel(p.x(), p.y(), 0xFFFFFFFFu);
        b.PutPixel(p.x(), p.y(), 0xFFFFFFFFu);
    }
    EXPECT_EQ(b.Bits, before);
    EXPECT_EQ(b.GetPixel(2, 1), Color32(255, 3, 2, 0));
}

TEST(Bitmap32, PutPixelBlendsOrReplaces) {
    TBitmap32 b(1, 1);
    b.SetPixel(0, 0, 0xFF000000u);
    b.PutPixel(0, 0, 0x80FFFFFFu);
    EXPECT_EQ(b.GetPixel(0, 0), 0xFF808080u);
    b.PutPixel(0, 0, 0x00123456u); // alpha 0 blends to no change
    EXPECT_EQ(b.GetPixel(0, 0), 0xFF808080u);
    b.Blend = false;
    b.PutPixel(0, 0, 0x00123456u);
    EXPECT_EQ(b.GetPixel(0, 0), 0x00123456u);
    b.BlendPixel(0, 0, 0x00ABCDEFu); // alpha 0 over alpha 0 keeps the RGB too
    EXPECT_EQ(b.GetPixel(0, 0), 0x00123456u);
}

TEST(Bitmap32, SetHeightKeepsRowsAndClearsNewOnes) {
    TBitmap32 b = numbered(3, 2);
    b.SetHeight(4);
    EXPECT_EQ(b.Height, 4);
    EXPECT_EQ(b.Size, 3 * 4 * 4);
    EXPECT_EQ(b.GetPixel(2, 1), Color32(255, 3, 2, 0));
    for (int x = 0; x < 3; ++x) {
        EXPECT_EQ(b.GetPixel(x, 2), 0u);
        EXPECT_EQ(b.GetPixel(x, 3), 0u);
    }
    b.SetHeight(1);
    EXPECT_EQ(b.Bits, numbered(3, 1).Bits);
}

TEST(Bitmap32, SetWidthRelaysRows) {
    TBitmap32 b = numbered(4, 3);
    b.SetWidth(2);
    EXPECT_EQ(b.Size, 2 * 3 * 4);
    EXPECT_EQ(b.Bits, numbered(2, 3).Bits);
    b.SetWidth(4);
    for (int y = 0; y < 3; ++y) {
        SCOPED_TRACE(y);
        EXPECT_EQ(b.GetPixel(1, y), Color32(255, 2, y + 1, 0));
        EXPECT_EQ(b.GetPixel(2, y), 0u);
        EXPECT_EQ(b.GetPixel(3, y), 0u);
    }
}

TEST(Bitmap32, SameOrNegativeSizeChangesNothing) {
    TBitmap32 b = numbered(3, 2);
    const std::vector<TColor32> before = b.Bits;
    b.SetWidth(3);
    b.SetHeight(2);
    b.SetWidth(-1);
    b.SetHeight(-4);
    EXPECT_EQ(b.Width, 3);
    EXPECT_EQ(b.Height, 2);
    EXPECT_EQ(b.Bits, before);
    b.Clear();
    EXPECT_EQ(countPixels(b, 0), 6);
}

TEST(Bitmap32, ClipRegionLimitsWrites) {
    const QRegion region(QRect(1, 1, 2, 2));
    for (bool invert : {false, true}) {
        SCOPED_TRACE(invert);
        TBitmap32 b = makeCanvas(4, 4, 0xFF000000u);
        b.ClipRegion = &region;
        b.InvertClip = invert;
        for (int y = 0; y < 4; ++y)
            for (int x = 0; x < 4; ++x) {
                b.SetPixel(x, y, kPen);
                b.BlendPixel(x, y, 0x80FFFFFFu);
                b.PutPixel(x, y, 0x80FFFFFFu);
            }
        for (int y = 0; y < 4; ++y)
            for (int x = 0; x < 4; ++x) {
                const bool writable = region.contains(QPoint(x, y)) != invert;
                // GetPixel reads through the clip either way.
                EXPECT_EQ(b.GetPixel(x, y), writable ? 0xFFC0C0FFu : 0xFF000000u) << x << "," << y;
            }
    }
}

TEST(Bitmap32, AssignCopiesPixelsButKeepsDrawingState) {
    const QRegion region(QRect(0, 0, 1, 1));
    TBitmap32 src = numbered(3, 2);
    src.Transparent = true;
    src.TransparentColor = 0x12345678u;
    src.Blend = false;
    src.InvertClip = true;
    src.ClipRegion = &region;
    src.Filled = false;
    src.PenColor = 1;
    src.BrushColor = 2;
    src.FontColor = 3;
    src.PenWidth = 4;
    src.PenPos = QPoint(5, 6);
    src.Font.setPointSize(31);

    TBitmap32 dst = makeCanvas(7, 7);
    const QFont ownFont = dst.Font;
    dst.Assign(src);
    EXPECT_EQ(dst.Width, 3);
    EXPECT_EQ(dst.Height, 2);
    EXPECT_EQ(dst.Size, 24);
    EXPECT_EQ(dst.Bits, src.Bits);
    EXPECT_TRUE(dst.Transparent);
    EXPECT_EQ(dst.TransparentColor, 0x12345678u);
    EXPECT_FALSE(dst.Blend);
    EXPECT_TRUE(dst.InvertClip);
    EXPECT_EQ(dst.ClipRegion, &region);

    EXPECT_TRUE(dst.Filled);
    EXPECT_EQ(dst.PenColor, kPen);
    EXPECT_EQ(dst.BrushColor, kBrush);
    EXPECT_EQ(dst.FontColor, 0xFF000000u);
    EXPECT_EQ(dst.PenWidth, 1);
    EXPECT_EQ(dst.PenPos, QPoint(0, 0));
    EXPECT_EQ(dst.Font, ownFont);

    // The pixels are a private copy.
    src.SetPixel(0, 0, 0);
    EXPECT_EQ(dst.GetPixel(0, 0), Color32(255, 1, 1, 0));
}
