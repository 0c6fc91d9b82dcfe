#include "document/PaletteGrid.h"
#include "document/PaletteMatcher.h"
#include "document/PaletteOps.h"

#include <gtest/gtest.h>
#include <random>

namespace {

TColor rgb(int r, int g, int b) {
    return TColor(r) | (TColor(g) << 8) | (TColor(b) << 16);
}

struct RecordingStatus : StatusSink {
    std::vector<QString> shown;
    void showStatus(const QString& Text) override { shown.push_back(Text); }
};

PalettePicture randomPalette(std::mt19937& gen, int n, int levels) {
    std::uniform_int_distribution<int> channel(0, levels - 1);
    const int step = 255 / std::max(1, levels - 1);
    std::vector<TColor> e;
    for (int i = 0; i < n; ++i)
        e.push_back(rgb(channel(gen) * step, channel(gen) * step, channel(gen) * step));
    return PalettePicture::fromEntries(e);
}

} // namespace

TEST(NearestPaletteColor, FirstOfEquallyNearEntriesWins) {
    const PalettePicture redFirst = PalettePicture::fromEntries({rgb(10, 0, 0), rgb(0, 10, 0)});
    const PalettePicture greenFirst = PalettePicture::fromEntries({rgb(0, 10, 0), rgb(10, 0, 0)});
    EXPECT_EQ(NearestPaletteColor(0, 4, redFirst), rgb(10, 0, 0));
    EXPECT_EQ(NearestPaletteColor(0, 4, greenFirst), rgb(0, 10, 0));
    EXPECT_EQ(NearestPaletteColor(rgb(9, 0, 0), 4, greenFirst), rgb(10, 0, 0));
    const PalettePicture withExact =
        PalettePicture::fromEntries({rgb(0, 0, 1), rgb(5, 5, 5), rgb(0, 0, 0)});
    EXPECT_EQ(NearestPaletteColor(rgb(5, 5, 5), 8, withExact), rgb(5, 5, 5));
    EXPECT_EQ(NearestPaletteColor(0, 8, withExact), 0u)
        << "an exact match wins over earlier near entries";
    EXPECT_EQ(NearestPaletteColor(rgb(0, 0, 2), 8, withExact), rgb(0, 0, 1));
    for (ColourFormat f : {ColourFormat(24), ColourFormat(32)})
        EXPECT_EQ(NearestPaletteColor(rgb(3, 3, 3), f, redFirst), rgb(3, 3, 3));
    EXPECT_EQ(NearestPaletteColor(rgb(3, 3, 3), 1, PalettePicture()), rgb(3, 3, 3));
}

TEST(NearestPaletteColor, MatcherAgreesWithThePlainSearch) {
    std::mt19937 gen(20240611);
    std::uniform_int_distribution<TColor> anyColour(0, 0xFFFFFF);
    // Coarse levels make many equally near entries and duplicates.
    const std::pair<int, int> palettes[] = {{2, 256},  {16, 256}, {256, 256}, {256, 4},
                                            {256, 16}, {16, 2},   {1, 256},   {300, 256}};
    for (const auto& [n, levels] : palettes) {
        SCOPED_TRACE(testing::Message() << n << " entries of " << levels << " levels");
        const PalettePicture palette = randomPalette(gen, n, levels);
        PaletteMatcher matcher(palette.entries());
        int mismatches = 0;
        for (int k = 0; k < 20000; ++k) {
            // Half the queries on a coarse lattice, where ties are common.
            TColor c = anyColour(gen);
            if (k % 2) c &= 0xF0F0F0;
            mismatches += matcher.nearest(c) != NearestPaletteColor(c, 8, palette);
        }
        EXPECT_EQ(mismatches, 0);
    }
}

TEST(FitToPalette, SnapsVisiblePixelsAndLeavesTransparentOnes) {
    std::mt19937 gen(7);
    const PalettePicture palette = randomPalette(gen, 16, 256);
    TBitmap32 image(37, 23);
    std::uniform_int_distribution<TColor32> any;
    for (TColor32& p : image.Bits)
        p = any(gen);
    image.Bits[0] = 0x00123456; // fully transparent
    image.Bits[1] = 0x01123456; // nearly transparent
    const TBitmap32 before = image;

    RecordingStatus status;
    FitToPalette(image, 4, palette, &status);
    EXPECT_EQ(status.shown, (std::vector<QString>{"Please wait...", "Ready"}));
    const std::vector<TColor> entries = palette.entries();
    for (std::size_t i = 0; i < image.Bits.size(); ++i) {
        const TColor32 was = before.Bits[i], now = image.Bits[i];
        if (AlphaOf(was) == 0) {
            EXPECT_EQ(now, was) << i;
        } else {
            EXPECT_EQ(AlphaOf(now), 255) << i;
            EXPECT_EQ(Color32ToColor(now), NearestPaletteColor(Color32ToColor(was), 4, palette))
                << i;
        }
    }
    EXPECT_EQ(image.Bits[0], 0x00123456u);
    EXPECT_EQ(AlphaOf(image.Bits[1]), 255);
}

