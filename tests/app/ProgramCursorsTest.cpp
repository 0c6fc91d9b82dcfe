#include "app/ProgramCursors.h"
#include "document/IconFileWriter.h"

#include <QBitmap>
#include <QDir>
#include <QFile>
#include <QPixmap>
#include <QTemporaryDir>
#include <gtest/gtest.h>

TEST(ProgramCursors, EveryNumberHasItsFileAndHotSpot) {
    ProgramCursors cursors;
    cursors.load(QStringLiteral(BRISEL_DATA_DIR));
    const struct {
        int Number;
        const char* File;
    } table[] = {{21, "brush.cur"},  {22, "cross.cur"}, {23, "move.cur"},  {24, "patil.cur"},
                 {25, "pencil.cur"}, {26, "pick.cur"},  {27, "hot.cur"},   {28, "text.cur"},
                 {29, "sizer.cur"},  {30, "sizeb.cur"}, {31, "sizec.cur"}, {32, "spray.cur"},
                 {33, "zoom.cur"}};
    for (const auto& row : table) {
        SCOPED_TRACE(row.File);
        EXPECT_STREQ(ProgramCursors::fileName(row.Number), row.File);
        ASSERT_TRUE(cursors.isLoaded(row.Number));
        const QCursor c = cursors.cursor(row.Number);
        EXPECT_EQ(c.shape(), Qt::BitmapCursor);
        EXPECT_EQ(c.pixmap().size(), QSize(32, 32));
        // The hot spot lies on the picture, not in empty space far from it.
        const QImage img = c.pixmap().toImage();
        int nearest = 99;
        for (int y = 0; y < 32; ++y)
            for (int x = 0; x < 32; ++x)
                if (qAlpha(img.pixel(x, y)) > 0)
                    nearest = std::min(nearest, std::abs(x - c.hotSpot().x()) +
                                                    std::abs(y - c.hotSpot().y()));
        EXPECT_LE(nearest, 2);
    }
    EXPECT_EQ(cursors.cursor(25).hotSpot(), QPoint(1, 30)) << "the pencil's point";
    EXPECT_EQ(cursors.cursor(22).hotSpot(), QPoint(15, 15));
    EXPECT_EQ(ProgramCursors::fileName(20), nullptr);
    EXPECT_EQ(cursors.cursor(20).shape(), Qt::ArrowCursor);
}

TEST(ProgramCursors, AFileThatCannotBeReadLeavesTheArrow) {
    QTemporaryDir dir;
    ASSERT_TRUE(QDir(dir.path()).mkdir(QStringLiteral("Cursors")));
    const QString folder = dir.filePath(QStringLiteral("Cursors"));
    // pencil.cur is damaged, brush.cur a good file of our own, the rest missing.
    {
        QFile f(QDir(folder).filePath(QStringLiteral("pencil.cur")));
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write(QByteArray::fromHex("000002000100200020000000"));
    }
    auto image = std::make_unique<IconImage>();
    image->Pixels = TBitmap32(16, 8);
    image->Pixels.SetPixel(3, 4, 0xFF0000FFu);
    image->Format = 4;
    image->Palette = PalettePicture::fromEntries(std::vector<TColor>(16, 0x0000FF));
    image->HotSpotX = 3;
    image->HotSpotY = 4;
    SaveIconFile(QDir(folder).filePath(QStringLiteral("brush.cur")), 2,
                 std::vector<const IconImage*>{image.get()}, TransparencySettings());

    ProgramCursors cursors;
    cursors.load(dir.path());

    EXPECT_FALSE(cursors.isLoaded(25));
    EXPECT_EQ(cursors.cursor(25).shape(), Qt::ArrowCursor);
    EXPECT_EQ(cursors.cursor(28).shape(), Qt::ArrowCursor);
    ASSERT_TRUE(cursors.isLoaded(21));
    const QCursor brush = cursors.cursor(21);
    EXPECT_EQ(brush.hotSpot(), QPoint(3, 4));
    const QImage img = brush.pixmap().toImage();
    EXPECT_EQ(qAlpha(img.pixel(3, 4)), 255);
    EXPECT_EQ(qAlpha(img.pixel(0, 0)), 0) << "masked pixels are see-through";
}
