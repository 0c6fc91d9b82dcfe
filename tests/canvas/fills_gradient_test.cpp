#include "canvas/tools/GradientBar.h"
#include "canvas/tools/GradientModel.h"

#include <QImage>
#include <gtest/gtest.h>

namespace {

constexpr TColor32 Black = 0xFF000000u, White = 0xFFFFFFFFu, Red = 0xFF0000FFu;
constexpr TColor32 Blue = 0xFFFF0000u, Green = 0xFF00FF00u;

// a / b rounded, an exact half to even.
int exactRound(int a, int b) {
    const int q = a / b, r = a % b;
    return 2 * r > b || (2 * r == b && (q & 1)) ? q + 1 : q;
}

TColor32 grey(int v) {
    return Color32(255, v, v, v);
}

// Our own stand-in for the installed bar background: 4 x 4 cells.
QImage checkerboard() {
    QImage img(GradientBarWidth, GradientBarHeight, QImage::Format_RGB32);
    for (int y = 0; y < img.height(); ++y)
        for (int x = 0; x < img.width(); ++x)
            img.setPixel(x, y, ((x / 4 + y / 4) % 2) ? qRgb(204, 204, 204) : qRgb(255, 255, 255));
    return img;
}

TColor32 barPixel(const QImage& bar, int x, int y) {
    const QRgb p = bar.pixel(x, y);
    return Color32(255, qRed(p), qGreen(p), qBlue(p));
}

// Drags stop id by dx pixels, as the marker reports it: the mouse position is
// in the marker's own coordinates, which move with it.
std::optional<QString> dragBy(GradientModel& m, int id, int dx) {
    m.pressStop(id, Qt::LeftButton, 2);
    return m.moveStop(id, 2 + dx);
}

} // namespace

TEST(GradientBar, WithoutStopsRunsFromBlackToWhite) {
    GradientModel m;
    const GradientColours c = m.colours();
    const QImage bar = RenderGradientBar(c, checkerboard());
    ASSERT_EQ(bar.size(), QSize(201, 38));
    for (int x = 0; x <= 200; ++x) {
        SCOPED_TRACE(x);
        const TColor32 want = grey(exactRound(x * 255, 200));
        EXPECT_EQ(c[std::size_t(x)], want);
        EXPECT_EQ(barPixel(bar, x, 0), want);
        EXPECT_EQ(barPixel(bar, x, 37), want);
    }
    EXPECT_EQ(c[100], grey(128)); // 127.5, half to even
    EXPECT_EQ(c[20], grey(26));   // 25.5
}

TEST(GradientBar, RedStopAtHundredSplitsTheBar) {
    GradientModel m;
    const int id = m.addStop(98, Red); // a marker at Left 98 sits at position 100
    ASSERT_EQ(m.stop(id)->position(), 100);
    const GradientColours c = m.colours();
    for (int x = 0; x <= 100; ++x) {
        SCOPED_TRACE(x);
        EXPECT_EQ(c[std::size_t(x)], Color32(255, exactRound(x * 255, 100), 0, 0));
    }
    for (int x = 100; x <= 200; ++x) {
        SCOPED_TRACE(x);
        const int v = exactRound((x - 100) * 255, 100);
        EXPECT_EQ(c[std::size_t(x)], Color32(255, 255, v, v));
    }
}

TEST(GradientBar, TransparentColoursShowTheBackground) {
    GradientModel m;
    m.releaseEnd(GradientModel::End::First, Qt::LeftButton, 0x000000FFu, 0); // red, alpha 0
    m.releaseEnd(GradientModel::End::Last, Qt::LeftButton, 0x80FF0000u, 0);  // blue, alpha 128
    const QImage bg = checkerboard();
    const QImage bar = RenderGradientBar(m.colours(), bg);
    for (int y = 0; y < 8; ++y) {
        SCOPED_TRACE(y);
        EXPECT_EQ(bar.pixel(0, y), bg.pixel(0, y));
        // Column 200: blue at alpha 128 over the cell colour.
        const int cell = qRed(bg.pixel(200, y));
        const int keep = exactRound(cell * 127, 255);
        EXPECT_EQ(barPixel(bar, 200, y),
                  Color32(255, keep, keep, exactRound(255 * 128 + cell * 127, 255)));
    }
    // A missing or small background leaves white behind, never stale pixels.
    const QImage small = RenderGradientBar(m.colours(), QImage());
    EXPECT_EQ(barPixel(small, 0, 20), White);
}

TEST(GradientBar, HoverShowsThePercentage) {
    EXPECT_EQ(gradientHoverText(150), QStringLiteral("75 %"));
    EXPECT_EQ(gradientHoverText(0), QStringLiteral("0 %"));
    EXPECT_EQ(gradientHoverText(199), QStringLiteral("99 %"));
    EXPECT_EQ(gradientHoverText(200), QStringLiteral("100 %"));
}

