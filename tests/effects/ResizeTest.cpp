#include "effects/Resize.h"
#include "EffectsTestSupport.h"

#include <gtest/gtest.h>

TEST(ResizeTest, StartingSizeItem) {
    EXPECT_EQ(ResizeSizeIndex(32, 32), 3);
    EXPECT_EQ(ResizeSizeIndex(8, 8), 0);
    EXPECT_EQ(ResizeSizeIndex(128, 128), 8);
    EXPECT_EQ(ResizeSizeIndex(20, 20), CustomSizeIndex);
    EXPECT_EQ(ResizeSizeIndex(16, 32), CustomSizeIndex);
    EXPECT_EQ(ResizeItemSize(3), 32);
    EXPECT_EQ(ResizeItemSize(7), 96);
    EXPECT_EQ(ResizeItemSize(CustomSizeIndex), 0);
    for (int i = 0; i < CustomSizeIndex; ++i)
        EXPECT_EQ(ResizeSizeIndex(ResizeItemSize(i), ResizeItemSize(i)), i);
}

TEST(ResizeTest, ShrinkKeepsCornerTakesEverySecondPixelOrClears) {
    const TBitmap32 big = numbered(32, 32);
    const TBitmap32 kept = ResizedImage(big, 16, 16, ResizeChange::NoChanges);
    const TBitmap32 stretched = ResizedImage(big, 16, 16, ResizeChange::StretchIcon);
    const TBitmap32 cleared = ResizedImage(big, 16, 16, ResizeChange::ClearIcon);
    for (const TBitmap32* b : {&kept, &stretched, &cleared}) {
        EXPECT_EQ(b->Width, 16);
        EXPECT_EQ(b->Height, 16);
        EXPECT_TRUE(b->Blend);
    }
    for (int y = 0; y < 16; ++y)
        for (int x = 0; x < 16; ++x) {
            SCOPED_TRACE(testing::Message() << x << "," << y);
            EXPECT_EQ(kept.GetPixel(x, y), big.GetPixel(x, y));
            EXPECT_EQ(stretched.GetPixel(x, y), big.GetPixel(2 * x, 2 * y));
            EXPECT_EQ(cleared.GetPixel(x, y), 0u);
        }
}

TEST(ResizeTest, GrowStretchesIntoBlocksOrLeavesTransparentMargins) {
    const TBitmap32 small = numbered(16, 16);
    const TBitmap32 stretched = ResizedImage(small, 48, 48, ResizeChange::StretchIcon);
    const TBitmap32 kept = ResizedImage(small, 48, 40, ResizeChange::NoChanges);
    EXPECT_EQ(kept.Height, 40);
    for (int y = 0; y < 48; ++y)
        for (int x = 0; x < 48; ++x) {
            SCOPED_TRACE(testing::Message() << x << "," << y);
            EXPECT_EQ(stretched.GetPixel(x, y), small.GetPixel(x / 3, y / 3));
            if (y < 40) {
                EXPECT_EQ(kept.GetPixel(x, y), x < 16 && y < 16 ? small.GetPixel(x, y) : 0u);
            }
        }
}

TEST(ResizeTest, TransparentPixelsKeepTheirStoredColour) {
    // An inverted pixel is alpha 0 with the marker colour: blending it onto the
    // new buffer would make it plain transparent.
    const TColor32 inverted = Color32(0, 203, 176, 114), half = Color32(90, 1, 2, 3);
    const TBitmap32 b = grid(2, 1, {inverted, half});
    for (ResizeChange change : {ResizeChange::NoChanges, ResizeChange::StretchIcon}) {
        SCOPED_TRACE(int(change));
        const TBitmap32 r = ResizedImage(b, 2, 1, change);
        EXPECT_EQ(r.Bits, b.Bits);
    }
}

TEST(ResizeTest, SizesAreLimitedToTheImageRange) {
    const TBitmap32 r = ResizedImage(numbered(4, 4), 0, 300, ResizeChange::NoChanges);
    EXPECT_EQ(r.Width, 1);
    EXPECT_EQ(r.Height, 256);
    const TBitmap32 big = ResizedImage(numbered(4, 4), 256, 256, ResizeChange::StretchIcon);
    EXPECT_EQ(big.Width, 256);
    EXPECT_EQ(big.GetPixel(255, 255), numbered(4, 4).GetPixel(3, 3));
}

TEST(ResizeTest, HotSpotScalesWithAStretchedPictureAndStaysInside) {
    const struct {
        QPoint hot;
        QSize from, to;
        ResizeChange change;
        QPoint expected;
    } cases[] = {
        {{20, 20}, {32, 32}, {16, 16}, ResizeChange::StretchIcon, {10, 10}},
        {{5, 7}, {16, 16}, {48, 32}, ResizeChange::StretchIcon, {15, 14}},
        {{20, 3}, {32, 32}, {16, 16}, ResizeChange::NoChanges, {15, 3}},
        {{20, 20}, {32, 32}, {16, 8}, ResizeChange::ClearIcon, {15, 7}},
        {{5, 5}, {16, 16}, {48, 48}, ResizeChange::NoChanges, {5, 5}},
        {{31, 31}, {32, 32}, {256, 256}, ResizeChange::StretchIcon, {248, 248}},
        {{200, 0}, {256, 256}, {256, 1}, ResizeChange::StretchIcon, {200, 0}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << c.hot.x() << "," << c.hot.y() << " " << c.to.width()
                                        << "x" << c.to.height() << " " << int(c.change));
        EXPECT_EQ(ResizedHotSpot(c.hot, c.from, c.to, c.change), c.expected);
    }
}
