#include "colours/ColoursBox.h"
#include "pixel/TBitmap32.h"

#include <gtest/gtest.h>
#include <vector>

namespace {

constexpr TColor TraColor = 0xD2BB6A;
constexpr TColor InvColor = 0x72B0CB;

// Entry i is 0x0000nn with nn = i + 1, so every entry is distinct from black.
PalettePicture numbered(int N) {
    std::vector<TColor> e;
    for (int i = 0; i < N; ++i)
        e.push_back(TColor(i + 1) * 0x010101u & 0xFFFFFFu);
    return PalettePicture::fromEntries(e);
}

PalettePicture chart() {
    QImage img(120, 320, QImage::Format_RGB32);
    img.fill(qRgb(0x10, 0x20, 0x30));
    return PalettePicture(img);
}

ColoursBox built(const PalettePicture& P) {
    ColoursBox b;
    b.rebuild(P, TraColor, InvColor);
    return b;
}

} // namespace

TEST(ColoursBox, GeometryFollowsThePaletteSize) {
    struct Case {
        int entries;
        int pictureHeight, cellHeight, paletteHeight;
    };
    for (const Case& k : {Case{2, 60, 30, 30}, Case{16, 150, 30, 120}, Case{256, 330, 10, 320},
                          Case{320, 330, 10, 320}}) {
        SCOPED_TRACE(k.entries);
        const ColoursBox b = built(k.entries == 320 ? chart() : numbered(k.entries));
        EXPECT_EQ(b.picture().width(), 120);
        EXPECT_EQ(b.pictureHeight(), k.pictureHeight);
        EXPECT_EQ(b.cellHeight(), k.cellHeight);
        EXPECT_EQ(b.paletteHeight(), k.paletteHeight);
        EXPECT_EQ(b.labelsTop(), k.pictureHeight + 10);
    }
}

TEST(ColoursBox, SixteenColoursPickEntriesAndTheMarkerRow) {
    const ColoursBox b = built(numbered(16));
    struct Case {
        int x, y;
        TColor rgb;
        int alpha;
    };
    for (const Case& k : {
             Case{15, 15, 0x010101, 255},   // entry 0
             Case{45, 45, 0x060606, 255},   // entry 5
             Case{105, 105, 0x101010, 255}, // entry 15
             Case{30, 15, 0x000000, 255},   // outline between entries 0 and 1
             Case{1, 121, TraColor, 0},     // row 5, left half: transparent
             Case{58, 148, TraColor, 0}, Case{61, 121, InvColor, 0},  // right half: inverted
             Case{118, 148, InvColor, 0}, Case{10, 149, 0x000000, 0}, // the row's own outline
         }) {
        SCOPED_TRACE(testing::Message() << k.x << "," << k.y);
        const auto pick = b.pickAt(k.x, k.y);
        ASSERT_TRUE(pick);
        EXPECT_EQ(pick->Rgb, k.rgb);
        EXPECT_EQ(pick->Alpha, k.alpha);
    }
}

TEST(ColoursBox, OtherLayoutsPickTheirCells) {
    const ColoursBox two = built(numbered(2));
    EXPECT_EQ(two.pickAt(90, 15)->Rgb, 0x020202u);
    EXPECT_EQ(two.pickAt(90, 45)->Rgb, InvColor);
    EXPECT_EQ(two.pickAt(90, 45)->Alpha, 0);

    const ColoursBox many = built(numbered(256));
    EXPECT_EQ(many.pickAt(7, 315)->Rgb, 0xF9F9F9u); // entry 248: row 31, column 0
    EXPECT_EQ(many.pickAt(7, 315)->Alpha, 255);
    EXPECT_EQ(many.pickAt(7, 325)->Rgb, TraColor);

    const ColoursBox chartBox = built(chart());
    EXPECT_EQ(chartBox.pickAt(0, 0)->Rgb, 0x302010u); // drawn as it is, no outline
    EXPECT_EQ(chartBox.pickAt(119, 319)->Alpha, 255);
    EXPECT_EQ(chartBox.pickAt(100, 325)->Rgb, InvColor);
}

TEST(ColoursBox, UnusualPaletteSizesKeepTheMarkerRowOnItsOwnLine) {
    // 5 entries of 10 x 10 do not fill a row; the marker row must still span
    // the full width below them.
    const ColoursBox b = built(numbered(5));
    EXPECT_EQ(b.paletteHeight(), 10);
    EXPECT_EQ(b.pictureHeight(), 20);
    EXPECT_EQ(b.pickAt(5, 15)->Rgb, TraColor);
    EXPECT_EQ(b.pickAt(65, 15)->Rgb, InvColor);

    const ColoursBox none = built(PalettePicture());
    EXPECT_EQ(none.pictureHeight(), 10);
    EXPECT_EQ(none.pickAt(100, 5)->Rgb, InvColor);
}

TEST(ColoursBox, ClicksGoToTheSwatchOfTheirButton) {
    const ColoursBox b = built(numbered(16));
    ColourState s;
    TBitmap32 work(1, 1);

    EXPECT_EQ(colorsBoxMouseDown(b, 61, 130, Qt::LeftButton, s, work), ColourSlot::Foreground);
    EXPECT_EQ(s.ForegroundColor32(), SetAlpha(InvColor, 0));
    EXPECT_EQ(work.PenColor, SetAlpha(InvColor, 0));
    EXPECT_EQ(s.alphaCaption(ColourSlot::Foreground), "0");

    EXPECT_EQ(colorsBoxMouseDown(b, 45, 45, Qt::RightButton, s, work), ColourSlot::Background);
    EXPECT_EQ(s.BackgroundColor32(), 0xFF060606u);
    EXPECT_EQ(work.BrushColor, 0xFF060606u);
    EXPECT_EQ(work.PenColor, SetAlpha(InvColor, 0));

    // Other buttons, and the column of the hint label past the box, pick nothing.
    const ColourState before = s;
    EXPECT_FALSE(colorsBoxMouseDown(b, 15, 15, Qt::MiddleButton, s, work));
    EXPECT_FALSE(colorsBoxMouseDown(b, 120, 15, Qt::LeftButton, s, work));
    EXPECT_FALSE(colorsBoxMouseDown(b, 15, 150, Qt::LeftButton, s, work));
    EXPECT_EQ(s.ForegroundColor32(), before.ForegroundColor32());
    EXPECT_EQ(s.BackgroundColor32(), before.BackgroundColor32());
    EXPECT_FALSE(b.colourAt(-1, 0));
}

TEST(ColoursBox, RebuildShowsNewMarkerColours) {
    ColoursBox b = built(numbered(16));
    b.rebuild(numbered(16), 0x00FF00, 0xFF00FF);
    EXPECT_EQ(b.colourAt(30, 135), 0x00FF00u);
    EXPECT_EQ(b.colourAt(90, 135), 0xFF00FFu);
}