TEST(GradientStops, DraggingStopsAtPositionsOneAndHundredNinetyNine) {
    GradientModel m;
    const int id = m.addStop(50, Red);
    EXPECT_EQ(dragBy(m, id, -500), QStringLiteral("0 %"));
    EXPECT_EQ(m.stop(id)->position(), 1);
    EXPECT_EQ(m.moveStop(id, 2 + 1000), QStringLiteral("99 %"));
    EXPECT_EQ(m.stop(id)->position(), 199);
    EXPECT_EQ(m.moveStop(id, 2 - 49), QStringLiteral("75 %"));
    EXPECT_EQ(m.stop(id)->position(), 150);

    // A click puts the stop's left edge on the clicked column: near the right
    // end it lies at 200 or beyond, where LCol wins, until it is dragged in.
    const int right = m.addStop(199, Green);
    EXPECT_EQ(m.stop(right)->position(), 201);
    EXPECT_EQ(m.stop(m.addStop(0, Green))->position(), 2);
    GradientColours c = m.colours();
    EXPECT_EQ(c[200], White);
    EXPECT_NE(c[199], Green);
    EXPECT_EQ(dragBy(m, right, -1), QStringLiteral("99 %"));
    EXPECT_EQ(m.stop(right)->position(), 199);
    c = m.colours();
    EXPECT_EQ(c[199], Green);
    EXPECT_EQ(c[200], White);
}

TEST(GradientStops, ClickRecoloursDragKeepsTheColour) {
    GradientModel m;
    int changed = 0;
    QObject::connect(&m, &GradientModel::changed, [&changed] { ++changed; });
    const int id = m.addStop(98, Red);
    EXPECT_EQ(changed, 1);

    // A drag, then release: moved, colour kept, no popup.
    EXPECT_TRUE(dragBy(m, id, 10));
    EXPECT_TRUE(m.dragging());
    EXPECT_FALSE(m.releaseStop(id, Qt::LeftButton, Blue, Green));
    EXPECT_FALSE(m.dragging());
    EXPECT_EQ(m.stop(id)->colour, Red);
    EXPECT_EQ(m.stop(id)->position(), 110);

    // A left click: the foreground colour.
    m.pressStop(id, Qt::LeftButton, 1);
    EXPECT_FALSE(m.releaseStop(id, Qt::LeftButton, Blue, Green));
    EXPECT_EQ(m.stop(id)->colour, Blue);

    // A right click: the background colour and the popup, whose "Delete"
    // removes that stop.
    m.pressStop(id, Qt::RightButton, 1);
    EXPECT_FALSE(m.moveStop(id, 30)); // no drag with the right button
    EXPECT_TRUE(m.releaseStop(id, Qt::RightButton, Blue, Green));
    EXPECT_EQ(m.stop(id)->colour, Green);
    ASSERT_EQ(m.popupStop(), id);
    const int before = changed;
    m.deletePopupStop();
    EXPECT_EQ(m.stop(id), nullptr);
    EXPECT_TRUE(m.stops().empty());
    EXPECT_EQ(changed, before + 1);
    m.deletePopupStop(); // nothing left to delete
    EXPECT_EQ(changed, before + 1);
    EXPECT_EQ(m.colours()[100], grey(128));
}

TEST(GradientStops, EndSwatchesTakeTheButtonsColours) {
    GradientModel m;
    m.releaseEnd(GradientModel::End::First, Qt::LeftButton, Blue, Green);
    m.releaseEnd(GradientModel::End::Last, Qt::RightButton, Blue, 0x40102030u);
    EXPECT_EQ(m.firstColour(), Blue);
    EXPECT_EQ(m.lastColour(), 0x40102030u);
    EXPECT_EQ(GradientModel::hintFor(m.lastColour()),
              QStringLiteral("A=64, R=48, G=32, B=16|Use mouse buttons to change color"));
    EXPECT_EQ(GradientModel::outlineFor(m.lastColour()), 0xEFDFCFu);
    EXPECT_EQ(m.colours()[200], 0x40102030u);
}

TEST(GradientStops, LaterStopWinsAtTheSamePosition) {
    GradientModel m;
    m.addStop(98, Red);
    m.addStop(98, Blue);
    EXPECT_EQ(m.colours()[100], Blue);
}

TEST(GradientTable, RightButtonReversesIt) {
    GradientModel m;
    m.addStop(60, 0x80112233u);
    const GradientTable left = m.table(true), right = m.table(false);
    EXPECT_EQ(left[0], Black);
    EXPECT_EQ(left[255], White);
    const GradientColours c = m.colours();
    for (int i = 0; i < 256; ++i) {
        SCOPED_TRACE(i);
        EXPECT_EQ(left[std::size_t(i)], c[std::size_t(i * 200 / 255)]);
        EXPECT_EQ(right[std::size_t(255 - i)], left[std::size_t(i)]);
    }
}
