#include "effects/Adjustments.h"
#include "effects/EffectPreview.h"
#include "EffectsTestSupport.h"

#include <gtest/gtest.h>

namespace {

const TBitmap32 kMixed = grid(3, 1, {Color32(255, 200, 50, 0), Color32(0, 10, 20, 30), Color32(128, 127, 255, 1)});
const QColor kFace(240, 240, 240);

QRgb faceRgb() {
    return kFace.rgb();
}

} // namespace

TEST(ColorLevelsTest, AddsAndClampsEveryChannelTransparentPixelsToo) {
    struct Case {
        ColorLevelsParams params;
        std::vector<TColor32> expected;
    };
    const Case cases[] = {
        {{0, 0, 0, 0}, kMixed.Bits},
        {{255, 0, 0, 0}, {Color32(255, 255, 50, 0), Color32(0, 255, 20, 30), Color32(128, 255, 255, 1)}},
        {{-100, 100, -20, 0}, {Color32(255, 100, 150, 0), Color32(0, 0, 120, 10), Color32(128, 27, 255, 0)}},
        {{0, 0, 0, -255}, {Color32(0, 200, 50, 0), Color32(0, 10, 20, 30), Color32(0, 127, 255, 1)}},
        {{0, 0, 0, 100}, {Color32(255, 200, 50, 0), Color32(100, 10, 20, 30), Color32(228, 127, 255, 1)}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << c.params.Red << " " << c.params.Green << " "
                                        << c.params.Blue << " " << c.params.Alpha);
        TBitmap32 b = kMixed;
        ColorLevels(b, c.params);
        EXPECT_EQ(b.Bits, c.expected);
    }
}

TEST(ColorLevelsTest, PreviewMixesAdjustedPixelsOntoTheFace) {
    // Alpha -255: nothing but the face.
    const QImage gone = ColorLevelsPreview(kMixed, {0, 0, 0, -255}, kFace);
    ASSERT_EQ(gone.size(), QSize(3, 1));
    for (int x = 0; x < 3; ++x) EXPECT_EQ(gone.pixel(x, 0), faceRgb()) << x;

    // Unchanged: the transparent pixel is face; the half one is mixed
    // (127 * 128 + 240 * 127) / 255 = 183, (255 * 128 + 240 * 127) / 255 = 247,
    // (1 * 128 + 240 * 127) / 255 = 120.
    const QImage same = ColorLevelsPreview(kMixed, {}, kFace);
    EXPECT_EQ(same.pixel(0, 0), qRgb(200, 50, 0));
    EXPECT_EQ(same.pixel(1, 0), faceRgb());
    EXPECT_EQ(same.pixel(2, 0), qRgb(183, 247, 120));

    // Raised alpha shows the transparent pixel's stored colour:
    // (10 * 128 + 240 * 127) / 255 = 124, 129, 134.
    const QImage shown = ColorLevelsPreview(kMixed, {0, 0, 0, 128}, kFace);
    EXPECT_EQ(shown.pixel(1, 0), qRgb(124, 129, 134));
}

TEST(BalanceTest, ChannelCurve) {
    struct Case {
        int c, brightness, contrast, gamma, expected;
    };
    const Case cases[] = {
        {0, 0, 255, 0, 0},     // D = 127, -127 clamped
        {255, 0, 255, 0, 255}, // D = 128, 383 clamped
        {127, 0, 255, 0, 127},
        {90, 0, 0, 255, 255},
        {200, 0, 0, -255, 145}, // 200 - 55
        {100, 0, 0, -255, 0},   // 100 - 155 clamped
        {200, -50, 100, 50, 193}, // contrast +28, brightness, gamma + 77 * 50 div 255
        {50, 0, -100, 0, 80},     // D = -7700 div 255 = -30, truncated toward zero
        {50, -100, 0, 128, 103},  // no clamping between the steps: -50 + 305 * 128 div 255
        {0, 255, 0, 0, 255},
        {255, -255, 0, 0, 0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << c.c << " b" << c.brightness << " c" << c.contrast
                                        << " g" << c.gamma);
        BalanceParams p;
        p.Brightness = c.brightness;
        p.Contrast = c.contrast;
        p.Gamma = c.gamma;
        EXPECT_EQ(BalanceChannel(c.c, p), c.expected);
        TBitmap32 b = grid(1, 1, {Color32(77, c.c, c.c, c.c)});
        Balance(b, p);
        EXPECT_EQ(b.Bits[0], grey(c.expected, 77));
    }
}

TEST(BalanceTest, ZeroChangesNothingAndUncheckedChannelsStay) {
    TBitmap32 b = kMixed;
    Balance(b, {});
    EXPECT_EQ(b.Bits, kMixed.Bits);

    BalanceParams onlyGreen;
    onlyGreen.Brightness = 100;
    onlyGreen.Contrast = -40;
    onlyGreen.Gamma = 30;
    onlyGreen.Red = false;
    onlyGreen.Blue = false;
    Balance(b, onlyGreen);
    for (std::size_t i = 0; i < b.Bits.size(); ++i) {
        SCOPED_TRACE(i);
        const TColor32 was = kMixed.Bits[i], now = b.Bits[i];
        EXPECT_EQ(RedOf(now), RedOf(was));
        EXPECT_EQ(BlueOf(now), BlueOf(was));
        EXPECT_EQ(AlphaOf(now), AlphaOf(was));
        EXPECT_EQ(GreenOf(now), BalanceChannel(GreenOf(was), onlyGreen));
    }
}

TEST(BalanceTest, PreviewIsTheAppliedPictureOverTheFace) {
    BalanceParams p;
    p.Brightness = 40;
    TBitmap32 applied = kMixed;
    Balance(applied, p);
    EXPECT_EQ(BalancePreview(kMixed, p, kFace), PreviewOnFace(applied, kFace));
    EXPECT_EQ(BalancePreview(kMixed, p, kFace).pixel(1, 0), faceRgb());
}

TEST(SpatterPreviewTest, ShowsTheTargetOverTheFace) {
    const QImage one = SpatterPreview(grid(1, 1, {Color32(128, 127, 255, 1)}), 5, kFace);
    ASSERT_EQ(one.size(), QSize(1, 1));
    EXPECT_EQ(one.pixel(0, 0), qRgb(183, 247, 120));
}
