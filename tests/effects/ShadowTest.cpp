#include "EffectsTestSupport.h"
#include "effects/Shadow.h"

#include <gtest/gtest.h>

namespace {

constexpr int kTraRange = 100;
constexpr TColor32 kGreen = 0xFF00FF00u;

ShadowParams params(int left, int top, int count, bool smooth = false) {
    ShadowParams p;
    p.Left = left;
    p.Top = top;
    p.Count = count;
    p.Alpha = 50;
    p.Smooth = smooth;
    p.Color = 0x0000FF; // red
    return p;
}

TBitmap32 shadowed(const TBitmap32& target, const ShadowParams& p) {
    TBitmap32 out(target.Width, target.Height);
    DrawShadow(target, ShadowMask(target, kTraRange), p, out);
    return out;
}

const TColor32 kOnce = Color32(50, 255, 0, 0);
// The shadow colour composited over itself: 50 + 50 - round(2500 / 255).
const TColor32 kTwice = Color32(90, 255, 0, 0);

} // namespace

TEST(ShadowTest, MaskFollowsTheTransparencyRange) {
    const TBitmap32 b = grid(3, 1, {grey(1, 100), grey(1, 101), 0});
    EXPECT_EQ(ShadowMask(b, kTraRange), (OpacityMask{0, 1, 0}));
}

TEST(ShadowTest, NoOffsetShowsOnlyUnderPartlyOpaquePixels) {
    const TBitmap32 b = grid(3, 1, {kGreen, Color32(150, 0, 255, 0), Color32(80, 0, 255, 0)});
    const TBitmap32 out = shadowed(b, params(0, 0, 1));
    EXPECT_EQ(out.Bits[0], kGreen);
    EXPECT_EQ(out.Bits[1], BlendColor32(kOnce, b.Bits[1]));
    EXPECT_NE(out.Bits[1], b.Bits[1]);
    EXPECT_EQ(out.Bits[2], b.Bits[2]); // alpha 80 is not part of the shape
}

TEST(ShadowTest, LayersStepOutwardAndOverlapsCompositeAgain) {
    // Shape at (0, 0) and (1, 0); Left 1, Top 0: layers moved by 1 and 2.
    const TBitmap32 b = grid(5, 1, {kGreen, kGreen, 0, 0, 0});
    EXPECT_EQ(shadowed(b, params(1, 0, 2)).Bits, (std::vector<TColor32>{kGreen, kGreen, kTwice, kOnce, 0}));

    // Left 3, Top 3, Count 2: one pixel at (0, 0) leaves layers at (3, 3) and (4, 4).
    TBitmap32 dot(6, 6);
    dot.SetPixel(0, 0, kGreen);
    const TBitmap32 out = shadowed(dot, params(3, 3, 2));
    for (int y = 0; y < 6; ++y)
        for (int x = 0; x < 6; ++x) {
            const TColor32 want = x == 0 && y == 0 ? kGreen : (x == y && (x == 3 || x == 4)) ? kOnce : 0u;
            EXPECT_EQ(out.GetPixel(x, y), want) << x << "," << y;
        }
}

TEST(ShadowTest, NegativeOffsetsAndSourcesOutsideContributeNothing) {
    // Left -2, Top 1: layers at (-2, 1) and (-3, 2).
    TBitmap32 b(5, 3);
    b.SetPixel(3, 0, kGreen);
    b.SetPixel(0, 0, kGreen);
    const TBitmap32 out = shadowed(b, params(-2, 1, 2));
    for (int y = 0; y < 3; ++y)
        for (int x = 0; x < 5; ++x) {
            const bool shape = y == 0 && (x == 0 || x == 3);
            const bool layer = (x == 1 && y == 1) || (x == 0 && y == 2);
            EXPECT_EQ(out.GetPixel(x, y), shape ? kGreen : layer ? kOnce : 0u) << x << "," << y;
        }
}

TEST(ShadowTest, SmoothDividesByOneMoreThanTheCountingPositions) {
    // Every pixel in the shape, none drawn: the layers are the shadow colour
    // everywhere and the transparent target shows the averages.
    const TBitmap32 clear(5, 5);
    const OpacityMask all(25, 1);
    ShadowParams p = params(0, 0, 1, true);
    p.Alpha = 200;
    p.Color = 0x143264; // (100, 50, 20)
    TBitmap32 out(5, 5);
    DrawShadow(clear, all, p, out);
    EXPECT_EQ(out.GetPixel(2, 2), Color32(180, 90, 45, 18)); // 9 positions, divisor 10
    EXPECT_EQ(out.GetPixel(0, 0), Color32(160, 80, 40, 16)); // 4 positions, divisor 5
    EXPECT_EQ(out.GetPixel(4, 4), Color32(100, 50, 25, 10)); // last row and column left out
    EXPECT_EQ(out.GetPixel(4, 0), Color32(133, 66, 33, 13)); // 2 positions, divisor 3
}

TEST(ShadowTest, TargetMayBeItsOwnDestination) {
    TBitmap32 b = numbered(9, 7);
    for (int x = 0; x < 9; ++x) b.SetPixel(x, 6, 0);
    b.SetPixel(4, 3, Color32(150, 9, 9, 9));
    const OpacityMask mask = ShadowMask(b, kTraRange);
    for (bool smooth : {false, true}) {
        SCOPED_TRACE(smooth);
        const ShadowParams p = params(2, -1, 3, smooth);
        TBitmap32 apart(1, 1);
        DrawShadow(b, mask, p, apart);
        TBitmap32 same = b;
        DrawShadow(same, mask, p, same);
        EXPECT_TRUE(same.samePixels(apart));
        EXPECT_FALSE(same.samePixels(b));
    }
}

TEST(ShadowTest, PreviewShowsTheShadowOverTheFace) {
    const TBitmap32 b = grid(2, 1, {kGreen, 0});
    const QImage preview = ShadowPreview(b, ShadowMask(b, kTraRange), params(1, 0, 1), QColor(0, 0, 0));
    EXPECT_EQ(preview.pixel(0, 0), qRgb(0, 255, 0));
    EXPECT_EQ(preview.pixel(1, 0), qRgb(50, 0, 0)); // 255 * 50 div 255 over black
}
