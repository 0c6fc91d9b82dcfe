#include "EffectsTestSupport.h"
#include "effects/NeighbourEffects.h"

#include <gtest/gtest.h>

namespace {

TColor32 red(int v) {
    return Color32(255, v, 0, 0);
}

} // namespace

TEST(BlurTest, BoxShrinksAtEdgesAndCorners) {
    // 36 in the corner: divided by 4 there, 6 by its edge neighbours, 9 inside.
    TBitmap32 b = grid(3, 3, {red(36), red(0), red(0), red(0), red(0), red(0), red(0), red(0), red(0)});
    Blur(b);
    EXPECT_EQ(b.Bits, (std::vector<TColor32>{red(9), red(6), red(0), red(6), red(4), red(0), red(0),
                                             red(0), red(0)}));
}

TEST(BlurTest, OnePixelStays) {
    TBitmap32 b = grid(1, 1, {Color32(7, 200, 100, 50)});
    Blur(b);
    EXPECT_EQ(b.Bits[0], Color32(7, 200, 100, 50));
}

TEST(BlurTest, TransparentNeighbourCountsWithoutAddingButTransparentCentreAdds) {
    TBitmap32 b = grid(2, 1, {Color32(255, 200, 100, 50), Color32(0, 255, 255, 255)});
    Blur(b);
    EXPECT_EQ(b.Bits, (std::vector<TColor32>{Color32(127, 100, 50, 25), Color32(127, 227, 177, 152)}));
}

TEST(EmbossTest, EachDirectionInvertsItsNeighbourAndGreysTheFacingEdges) {
    // 10 20 / 30 40 in every channel, alpha 200.
    const TBitmap32 start = grid(2, 2, {grey(10, 200), grey(20, 200), grey(30, 200), grey(40, 200)});
    const TColor32 edge = grey(127, 200);
    struct Case {
        EmbossDirection direction;
        std::vector<TColor32> expected;
    };
    const Case cases[] = {
        {EmbossDirection::TopLeft, {edge, edge, edge, grey(142, 200)}},     // (255 - 10 + 40) div 2
        {EmbossDirection::TopRight, {edge, edge, grey(132, 200), edge}},    // (255 - 20 + 30) div 2
        {EmbossDirection::BottomLeft, {edge, grey(122, 200), edge, edge}},  // (255 - 30 + 20) div 2
        {EmbossDirection::BottomRight, {grey(112, 200), edge, edge, edge}}, // (255 - 40 + 10) div 2
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(int(c.direction));
        TBitmap32 b = start;
        Emboss(b, c.direction);
        EXPECT_EQ(b.Bits, c.expected);
    }
}

TEST(EmbossTest, UniformGreyBecomesMidGreyEverywhere) {
    // Any pixel read after its neighbour had already changed would differ.
    for (EmbossDirection d : {EmbossDirection::TopLeft, EmbossDirection::TopRight,
                              EmbossDirection::BottomLeft, EmbossDirection::BottomRight}) {
        SCOPED_TRACE(int(d));
        TBitmap32 b = grid(4, 3, std::vector<TColor32>(12, grey(100)));
        Emboss(b, d);
        EXPECT_EQ(b.Bits, std::vector<TColor32>(12, grey(127)));
    }
}
