#include "PixelTestSupport.h"

#include <QImage>
#include <gtest/gtest.h>

TEST(Bitmap32Conversion, LoadFrom24BitUsesGivenAlpha) {
    QImage img(3, 2, QImage::Format_RGB888);
    img.fill(QColor(10, 20, 30));
    img.setPixelColor(2, 1, QColor(200, 100, 50));
    for (int alpha : {255, 77}) {
        SCOPED_TRACE(alpha);
        TBitmap32 b = makeCanvas(9, 9, 0xFFFFFFFFu);
        b.LoadFromBitmap(img, alpha);
        EXPECT_EQ(b.Width, 3);
        EXPECT_EQ(b.Height, 2);
        EXPECT_EQ(b.Size, 24);
        EXPECT_EQ(b.GetPixel(0, 0), Color32(alpha, 10, 20, 30));
        EXPECT_EQ(b.GetPixel(2, 1), Color32(alpha, 200, 100, 50));
    }
}

TEST(Bitmap32Conversion, LoadFrom32BitKeepsItsOwnAlpha) {
    QImage img(2, 1, QImage::Format_ARGB32);
    img.setPixel(0, 0, qRgba(1, 2, 3, 0));
    img.setPixel(1, 0, qRgba(4, 5, 6, 200));
    TBitmap32 b;
    b.LoadFromBitmap(img, 255);
    EXPECT_EQ(b.GetPixel(0, 0), Color32(0, 1, 2, 3));
    EXPECT_EQ(b.GetPixel(1, 0), Color32(200, 4, 5, 6));
    EXPECT_EQ(img.format(), QImage::Format_ARGB32); // the picture is left as it was
}

// What the picture holds decides: a 32-bit picture whose alpha is 0 at every
// pixel never had alpha, and reads as 24-bit with the given alpha.
TEST(Bitmap32Conversion, LoadFrom32BitWithoutAnyAlphaUsesGivenAlpha) {
    for (QImage::Format f : {QImage::Format_ARGB32, QImage::Format_ARGB32_Premultiplied}) {
        SCOPED_TRACE(int(f));
        QImage img(2, 1, QImage::Format_ARGB32);
        img.setPixel(0, 0, qRgba(1, 2, 3, 0));
        img.setPixel(1, 0, qRgba(4, 5, 6, 0));
        TBitmap32 b;
        b.LoadFromBitmap(img.convertToFormat(f), 255);
        // Premultiplied storage has no colour left under alpha 0.
        const bool straight = f == QImage::Format_ARGB32;
        EXPECT_EQ(b.GetPixel(0, 0), straight ? Color32(255, 1, 2, 3) : Color32(255, 0, 0, 0));
        EXPECT_EQ(b.GetPixel(1, 0), straight ? Color32(255, 4, 5, 6) : Color32(255, 0, 0, 0));
    }
}

TEST(Bitmap32Conversion, DrawToDCMixesByAlphaAndSkipsTheKey) {
    TBitmap32 b(3, 1);
    b.SetPixel(0, 0, 0x80FFFFFFu);
    b.SetPixel(1, 0, 0xFF0000FFu);
    b.SetPixel(2, 0, 0xFF00FF00u);
    b.Transparent = true;
    b.TransparentColor = 0xFF00FF00u;
    for (QImage::Format f : {QImage::Format_RGB32, QImage::Format_ARGB32_Premultiplied,
                             QImage::Format_RGB888, QImage::Format_Indexed8}) {
        SCOPED_TRACE(int(f));
        QImage dc(4, 2, QImage::Format_RGB32);
        dc.fill(Qt::black);
        dc = dc.convertToFormat(f);
        b.DrawToDC(dc, 1, 1);
        EXPECT_EQ(dc.pixel(1, 1), qRgb(128, 128, 128));
        EXPECT_EQ(dc.pixel(2, 1), qRgb(255, 0, 0));
        EXPECT_EQ(dc.pixel(3, 1), qRgb(0, 0, 0)); // the transparent key is not drawn
        EXPECT_EQ(dc.pixel(1, 0), qRgb(0, 0, 0));
    }
}

TEST(Bitmap32Conversion, StretchDrawToDCRepeatsPixelsInBlocks) {
    TBitmap32 b(2, 2);
    b.SetPixel(0, 0, Color32(255, 10, 0, 0));
    b.SetPixel(1, 0, Color32(255, 20, 0, 0));
    b.SetPixel(0, 1, Color32(255, 30, 0, 0));
    b.SetPixel(1, 1, Color32(255, 40, 0, 0));
    QImage dc(6, 6, QImage::Format_RGB32);
    dc.fill(Qt::black);
    b.StretchDrawToDC(dc, TRect(1, 1, 5, 5));
    for (int y = 0; y < 6; ++y)
        for (int x = 0; x < 6; ++x) {
            const bool in = x >= 1 && x < 5 && y >= 1 && y < 5;
            const int red = in ? 10 + 10 * ((x - 1) / 2) + 20 * ((y - 1) / 2) : 0;
            EXPECT_EQ(qRed(dc.pixel(x, y)), red) << x << "," << y;
        }
    QImage untouched = dc;
    b.StretchDrawToDC(dc, TRect(3, 3, 3, 5));
    b.StretchDrawToDC(dc, TRect(3, 3, 1, 1));
    EXPECT_EQ(dc, untouched);
}

TEST(Bitmap32Conversion, DrawToBitmapMixesOntoA24BitPicture) {
    TBitmap32 b(2, 1);
    b.SetPixel(0, 0, 0x80FFFFFFu);
    b.SetPixel(1, 0, 0x00FFFFFFu);
    QImage bmp(3, 1, QImage::Format_ARGB32);
    bmp.fill(qRgb(0, 0, 255));
    b.DrawToBitmap(bmp);
    EXPECT_EQ(bmp.depth(), 24);
    EXPECT_EQ(bmp.pixel(0, 0), qRgb(128, 128, 255));
    EXPECT_EQ(bmp.pixel(1, 0), qRgb(0, 0, 255));
    EXPECT_EQ(bmp.pixel(2, 0), qRgb(0, 0, 255));

    QImage canvas(2, 1, QImage::Format_RGB32);
    canvas.fill(Qt::black);
    b.DrawToBitmapCanvas(canvas);
    EXPECT_EQ(canvas.pixel(0, 0), qRgb(128, 128, 128));
}

TEST(Bitmap32Conversion, ToImageIsStraightAlpha) {
    TBitmap32 b(1, 1);
    b.SetPixel(0, 0, Color32(100, 10, 20, 30));
    const QImage img = b.toImage();
    EXPECT_EQ(img.pixel(0, 0), qRgba(10, 20, 30, 100));
}
