#include "canvas/RenderWorkView.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <map>
#include <string>

namespace {

constexpr TColor TraColor = 0xD2BB6A, InvColor = 0x72B0CB, GridColor = 0x00FF00;

QRgb rgb(TColor C) {
    return qRgb(RedOf(C), GreenOf(C), BlueOf(C));
}

// The buffer as rows of letters, one per screen pixel, from a colour legend.
std::vector<std::string> letters(const QImage& Image, const std::map<QRgb, char>& Legend) {
    std::vector<std::string> rows;
    for (int y = 0; y < Image.height(); ++y) {
        std::string row;
        for (int x = 0; x < Image.width(); ++x) {
            const auto it = Legend.find(Image.pixel(x, y));
            row += it == Legend.end() ? '?' : it->second;
        }
        rows.push_back(row);
    }
    return rows;
}

WorkViewGeometry zoomOf(double Zoom) {
    WorkViewGeometry g;
    g.ZoomX = g.ZoomY = Zoom;
    return g;
}

WorkViewScene sceneOf(TBitmap32& Work, bool Grid = true) {
    WorkViewScene s;
    s.WorkBitmap = &Work;
    s.GridShown = Grid;
    s.GridColor = GridColor;
    return s;
}

} // namespace

TEST(DisplayRule, TransparencyCasesPerFormat) {
    const TransparencySettings s; // TraRange 100 and the default marker colours
    struct Case {
        ColourFormat Format;
        TColor32 Pixel;
        TColor Shown;
    };
    const Case cases[] = {
        {24, 0x630000FF, TraColor}, // alpha 99: below the range
        {24, 0x640000FF, 0x0000FF}, // alpha 100: its own colour
        {24, 0x00123456, TraColor}, // any alpha-0 colour
        {24, SetAlpha(InvColor, 0), InvColor},
        {24, SetAlpha(InvColor, 50), InvColor},  // effectively alpha 0
        {24, SetAlpha(InvColor, 255), InvColor}, // an ordinary opaque pixel
        {8, 0xFF00FF00, 0x00FF00},
        {32, 0x630000FF, 0x8072A3}, // red at alpha 99 laid over TraColor
        {32, 0x640000FF, 0x7F71A4},
        {32, 0xFF0000FF, 0x0000FF},
        {32, 0x00123456, TraColor},
        {32, SetAlpha(InvColor, 0), InvColor},
        {32, SetAlpha(InvColor, 50), MixOnOpaque(TraColor, 0xCB, 0xB0, 0x72, 50)}, // not inverted
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message()
                     << "format " << int(c.Format) << " pixel " << std::hex << c.Pixel);
        EXPECT_EQ(DisplayColor(c.Pixel, c.Format, s), c.Shown);
    }
}

TEST(DisplayRule, FollowsTheSettings) {
    TransparencySettings s;
    s.TraColor = 0x0000FF;
    s.InvColor = 0x000000;
    s.TraRange = 200;
    EXPECT_EQ(DisplayColor(0x00000000, 32, s), 0x000000u); // black alpha 0 is now inverted
    EXPECT_EQ(DisplayColor(0xC7123456, 4, s), 0x0000FFu);  // alpha 199 below the range
    EXPECT_EQ(DisplayColor(0xC8123456, 4, s), 0x123456u);
}

TEST(RenderWorkView, EnlargesByReplicationWithGridBetweenCells) {
    // 3 x 2 at zoom 3.5: cells start at screen columns 0, 3, 7 and rows 0, 3.
    TBitmap32 work(3, 2);
    const TColor32 r = 0xFF0000FF, b = 0xFFFF0000, w = 0xFFFFFFFF;
    work.Bits = {r, b, w, w, r, b};
    QImage view;
    RenderWorkView(sceneOf(work), zoomOf(3.5), view);
    const std::map<QRgb, char> legend{
        {rgb(0x0000FF), 'r'}, {rgb(0xFF0000), 'b'}, {rgb(0xFFFFFF), 'w'}, {rgb(GridColor), '#'}};
    EXPECT_EQ(letters(view, legend), (std::vector<std::string>{
                                         "rrr#bbb#ww",
                                         "rrr#bbb#ww",
                                         "rrr#bbb#ww",
                                         "##########",
                                         "www#rrr#bb",
                                         "www#rrr#bb",
                                         "www#rrr#bb",
                                     }));

    RenderWorkView(sceneOf(work, false), zoomOf(3.5), view);
    EXPECT_EQ(letters(view, legend), (std::vector<std::string>{
                                         "rrrbbbbwww",
                                         "rrrbbbbwww",
                                         "rrrbbbbwww",
                                         "wwwrrrrbbb",
                                         "wwwrrrrbbb",
                                         "wwwrrrrbbb",
                                         "wwwrrrrbbb",
                                     }));
}

// Below three screen pixels per image pixel the grid would hide much of the
// picture (a 256 x 256 image in a small window): it is left out.
TEST(RenderWorkView, NoGridAtLowZoom) {
    TBitmap32 work(4, 4);
    std::fill(work.Bits.begin(), work.Bits.end(), 0xFF0000FF);
    const struct {
        double Zoom;
        bool Grid;
    } cases[] = {{1.0, false}, {1.4, false}, {2.5, false}, {2.99, false}, {3.0, true}, {8, true}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.Zoom);
        QImage view;
        RenderWorkView(sceneOf(work), zoomOf(c.Zoom), view);
        bool gridSeen = false;
        for (int y = 0; y < view.height(); ++y)
            for (int x = 0; x < view.width(); ++x)
                gridSeen = gridSeen || view.pixel(x, y) == rgb(GridColor);
        EXPECT_EQ(gridSeen, c.Grid);
    }
}

TEST(RenderWorkView, OneByOneImageHasNoGridLine) {
    TBitmap32 work(1, 1);
    QImage view;
    RenderWorkView(sceneOf(work), zoomOf(7.9), view);
    ASSERT_EQ(view.size(), QSize(7, 7));
    for (int y = 0; y < 7; ++y)
        for (int x = 0; x < 7; ++x)
            ASSERT_EQ(view.pixel(x, y), rgb(TraColor)) << x << "," << y;
}

TEST(RenderWorkView, ShowsWithoutChangingPixels) {
    TBitmap32 work(4, 3);
    for (std::size_t i = 0; i < work.Bits.size(); ++i)
        work.Bits[i] = TColor32(i * 0x11223344u);
    const TBitmap32 before = work;
    WorkViewScene scene = sceneOf(work);
    QImage view;
    for (std::uint8_t range : {1, 100, 255})
        for (bool grid : {true, false}) {
            scene.Transparency.TraRange = range;
            scene.GridShown = grid;
            RenderWorkView(scene, zoomOf(3), view);
            EXPECT_TRUE(work.samePixels(before));
        }
}

TEST(RenderWorkView, BelowZoomOneDropsScreenPixels) {
    TBitmap32 work(10, 10);
    QImage view;
    RenderWorkView(sceneOf(work), zoomOf(0.35), view);
    EXPECT_EQ(view.size(), QSize(3, 3));
}

TEST(RenderWorkView, NothingToShowLeavesTheBuffer) {
    QImage view(5, 5, QImage::Format_RGB32);
    view.fill(Qt::red);
    WorkViewScene empty;
    RenderWorkView(empty, zoomOf(2), view);
    EXPECT_EQ(view.size(), QSize(5, 5));
    EXPECT_EQ(view.pixel(2, 2), qRgb(255, 0, 0));
}
