#include "PixelTestSupport.h"

#include <QRegion>
#include <gtest/gtest.h>

namespace {
// Builds a buffer from rows of characters, one colour per character.
TBitmap32 fromGrid(std::initializer_list<const char*> rows) {
    const int h = int(rows.size()), w = int(std::strlen(*rows.begin()));
    TBitmap32 b = makeCanvas(w, h);
    int y = 0;
    for (const char* r : rows) {
        for (int x = 0; x < w; ++x)
            b.SetPixel(x, y, r[x] == '.' ? 0u : r[x] == 'a' ? 0x7F000000u : 0xFF000000u);
        ++y;
    }
    return b;
}
} // namespace

TEST(Bitmap32FloodFill, FillsTheFourConnectedAreaOfExactlyThatColour) {
    // 'a' differs from '.' (transparent black) only in its alpha.
    TBitmap32 b = fromGrid({"...x.....", //
                            "...x.xxx.", //
                            "..x..x.x.", //
                            "xx...xxx.", //
                            "....a...."});
    b.FloodFill(0, 0, b.GetPixel(0, 0));
    EXPECT_EQ(picture(b), grid({"###?.....", //
                                "###?.???.", //
                                "##?..?.?.", //
                                "??...???.", //
                                "....?...."}));
    // The enclosed pocket and the right side are separate areas.
    b.FloodFill(6, 2, 0);
    EXPECT_EQ(b.GetPixel(6, 2), kBrush);
    EXPECT_EQ(b.GetPixel(8, 0), 0u);
}

TEST(Bitmap32FloodFill, DoesNothingOnABarrierOrOutside) {
    TBitmap32 b = fromGrid({"..x", "..x"});
    const auto before = b.Bits;
    b.FloodFill(2, 0, 0);  // the clicked pixel is not Color
    b.FloodFill(-1, 0, 0); // outside
    b.FloodFill(0, 2, 0);
    EXPECT_EQ(b.Bits, before);
}

TEST(Bitmap32FloodFill, PaintsTheMarkedAreaOnceEvenWhenTheBrushMatches) {
    TBitmap32 b = makeCanvas(255, 255);
    b.BrushColor = kHalfWhite;
    b.FloodFill(100, 100, 0);
    EXPECT_EQ(countPixels(b, kHalfWhite), 255 * 255);
    // Blending the brush over itself may give the searched colour again; the
    // area is still painted once.
    TBitmap32 same = makeCanvas(8, 8, 0xFF000000u);
    same.BrushColor = 0xFF000000u;
    same.FloodFill(3, 3, 0xFF000000u);
    EXPECT_EQ(countPixels(same, 0xFF000000u), 64);
}

TEST(Bitmap32FloodFill, FollowsAWindingCorridor) {
    // A serpentine path, the case where a fill that recursed would go deep.
    TBitmap32 b = makeCanvas(101, 101);
    for (int y = 1; y < 101; y += 2)
        for (int x = 0; x < 101; ++x)
            if (x != ((y / 2) % 2 == 0 ? 100 : 0)) b.SetPixel(x, y, 0xFF000000u);
    b.FloodFill(0, 0, 0);
    EXPECT_EQ(countPixels(b, kBrush), 51 * 101 + 50);
    EXPECT_EQ(countPixels(b, 0), 0);
}

TEST(Bitmap32Draw, ClipsAtTheRightEdge) {
    TBitmap32 src = makeCanvas(4, 4, 0xFF445566u);
    TBitmap32 b = makeCanvas(16, 16);
    b.Draw(14, 0, src);
    for (int y = 0; y < 16; ++y)
        for (int x = 0; x < 16; ++x)
            EXPECT_EQ(b.GetPixel(x, y), (x >= 14 && y < 4) ? 0xFF445566u : 0u) << x << "," << y;
}

TEST(Bitmap32Draw, NegativeOffsetSkipsTheKeyAndBlends) {
    TBitmap32 src = fromGrid({"x.", "xx"});
    src.SetPixel(1, 1, kHalfWhite);
    src.Transparent = true;
    src.TransparentColor = 0xFF000000u;
    TBitmap32 b = makeCanvas(2, 2, 0xFF000000u);
    b.Draw(-1, 0, src);
    EXPECT_EQ(b.GetPixel(0, 0), 0xFF000000u); // src (1, 0) = 0 blended: no change
    EXPECT_EQ(b.GetPixel(0, 1), 0xFF808080u);
    EXPECT_EQ(b.GetPixel(1, 1), 0xFF000000u);
}

TEST(Bitmap32StretchDraw, ScalesByNearestPixel) {
    TBitmap32 src(2, 2);
    src.Bits = {0xFF000001u, 0xFF000002u, 0xFF000003u, 0xFF000004u};
    TBitmap32 b = makeCanvas(5, 5);
    b.StretchDraw(TRect(1, 1, 5, 5), src);
    for (int y = 0; y < 5; ++y)
        for (int x = 0; x < 5; ++x) {
            const TColor32 expected =
                (x < 1 || y < 1) ? 0u : 0xFF000001u + TColor32((x - 1) / 2 + 2 * ((y - 1) / 2));
            EXPECT_EQ(b.GetPixel(x, y), expected) << x << "," << y;
        }
    TBitmap32 one = makeCanvas(2, 2);
    one.StretchDraw(TRect(1, 1, 2, 2), src);
    EXPECT_EQ(one.GetPixel(1, 1), 0xFF000001u);
    EXPECT_EQ(countPixels(one, 0), 3);
}

