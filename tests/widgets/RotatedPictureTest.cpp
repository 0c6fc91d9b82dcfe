#include "widgets/RotatedPicture.h"
#include "widgets/TavroRotatableImage.h"

#include <QPainter>
#include <cmath>
#include <cstring>
#include <gtest/gtest.h>

namespace {

// A picture of letters: each letter one colour, so a grid of letters is both
// the picture and the expected view.
QRgb colourOf(char Letter) {
    const int i = Letter - 'a';
    return qRgb(40 + 13 * i, 250 - 17 * i, (97 * i) % 256);
}

QImage pictureOf(const std::vector<const char*>& Rows) {
    QImage img(int(std::strlen(Rows[0])), int(Rows.size()), QImage::Format_RGB32);
    for (int y = 0; y < img.height(); ++y)
        for (int x = 0; x < img.width(); ++x)
            img.setPixel(x, y, colourOf(Rows[y][x]));
    return img;
}

// The view as letters, "?" for a colour of no letter.
std::vector<std::string> lettersOf(const QImage& View) {
    std::vector<std::string> rows;
    for (int y = 0; y < View.height(); ++y) {
        std::string row;
        for (int x = 0; x < View.width(); ++x) {
            char found = '?';
            for (char c = 'a'; c <= 'z' && found == '?'; ++c)
                if (View.pixel(x, y) == colourOf(c)) found = c;
            row += found;
        }
        rows.push_back(row);
    }
    return rows;
}

// Quadrants red, green / blue, white; the bottom-left pixel in the face
// colour, the way the rotation dialog prepares its picture.
QImage quadrants() {
    QImage img(32, 32, QImage::Format_RGB32);
    QPainter p(&img);
    p.fillRect(0, 0, 16, 16, Qt::red);
    p.fillRect(16, 0, 16, 16, Qt::green);
    p.fillRect(0, 16, 16, 16, Qt::blue);
    p.fillRect(16, 16, 16, 16, Qt::white);
    p.end();
    img.setPixel(0, 31, qRgb(212, 208, 200));
    return img;
}

// Checks a view of Picture turned by Angle degrees counterclockwise on its
// own terms: each pixel of the view is followed back through the turn about
// the centre of a square of side 2 * half diagonal. Pixels that land well
// inside one colour block of the picture must have that block's colour,
// pixels that land well outside the picture the bottom-left pixel's colour;
// the rounded corners may move an edge by a pixel, so pixels near an edge are
// not judged. Returns the number of pixels judged wrong.
int wrongPixels(const QImage& View, const QImage& Picture, int Block, double Angle) {
    const double w = Picture.width(), h = Picture.height();
    const double rad = std::sqrt(w * w / 4 + h * h / 4);
    const double turn = Angle * M_PI / 180;
    const QRgb background = Picture.pixel(0, Picture.height() - 1);
    const double margin = 1.5;
    int wrong = 0;
    for (int y = 0; y < View.height(); ++y) {
        for (int x = 0; x < View.width(); ++x) {
            // Screen y points down: a counterclockwise turn by t sends the
            // offset (u, v) to (u cos t + v sin t, -u sin t + v cos t).
            const double dx = x + 0.5 - rad, dy = y + 0.5 - rad;
            const double u = dx * std::cos(turn) - dy * std::sin(turn);
            const double v = dx * std::sin(turn) + dy * std::cos(turn);
            const double sx = u + w / 2, sy = v + h / 2;
            const bool outside = sx < -margin || sy < -margin || sx > w + margin || sy > h + margin;
            if (outside) {
                wrong += View.pixel(x, y) != background;
                continue;
            }
            const double bx = std::fmod(sx, Block), by = std::fmod(sy, Block);
            const bool inside = sx > margin && sy > margin && sx < w - margin && sy < h - margin;
            if (!inside || bx < margin || by < margin || bx > Block - margin || by > Block - margin)
                continue;
            wrong += View.pixel(x, y) != Picture.pixel(int(sx), int(sy));
        }
    }
    return wrong;
}

// Blocks of 6 x 6 pixels in distinct colours, a background pixel at the bottom left.
QImage blocks() {
    QImage img(30, 18, QImage::Format_RGB32);
    for (int y = 0; y < img.height(); ++y)
        for (int x = 0; x < img.width(); ++x)
            img.setPixel(x, y, colourOf(char('a' + (y / 6) * 5 + x / 6)));
    img.setPixel(0, 17, colourOf('z'));
    return img;
}

} // namespace

TEST(RotatedPictureTest, CornersOfTheTurnedPicture) {
    const RotatedCorners none = RotatedPictureCorners(32, 32, 0);
    EXPECT_EQ(none.Side, 45); // round(2 * 22.63)
    EXPECT_EQ(none.TopLeft, QPoint(7, 7));
    EXPECT_EQ(none.TopRight, QPoint(39, 7));
    EXPECT_EQ(none.BottomLeft, QPoint(7, 39));

    // Counterclockwise: the top-left corner goes to the bottom left.
    const RotatedCorners quarter = RotatedPictureCorners(32, 32, 90);
    EXPECT_EQ(quarter.TopLeft, QPoint(7, 39));
    EXPECT_EQ(quarter.TopRight, QPoint(7, 7));
    EXPECT_EQ(quarter.BottomLeft, QPoint(39, 39));
}

struct TurnCase {
    const char* Name;
    double Angle;
    std::vector<std::string> Expected;
};

class RotatedPictureTurns : public ::testing::TestWithParam<TurnCase> {};