TEST(FitToPalette, TrueColourAndAreaOutsideStayUntouched) {
    const PalettePicture bw = PalettePicture::fromEntries({0x000000, 0xFFFFFF});
    TBitmap32 image(6, 4);
    std::fill(image.Bits.begin(), image.Bits.end(), 0x80336699u);
    const TBitmap32 before = image;
    RecordingStatus status;
    for (ColourFormat f : {ColourFormat(24), ColourFormat(32)})
        FitToPalette(image, f, bw, &status);
    EXPECT_TRUE(image.samePixels(before));
    EXPECT_TRUE(status.shown.empty());

    FitToPalette(image, 1, bw, nullptr, TRect(2, 1, 4, 3));
    for (int y = 0; y < 4; ++y)
        for (int x = 0; x < 6; ++x) {
            const bool inside = x >= 2 && x < 4 && y >= 1 && y < 3;
            EXPECT_EQ(image.GetPixel(x, y), inside ? 0xFF000000u : 0x80336699u) << x << "," << y;
        }
}

TEST(PaletteFromImage, FirstDistinctColoursInReadingOrder) {
    std::vector<TColor> old;
    for (int i = 0; i < 16; ++i)
        old.push_back(rgb(i, i, i));
    PalettePicture palette = PalettePicture::fromEntries(old);
    TBitmap32 one(5, 5);
    std::fill(one.Bits.begin(), one.Bits.end(), 0xFF0000FFu);
    PaletteFromImage(one, 16, palette);
    std::vector<TColor> want = old;
    want[0] = rgb(255, 0, 0);
    EXPECT_EQ(palette.entries(), want);

    // Alpha is ignored: transparent black counts as black when it comes first.
    TBitmap32 row(4, 2);
    row.Bits = {0x00000000, 0xFF0000FF, 0xFF00FF00, 0xFF0000FF,
                0xFFFF0000, 0xFFFF0000, 0xFFFF0000, 0xFFFF0000};
    PalettePicture two = PalettePicture::fromEntries({rgb(9, 9, 9), rgb(9, 9, 9)});
    PaletteFromImage(row, 2, two);
    EXPECT_EQ(two.entries(), (std::vector<TColor>{0x000000, rgb(255, 0, 0)}));

    // A platform picture works alike; a palette of another size is cut or
    // extended to N entries.
    QImage picture(3, 1, QImage::Format_RGB32);
    picture.setPixel(0, 0, qRgb(1, 2, 3));
    picture.setPixel(1, 0, qRgb(1, 2, 3));
    picture.setPixel(2, 0, qRgb(4, 5, 6));
    PalettePicture longer = PalettePicture::fromEntries(old);
    PaletteFromImage(picture, 2, longer);
    EXPECT_EQ(longer.entries(), (std::vector<TColor>{rgb(1, 2, 3), rgb(4, 5, 6)}));
    PalettePicture shorter = PalettePicture::fromEntries({rgb(7, 7, 7)});
    PaletteFromImage(picture, 4, shorter);
    EXPECT_EQ(shorter.picture().size(), QSize(1, 4));
    EXPECT_EQ(shorter.entries(), (std::vector<TColor>{rgb(1, 2, 3), rgb(4, 5, 6), 0, 0}));
}

TEST(PaletteGrid, LayoutHitTestAndCells) {
    struct Case {
        int entries, cellW, cellH, perRow, height;
    } cases[] = {
        {2, 60, 30, 2, 30}, {16, 30, 30, 4, 120}, {256, 15, 10, 8, 320}, {5, 10, 10, 12, 10}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.entries);
        const PaletteGridLayout l = PaletteGrid::layout(c.entries);
        EXPECT_EQ(l.CellWidth, c.cellW);
        EXPECT_EQ(l.CellHeight, c.cellH);
        EXPECT_EQ(l.CellsPerRow, c.perRow);
        EXPECT_EQ(l.PictureHeight, c.height);
        // Every cell's corners hit that cell.
        for (int i = 0; i < c.entries; ++i) {
            const QRect r = PaletteGrid::cellRect(l, i);
            EXPECT_EQ(PaletteGrid::hitTest(l, c.entries, r.topLeft()), i);
            EXPECT_EQ(PaletteGrid::hitTest(l, c.entries, r.bottomRight()), i);
        }
    }
    const PaletteGridLayout l16 = PaletteGrid::layout(16);
    EXPECT_EQ(PaletteGrid::hitTest(l16, 16, {65, 35}), 6);
    EXPECT_EQ(PaletteGrid::hitTest(l16, 16, {120, 0}), -1);
    EXPECT_EQ(PaletteGrid::hitTest(l16, 16, {0, 120}), -1);
    EXPECT_EQ(PaletteGrid::hitTest(l16, 16, {-1, 0}), -1);
    EXPECT_EQ(PaletteGrid::hitTest(PaletteGrid::layout(5), 5, {50, 0}), -1);

    const QImage grid =
        PaletteGrid::draw(PalettePicture::fromEntries({rgb(255, 0, 0), rgb(0, 0, 255)}));
    ASSERT_EQ(grid.size(), QSize(120, 30));
    const std::pair<QPoint, QRgb> pixels[] = {
        {{0, 0}, qRgb(0, 0, 0)},    {{1, 1}, qRgb(255, 0, 0)},  {{58, 28}, qRgb(255, 0, 0)},
        {{59, 5}, qRgb(0, 0, 0)},   {{5, 29}, qRgb(0, 0, 0)},   {{60, 5}, qRgb(0, 0, 0)},
        {{61, 1}, qRgb(0, 0, 255)}, {{119, 29}, qRgb(0, 0, 0)}, {{118, 28}, qRgb(0, 0, 255)},
    };
    for (const auto& [at, colour] : pixels)
        EXPECT_EQ(grid.pixel(at) & 0xFFFFFF, colour & 0xFFFFFF) << at.x() << "," << at.y();
}
