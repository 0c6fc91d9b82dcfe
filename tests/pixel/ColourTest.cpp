#include "pixel/TColor32.h"

#include <gtest/gtest.h>

TEST(Colour32, ChannelsAndHelpers) {
    const TColor32 c = Color32(0x44, 0x11, 0x22, 0x33);
    EXPECT_EQ(c, 0x44332211u);
    EXPECT_EQ(RedOf(c), 0x11);
    EXPECT_EQ(GreenOf(c), 0x22);
    EXPECT_EQ(BlueOf(c), 0x33);
    EXPECT_EQ(AlphaOf(c), 0x44);
    EXPECT_EQ(Color32(0x1FF, 0x100, -1, 0x2AB), 0xFFAB0000u | 0x0000FF00u); // masked
    EXPECT_EQ(SetAlpha(0x00332211u, 0x180), 0x80332211u);
    EXPECT_EQ(Color32ToColor(c), 0x00332211u);
    EXPECT_EQ(ClampByte(-5), 0);
    EXPECT_EQ(ClampByte(300), 255);
    EXPECT_EQ(ClampByte(77), 77);
}

TEST(Colour32, RoundHalfEven) {
    const struct {
        double v;
        int r;
    } cases[] = {{0.5, 0},   {1.5, 2},    {2.5, 2},    {3.5, 4},   {-0.5, 0},
                 {-1.5, -2}, {2.4999, 2}, {2.5001, 3}, {-2.6, -3}, {7.0, 7}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.v);
        EXPECT_EQ(RoundHalfEven(c.v), c.r);
    }
}

TEST(Colour32, BlendColor32Cases) {
    const struct {
        const char* what;
        TColor32 dst, src, expected;
    } cases[] = {
        {"half white over opaque black", 0xFF000000u, 0x80FFFFFFu, 0xFF808080u},
        {"alpha 128 over alpha 0 keeps the source", 0x00ABCDEFu, 0x80123456u, 0x80123456u},
        {"alpha 0 over alpha 0 keeps the destination RGB", 0x00ABCDEFu, 0x00123456u, 0x00ABCDEFu},
        {"alpha 0 over a partly opaque pixel", 0x40ABCDEFu, 0x00123456u, 0x40ABCDEFu},
        {"opaque source replaces", 0x40ABCDEFu, 0xFF123456u, 0xFF123456u},
        // Channels land on exact halves: 127.5 -> 128, 1.5 -> 2, 128.5 -> 128.
        {"halves go to even", Color32(1, 255, 0, 255), Color32(1, 1, 3, 3),
         Color32(2, 128, 2, 128)},
        // 0.5 -> 0 and 2.5 -> 2
        {"halves go down to even", Color32(1, 0, 0, 0), Color32(1, 1, 5, 0), Color32(2, 0, 2, 0)},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        EXPECT_EQ(BlendColor32(c.dst, c.src), c.expected);
    }
}

TEST(Colour32, BlendWithOpaqueOrClearSourceOverAnyDestination) {
    for (int ad = 0; ad < 256; ad += 15)
        for (int v = 0; v < 256; v += 51) {
            const TColor32 dst = Color32(ad, v, 255 - v, v / 2);
            const TColor32 opaque = Color32(255, 255 - v, v / 3, v);
            const TColor32 clear = Color32(0, 7, v, 9);
            ASSERT_EQ(BlendColor32(dst, opaque), opaque) << std::hex << dst;
            ASSERT_EQ(BlendColor32(dst, clear), dst) << std::hex << dst;
            // The shortcuts agree with the full formula.
            ASSERT_EQ(blendPartlyOpaque(dst, opaque), opaque) << std::hex << dst;
            ASSERT_EQ(blendPartlyOpaque(dst, clear), dst) << std::hex << dst;
        }
}

TEST(Colour32, MixOnOpaque) {
    const struct {
        TColor dst;
        int r, g, b, a;
        TColor expected;
    } cases[] = {
        {0x00000000u, 255, 255, 255, 128, 0x00808080u}, // (255 * 128 + 0) div 255
        {0x00123456u, 1, 2, 3, 0, 0x00123456u},
        {0x00123456u, 1, 2, 3, 255, 0x00030201u},
        // truncating: 255 * 127 div 255 = 127, (100 * 128 + 200 * 127) div 255 = 149 (149.8)
        {0x00C8C8FFu, 0, 100, 100, 128, 0x0095957Fu},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.expected);
        EXPECT_EQ(MixOnOpaque(c.dst, c.r, c.g, c.b, c.a), c.expected);
    }
}