// A 4 x 2 picture on a square of round(2 * 2.24) = 4: the turns by quarters
// move whole pixels, so every pixel of the view is known.
TEST_P(RotatedPictureTurns, EveryPixelOfASmallPicture) {
    const QImage view = RotatedPicture(pictureOf({"abcd", "efgh"}), GetParam().Angle);
    EXPECT_EQ(lettersOf(view), GetParam().Expected);
}

INSTANTIATE_TEST_SUITE_P(
    Angles, RotatedPictureTurns,
    ::testing::Values(TurnCase{"None", 0, {"eeee", "abcd", "efgh", "eeee"}},
                      TurnCase{"Quarter", 90, {"edhe", "ecge", "ebfe", "eaee"}},
                      TurnCase{"Half", 180, {"eeee", "hgfe", "dcba", "eeee"}},
                      TurnCase{"ThreeQuarters", 270, {"eeae", "efbe", "egce", "ehde"}},
                      TurnCase{"QuarterClockwise", -90, {"eeae", "efbe", "egce", "ehde"}}),
    [](const auto& Info) { return std::string(Info.param.Name); });

TEST(RotatedPictureTest, QuadrantsOnTheFaceColour) {
    const QImage src = quadrants();
    const QImage none = RotatedPicture(src, 0);
    ASSERT_EQ(none.size(), QSize(45, 45));
    EXPECT_EQ(none.pixel(3, 3), qRgb(212, 208, 200)); // border in the face colour
    EXPECT_EQ(none.pixel(7, 7), qRgb(255, 0, 0));
    EXPECT_EQ(none.pixel(38, 38), qRgb(255, 255, 255));
    EXPECT_EQ(none.pixel(39, 39), qRgb(212, 208, 200));

    const QImage quarter = RotatedPicture(src, 90);
    EXPECT_EQ(quarter.pixel(14, 32), qRgb(255, 0, 0));     // top left went down
    EXPECT_EQ(quarter.pixel(14, 14), qRgb(0, 255, 0));     // top right went left
    EXPECT_EQ(quarter.pixel(32, 14), qRgb(255, 255, 255)); // bottom right went up
    EXPECT_EQ(quarter.pixel(32, 32), qRgb(0, 0, 255));
    EXPECT_EQ(quarter.pixel(2, 2), qRgb(212, 208, 200));
}

class RotatedPictureFreeAngle : public ::testing::TestWithParam<double> {};

// Free angles, judged by following each pixel back through the turn.
TEST_P(RotatedPictureFreeAngle, MatchesTheTurnAboutTheCentre) {
    const QImage src = blocks();
    const QImage view = RotatedPicture(src, GetParam());
    ASSERT_EQ(view.size(), QSize(35, 35)); // round(2 * sqrt(15² + 9²))
    EXPECT_EQ(wrongPixels(view, src, 6, GetParam()), 0);
}

INSTANTIATE_TEST_SUITE_P(Angles, RotatedPictureFreeAngle,
                         ::testing::Values(0.0, 30.0, 45.0, 60.0, 135.0, 200.0, -30.0, 390.0));

// The check itself tells a turn the other way, or about another centre.
TEST(RotatedPictureTest, TheTurnCheckSeesAWrongTurn) {
    const QImage src = blocks();
    EXPECT_GT(wrongPixels(RotatedPicture(src, -30), src, 6, 30), 0);
    QImage shifted(35, 35, QImage::Format_RGB32);
    shifted.fill(colourOf('z'));
    QPainter(&shifted).drawImage(QPoint(4, 3), RotatedPicture(src, 30));
    EXPECT_GT(wrongPixels(shifted, src, 6, 30), 0);
}

TEST(RotatedPictureTest, NarrowAndEmptyPicturesDoNotFail) {
    // A picture 1 pixel wide puts every corner on the vertical axis.
    QImage narrow(1, 5, QImage::Format_RGB32);
    narrow.fill(Qt::red);
    const RotatedCorners c = RotatedPictureCorners(1, 5, 30);
    EXPECT_EQ(c.Side, 5); // round(2 * 2.55)
    EXPECT_EQ(RotatedPicture(narrow, 30).size(), QSize(5, 5));
    QImage dot(1, 1, QImage::Format_RGB32);
    dot.fill(Qt::red);
    EXPECT_FALSE(RotatedPicture(dot, 45).isNull());
    EXPECT_TRUE(RotatedPicture(QImage(), 45).isNull());
}

// Each view comes from the picture as it was assigned: 30, then 60, then 30
// again shows the turn by 30, not a turn of an already turned view.
TEST(TRotatableImageTest, EachViewIsTurnedFromTheAssignedPicture) {
    TRotatableImage control;
    const QImage src = blocks();
    control.setPicture(src);
    EXPECT_EQ(control.RotationAngle(), 0);
    EXPECT_EQ(control.picture().size(), QSize(35, 35));
    EXPECT_EQ(wrongPixels(control.picture(), src, 6, 0), 0);
    for (double angle : {30.0, 60.0, 30.0}) {
        SCOPED_TRACE(angle);
        control.setRotationAngle(angle);
        EXPECT_EQ(control.RotationAngle(), angle);
        ASSERT_EQ(control.picture().size(), QSize(35, 35));
        EXPECT_EQ(wrongPixels(control.picture(), src, 6, angle), 0);
    }
    EXPECT_EQ(control.unrotated(), src);

    // A new picture replaces the old one and is shown at the current angle.
    control.setPicture(pictureOf({"abcd", "efgh"}));
    control.setRotationAngle(90);
    EXPECT_EQ(lettersOf(control.picture()),
              (std::vector<std::string>{"edhe", "ecge", "ebfe", "eaee"}));
}