TEST(Bitmap32StretchDraw, NothingForAnEmptyRectangleOrSource) {
    TBitmap32 src = makeCanvas(2, 2, 0xFF000000u);
    TBitmap32 b = makeCanvas(4, 4, kPen);
    b.Blend = false;
    b.StretchDraw(TRect(3, 0, 1, 4), src);
    b.StretchDraw(TRect(0, 2, 4, 2), src);
    b.StretchDraw(TRect(0, 0, 4, 4), TBitmap32());
    EXPECT_EQ(countPixels(b, kPen), 16);
}

TEST(Bitmap32StretchDraw, OntoItselfReadsTheOriginal) {
    TBitmap32 b(4, 1);
    b.Bits = {0xFF000001u, 0xFF000002u, 0xFF000003u, 0xFF000004u};
    b.StretchDraw(TRect(0, 0, 8, 1), b);
    EXPECT_EQ(b.Bits, (std::vector<TColor32>{0xFF000001u, 0xFF000001u, 0xFF000002u, 0xFF000002u}));
}

TEST(Bitmap32CopyRect, ScalesAPartAndReadsZeroOutsideTheSource) {
    TBitmap32 src(3, 1);
    src.Bits = {0xFF000001u, 0xFF000002u, 0xFF000003u};
    src.Transparent = true;
    src.TransparentColor = 0xFF000002u; // CopyRect does not skip it
    TBitmap32 b = makeCanvas(4, 2, kPen);
    b.Blend = false;
    b.CopyRect(TRect(0, 0, 4, 1), src, TRect(1, 0, 3, 1));
    EXPECT_EQ(b.GetPixel(0, 0), 0xFF000002u);
    EXPECT_EQ(b.GetPixel(1, 0), 0xFF000002u);
    EXPECT_EQ(b.GetPixel(2, 0), 0xFF000003u);
    EXPECT_EQ(b.GetPixel(3, 0), 0xFF000003u);
    b.CopyRect(TRect(0, 1, 4, 2), src, TRect(2, 0, 6, 1));
    EXPECT_EQ(b.GetPixel(0, 1), 0xFF000003u);
    EXPECT_EQ(b.GetPixel(1, 1), 0u);
    EXPECT_EQ(b.GetPixel(3, 1), 0u);
}

TEST(Bitmap32Raster, EveryWriteHonoursTheClipRegion) {
    // Everything goes through PutPixel, so nothing lands right of column 5.
    const QRegion left(QRect(0, 0, 6, 12));
    TBitmap32 src = makeCanvas(12, 12, 0xFF0000FFu);
    const struct {
        const char* name;
        void (*draw)(TBitmap32&, const TBitmap32&);
    } ops[] = {
        {"LineTo", [](TBitmap32& b, const TBitmap32&) { b.LineTo(11, 11); }},
        {"Rectangle", [](TBitmap32& b, const TBitmap32&) { b.Rectangle(0, 0, 12, 12); }},
        {"Ellipse", [](TBitmap32& b, const TBitmap32&) { b.Ellipse(0, 0, 12, 12); }},
        {"RoundRect", [](TBitmap32& b, const TBitmap32&) { b.RoundRect(0, 0, 12, 12, 5, 5); }},
        {"Polygon",
         [](TBitmap32& b, const TBitmap32&) {
             b.Polygon({{0, 0}, {11, 2}, {3, 11}});
         }},
        {"Polyline",
         [](TBitmap32& b, const TBitmap32&) {
             b.Polyline({{0, 0}, {11, 2}, {3, 11}});
         }},
        {"PolyBezier",
         [](TBitmap32& b, const TBitmap32&) {
             b.PolyBezier({{0, 0}, {11, 2}, {11, 9}, {0, 11}});
         }},
        {"TextOut", [](TBitmap32& b, const TBitmap32&) { b.TextOut(0, 0, "WWWW"); }},
        {"FloodFill", [](TBitmap32& b, const TBitmap32&) { b.FloodFill(0, 0, 0); }},
        {"Draw", [](TBitmap32& b, const TBitmap32& s) { b.Draw(0, 0, s); }},
        {"StretchDraw",
         [](TBitmap32& b, const TBitmap32& s) { b.StretchDraw(TRect(0, 0, 12, 12), s); }},
        {"CopyRect",
         [](TBitmap32& b, const TBitmap32& s) {
             b.CopyRect(TRect(0, 0, 12, 12), s, TRect(0, 0, 12, 12));
         }},
    };
    for (const auto& op : ops) {
        SCOPED_TRACE(op.name);
        TBitmap32 b = makeCanvas(12, 12);
        b.ClipRegion = &left;
        op.draw(b, src);
        int inside = 0;
        for (int y = 0; y < 12; ++y)
            for (int x = 0; x < 12; ++x) {
                if (x >= 6) {
                    EXPECT_EQ(b.GetPixel(x, y), 0u) << x << "," << y;
                }
                inside += b.GetPixel(x, y) != 0;
            }
        EXPECT_GT(inside, 0);
    }
}
