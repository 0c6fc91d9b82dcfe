#include "EffectsTestSupport.h"
#include "effects/SmoothContract.h"

#include <gtest/gtest.h>

TEST(SmoothContractTest, SameSizeKeepsVisiblePixelsAndBlackensTransparentOnes) {
    const TBitmap32 b = grid(3, 2, {Color32(255, 1, 2, 3), Color32(1, 200, 100, 50), Color32(0, 203, 176, 114),
                                    Color32(128, 9, 8, 7), 0, Color32(254, 255, 255, 255)});
    const TBitmap32 out = SmoothContract(b, 3, 2);
    EXPECT_EQ(out.Bits, (std::vector<TColor32>{Color32(255, 1, 2, 3), Color32(1, 200, 100, 50), 0,
                                               Color32(128, 9, 8, 7), 0, Color32(254, 255, 255, 255)}));
}

TEST(SmoothContractTest, HalfWeightsRoundToEvenAndComposite) {
    // Red at x 0 lands whole on 0; blue at x 1 scales to 0.5 and brings
    // round(127.5) = 128 of its alpha there; its other half falls outside.
    const TBitmap32 b = grid(2, 1, {Color32(255, 255, 0, 0), Color32(255, 0, 0, 255)});
    const TBitmap32 out = SmoothContract(b, 1, 1);
    ASSERT_EQ(out.Bits.size(), 1u);
    EXPECT_EQ(out.Bits[0], Color32(255, 127, 0, 128));
}

TEST(SmoothContractTest, ImageKeepsItsSizeWithThePictureTopLeft) {
    TBitmap32 b = grid(32, 32, std::vector<TColor32>(32 * 32, Color32(255, 40, 80, 120)));
    b.PenColor = 0x11223344u;
    SmoothContractImage(b, 16, 16);
    EXPECT_EQ(b.Width, 32);
    EXPECT_EQ(b.Height, 32);
    EXPECT_EQ(b.PenColor, 0x11223344u);
    for (int y = 0; y < 32; ++y)
        for (int x = 0; x < 32; ++x)
            EXPECT_EQ(b.GetPixel(x, y), x < 16 && y < 16 ? Color32(255, 40, 80, 120) : 0u) << x << "," << y;
}

TEST(SmoothContractTest, SelectionTakesTheNewSize) {
    TBitmap32 sel = numbered(20, 10);
    QRect rect = TRect(3, 4, 23, 14);
    SmoothContractSelection(sel, rect, 5, 7);
    EXPECT_EQ(sel.Width, 5);
    EXPECT_EQ(sel.Height, 7);
    EXPECT_EQ(rect, TRect(3, 4, 8, 11));
}

TEST(SmoothContractTest, SizeIsLimitedToOneUpToTheCurrentSize) {
    const TBitmap32 b = numbered(4, 3);
    const TBitmap32 out = SmoothContract(b, 0, 9);
    EXPECT_EQ(out.Width, 1);
    EXPECT_EQ(out.Height, 3);
}
