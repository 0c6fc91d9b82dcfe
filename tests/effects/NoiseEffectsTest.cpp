#include "EffectsTestSupport.h"
#include "effects/NoiseEffects.h"
#include "pixel/Random.h"

#include <gtest/gtest.h>
#include <set>

namespace {

constexpr std::uint32_t kSeed = 12345u;

// Fixes the clock the effects reseed from, for the length of a test.
class FixedClock : public testing::Test {
protected:
    void SetUp() override { setRandomClock([] { return kSeed; }); }
    void TearDown() override { setRandomClock(nullptr); }
};

using NoiseTest = FixedClock;
using SpatterTest = FixedClock;

// Replays the draws: one Random(20) per pixel in row order, then Extra draws
// of Random(255) for a chosen pixel, turned into its colour by Make.
template <class Make>
std::vector<TColor32> replay(const TBitmap32& start, int extra, Make make) {
    Lcg lcg{kSeed};
    std::vector<TColor32> out = start.Bits;
    for (TColor32& p : out) {
        if (lcg.next(20) != 1) continue;
        int v[4] = {};
        for (int i = 0; i < extra; ++i) v[i] = lcg.next(255);
        p = make(v);
    }
    return out;
}

} // namespace

TEST_F(NoiseTest, ColourNoiseDrawsBlueGreenRedPixelByPixel) {
    const TBitmap32 start = grid(16, 16, std::vector<TColor32>(256, grey(9)));
    TBitmap32 b = start;
    AddColorNoise(b);
    const auto expected = replay(start, 3, [](const int* v) { return Color32(255, v[2], v[1], v[0]); });
    EXPECT_EQ(b.Bits, expected);
    EXPECT_NE(b.Bits, start.Bits);
}

TEST_F(NoiseTest, ColourNoiseWithAlphaDrawsAlphaFourth) {
    const TBitmap32 start = grid(16, 16, std::vector<TColor32>(256, grey(9)));
    TBitmap32 b = start;
    AddColorNoiseWithAlpha(b);
    const auto expected = replay(start, 4, [](const int* v) { return Color32(v[3], v[2], v[1], v[0]); });
    EXPECT_EQ(b.Bits, expected);
}

TEST_F(NoiseTest, PenNoiseUsesAllBitsOfThePenColour) {
    const TBitmap32 start = grid(16, 16, std::vector<TColor32>(256, grey(9)));
    TBitmap32 b = start;
    b.PenColor = 0x80123456u;
    AddPenNoise(b);
    const auto expected = replay(start, 0, [](const int*) { return 0x80123456u; });
    EXPECT_EQ(b.Bits, expected);
}

TEST_F(SpatterTest, NeverReadsOutsideAndOnlyMovesExistingColours) {
    for (int radius : {SpatterMinRadius, 7, SpatterMaxRadius}) {
        for (std::uint32_t seed : {1u, 99u, 123456789u}) {
            SCOPED_TRACE(testing::Message() << "radius " << radius << " seed " << seed);
            setRandomClock([seed] { return seed; });
            const TBitmap32 start = numbered(5, 4);
            TBitmap32 b = start;
            Spatter(b, radius);
            // A read from outside would bring in transparent black.
            const std::set<TColor32> colours(start.Bits.begin(), start.Bits.end());
            for (TColor32 p : b.Bits) EXPECT_TRUE(colours.count(p)) << std::hex << p;
        }
    }
}

TEST_F(SpatterTest, OnePixelStays) {
    TBitmap32 b = grid(1, 1, {Color32(3, 4, 5, 6)});
    Spatter(b, SpatterMaxRadius);
    EXPECT_EQ(b.Bits[0], Color32(3, 4, 5, 6));
}

TEST_F(SpatterTest, WorksInPlaceWithTheDrawnOffsets) {
    // Replays the draws on a copy: K, then the column and row offsets.
    const TBitmap32 start = numbered(6, 6);
    TBitmap32 b = start;
    Spatter(b, 3);
    TBitmap32 expected = start;
    Lcg lcg{kSeed};
    bool moved = false;
    for (int y = 0; y < 6; ++y)
        for (int x = 0; x < 6; ++x) {
            const int k = lcg.next(3);
            const int sx = x + k - lcg.next(2 * k), sy = y + k - lcg.next(2 * k);
            ASSERT_GE(sx - x, 1 - k - (k == 0));
            ASSERT_LE(sx - x, k);
            if (expected.inside(sx, sy)) {
                expected.Bits[std::size_t(y * 6 + x)] = expected.GetPixel(sx, sy);
                moved = moved || sx != x || sy != y;
            }
        }
    EXPECT_TRUE(moved);
    EXPECT_EQ(b.Bits, expected.Bits);
}
