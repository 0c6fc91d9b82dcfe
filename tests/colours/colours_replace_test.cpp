#include "colours/ColourReplace.h"
#include "pixel/TBitmap32.h"

#include <gtest/gtest.h>
#include <vector>

namespace {

constexpr TColor32 R = 0xFF0000FFu; // opaque red
constexpr TColor32 B = 0xFFFF0000u; // opaque blue
constexpr TColor32 r = 0x800000FFu; // red of alpha 128
constexpr TColor32 b = 0x80FF0000u; // blue of alpha 128
constexpr TColor32 G = 0xFF00FF00u; // opaque green
constexpr TColor32 T = 0x00000000u; // transparent black

TBitmap32 grid(int W, int H, const std::vector<TColor32>& Pixels) {
    TBitmap32 bmp(W, H);
    bmp.Bits = Pixels;
    return bmp;
}

} // namespace

TEST(ColourReplace, ReplaceColorsFAndBExchangesOnlyExactMatches) {
    TBitmap32 bmp = grid(3, 2, {R, B, r, G, b, T});
    ReplaceColorsFAndB(bmp, R, B);
    EXPECT_EQ(bmp.Bits, (std::vector<TColor32>{B, R, r, G, b, T}));
}

TEST(ColourReplace, ChangeColorFToBLeavesTheBackgroundColourAlone) {
    TBitmap32 bmp = grid(3, 2, {R, B, r, G, R, T});
    ChangeColorFToB(bmp, R, B);
    EXPECT_EQ(bmp.Bits, (std::vector<TColor32>{B, B, r, G, B, T}));

    // Transparent black as the foreground reaches exactly the transparent pixels.
    TBitmap32 clear = grid(2, 1, {T, 0x00FFFFFFu});
    ChangeColorFToB(clear, T, G);
    EXPECT_EQ(clear.Bits, (std::vector<TColor32>{G, 0x00FFFFFFu}));
}

TEST(ColourReplace, TheButtonsWorkOnTheCommittedImage) {
    for (bool exchange : {false, true}) {
        SCOPED_TRACE(exchange);
        TBitmap32 clean = grid(2, 2, {R, B, G, T});
        TBitmap32 work = grid(2, 2, {R, B, G, R}); // a tool preview at (1, 1)
        work.PenColor = 0xFF123456u;               // drawing state is the session's
        if (exchange)
            colcovertClick(work, clean, R, B);
        else
            changecolClick(work, clean, R, B);
        const std::vector<TColor32> expected =
            exchange ? std::vector<TColor32>{B, R, G, T} : std::vector<TColor32>{B, B, G, T};
        EXPECT_EQ(work.Bits, expected);
        EXPECT_EQ(clean.Bits, expected);
        EXPECT_EQ(work.PenColor, 0xFF123456u);
    }
}
