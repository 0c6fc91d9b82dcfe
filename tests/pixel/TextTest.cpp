#include "PixelTestSupport.h"

#include <gtest/gtest.h>

namespace {

const TColor32 kBack = 0xFF204060u;
const TColor32 kInk = 0xFF0000FFu;
const QString kText = QStringLiteral("Hi W.");

TBitmap32 textCanvas(bool filled, TColor32 font = kInk) {
    TBitmap32 b = makeCanvas(120, 60, kBack);
    b.Font.setPixelSize(18);
    b.Filled = filled;
    b.FontColor = font;
    b.BrushColor = 0xFFFFFF00u;
    return b;
}

} // namespace

TEST(Bitmap32Text, ExtentGrowsWithTheText) {
    TBitmap32 b = textCanvas(true);
    const QSize one = b.TextExtent("W"), two = b.TextExtent("WW");
    EXPECT_GT(one.width(), 0);
    EXPECT_GT(one.height(), 0);
    EXPECT_GT(two.width(), one.width());
    EXPECT_EQ(two.height(), one.height());
    EXPECT_EQ(b.TextWidth("WW"), two.width());
    EXPECT_EQ(b.TextHeight("WW"), two.height());
    EXPECT_EQ(b.TextWidth(""), 0);
    b.Font.setPixelSize(36);
    EXPECT_GT(b.TextHeight("W"), one.height());
}

TEST(Bitmap32Text, FilledDrawsTheTextCellBoxAndTheGlyphs) {
    TBitmap32 b = textCanvas(true);
    b.TextOut(3, 2, kText);
    const QSize cell = b.TextExtent(kText);
    int box = 0, glyph = 0;
    for (int y = 0; y < b.Height; ++y)
        for (int x = 0; x < b.Width; ++x) {
            const TColor32 c = b.GetPixel(x, y);
            const bool inCell = x >= 3 && y >= 2 && x < 3 + cell.width() && y < 2 + cell.height();
            if (inCell) {
                EXPECT_NE(c, kBack) << x << "," << y;
            }
            if (c == b.BrushColor)
                ++box;
            else if (c != kBack)
                ++glyph;
            EXPECT_TRUE((x >= 3 && y >= 2) || c == kBack) << x << "," << y;
        }
    EXPECT_GT(box, glyph);
    EXPECT_GT(glyph, 20);
}

TEST(Bitmap32Text, UnfilledLeavesThePixelsBetweenGlyphsUnchanged) {
    TBitmap32 filled = textCanvas(true), unfilled = textCanvas(false);
    filled.TextOut(3, 2, kText);
    unfilled.TextOut(3, 2, kText);
    int glyph = 0;
    for (std::size_t i = 0; i < filled.Bits.size(); ++i) {
        // Wherever the box shows, no glyph touched the pixel.
        if (filled.Bits[i] == filled.BrushColor) {
            EXPECT_EQ(unfilled.Bits[i], kBack) << i;
        }
        glyph += unfilled.Bits[i] != kBack;
    }
    EXPECT_GT(glyph, 20);
}

TEST(Bitmap32Text, CoverageIsSubtractedFromTheFontAlpha) {
    // Replacing, so each pixel shows the colour that was computed for it.
    TBitmap32 opaque = textCanvas(false, 0xFF0000FFu), half = textCanvas(false, 0x800000FFu);
    opaque.Blend = half.Blend = false;
    opaque.TextOut(0, 0, kText);
    half.TextOut(0, 0, kText);
    int fullyCovered = 0, partly = 0;
    for (std::size_t i = 0; i < opaque.Bits.size(); ++i) {
        if (opaque.Bits[i] == kBack) {
            EXPECT_EQ(half.Bits[i], kBack);
            continue;
        }
        // Opaque ink gives alpha 255 - r; half ink gives max(0, 128 - r).
        const int r = 255 - AlphaOf(opaque.Bits[i]);
        EXPECT_EQ(Color32ToColor(opaque.Bits[i]), 0x0000FFu);
        EXPECT_EQ(half.Bits[i], SetAlpha(0x0000FFu, std::max(0, 128 - r))) << i;
        fullyCovered += r == 0;
        partly += r > 0 && r < 255;
    }
    EXPECT_GT(fullyCovered, 0);
    EXPECT_GT(partly, 0); // smoothed edges
}

TEST(Bitmap32Text, FilledGlyphsAreBlendedOntoTheBrush) {
    TBitmap32 b = textCanvas(true);
    b.Blend = false;
    b.FontColor = 0x800000FFu;
    b.TextOut(0, 0, kText);
    TBitmap32 bare = textCanvas(false, 0x800000FFu);
    bare.Blend = false;
    bare.TextOut(0, 0, kText);
    for (std::size_t i = 0; i < b.Bits.size(); ++i)
        if (bare.Bits[i] != kBack) {
            EXPECT_EQ(b.Bits[i], BlendColor32(b.BrushColor, bare.Bits[i])) << i;
        }
}

TEST(Bitmap32Text, ClearBrushDrawsNoBox) {
    TBitmap32 b = textCanvas(true);
    b.Blend = false;
    b.BrushColor = 0x00FFFFFFu;
    b.TextOut(0, 0, kText);
    EXPECT_EQ(countPixels(b, b.BrushColor), 0);
    TBitmap32 off = textCanvas(true);
    off.TextOut(-500, -500, kText);
    off.TextOut(5000, 0, kText);
    off.TextOut(0, 0, QString());
    EXPECT_EQ(countPixels(off, kBack), 120 * 60);
}
