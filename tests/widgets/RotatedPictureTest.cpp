#include "effects/RotatedPicture.h"

#include <QPainter>
#include <gtest/gtest.h>

namespace {

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

TEST(RotatedPictureTest, DrawsThePictureOntoTheTurnedCorners) {
    const QImage src = quadrants();
    const QImage none = RotatedPicture(src, 0);
    ASSERT_EQ(none.size(), QSize(45, 45));
    EXPECT_EQ(none.pixel(3, 3), qRgb(212, 208, 200)); // border in the face colour
    EXPECT_EQ(none.pixel(7, 7), src.pixel(0, 0));
    EXPECT_EQ(none.pixel(38, 38), src.pixel(31, 31));
    EXPECT_EQ(none.pixel(39, 39), qRgb(212, 208, 200));

    const QImage quarter = RotatedPicture(src, 90);
    EXPECT_EQ(quarter.pixel(14, 32), qRgb(255, 0, 0));     // top left went down
    EXPECT_EQ(quarter.pixel(14, 14), qRgb(0, 255, 0));     // top right went left
    EXPECT_EQ(quarter.pixel(32, 14), qRgb(255, 255, 255)); // bottom right went up
    EXPECT_EQ(quarter.pixel(32, 32), qRgb(0, 0, 255));
    EXPECT_EQ(quarter.pixel(2, 2), qRgb(212, 208, 200));
}

TEST(RotatedPictureTest, EachViewComesFromTheUnrotatedPicture) {
    const QImage src = quadrants();
    EXPECT_EQ(RotatedPicture(src, 30), RotatedPicture(src, 30));
    EXPECT_NE(RotatedPicture(src, 30), RotatedPicture(src, 60));
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
