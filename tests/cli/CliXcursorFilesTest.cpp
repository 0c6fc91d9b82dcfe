// info, extract and thumbnail on the X cursor files of cursor themes.

#include "CliTestSupport.h"

#include "document/file/XcursorReader.h"
#include "document/file/XcursorWriter.h"

namespace {

// Two nominal sizes: 16 still, 32 animated with frames of their own size,
// hot spot and delay; soft alpha so that colours go through premultiplying;
// a comment of two lines.
XcursorContents twoSizes() {
    XcursorContents c;
    const int sizes[][6] = {{16, 16, 16, 1, 2, 0}, {32, 32, 32, 4, 5, 50}, {32, 30, 31, 6, 7, 70}};
    for (const auto& s : sizes) {
        XcursorImage i{std::uint32_t(s[0]), s[1], s[2], s[3], s[4], std::uint32_t(s[5]), {}};
        for (int y = 0; y < i.Height; ++y)
            for (int x = 0; x < i.Width; ++x)
                i.Pixels.push_back(x + y < 4 ? 0u
                                             : std::uint32_t(x * 8) | std::uint32_t(y * 8) << 8 |
                                                   std::uint32_t(s[0] * 4) << 16 |
                                                   std::uint32_t(96 + x * 5) << 24);
        c.Images.push_back(i);
    }
    c.Comments.push_back({1, "Made here\nfor the tests"});
    return c;
}

QString writeXcursor(const QString& Path, const XcursorContents& C) {
    const std::vector<std::uint8_t> bytes = EncodeXcursorFile(C);
    QFile f(Path);
    EXPECT_TRUE(f.open(QIODevice::WriteOnly));
    f.write(reinterpret_cast<const char*>(bytes.data()), qint64(bytes.size()));
    return Path;
}

// What the file holds as read back: the pixels after premultiplying.
XcursorContents readBack(const QString& Path) {
    const QByteArray b = readFile(Path);
    return DecodeXcursorFile(reinterpret_cast<const std::uint8_t*>(b.constData()),
                             std::size_t(b.size()), Path.toStdString());
}

// A picture's pixels as the file core keeps them (red low, alpha high).
std::uint32_t corePixel(QRgb P) {
    return qAlpha(P) == 0 ? 0u
                          : std::uint32_t(qRed(P)) | std::uint32_t(qGreen(P)) << 8 |
                                std::uint32_t(qBlue(P)) << 16 | std::uint32_t(qAlpha(P)) << 24;
}

} // namespace

TEST_F(CliTest, XcursorFilesAreListedExtractedAndShown) {
    const QString x = writeXcursor(path(QStringLiteral("left_ptr")), twoSizes());
    const XcursorContents held = readBack(x);

    const CliRun info = cli({"info", x});
    ASSERT_EQ(info.Status, 0) << info.Err.toStdString();
    const QStringList lines = info.Out.split(QLatin1Char('\n'), Qt::SkipEmptyParts);
    const QString expected[] = {
        x + ": 1: 16 x 16, nominal size 16, hot spot 1,2, delay 0 ms",
        x + ": 2: 32 x 32, nominal size 32, hot spot 4,5, delay 50 ms",
        x + ": 3: 30 x 31, nominal size 32, hot spot 6,7, delay 70 ms",
        x + ": copyright: Made here for the tests",
    };
    ASSERT_EQ(lines.size(), qsizetype(std::size(expected))) << info.Out.toStdString();
    for (std::size_t i = 0; i < std::size(expected); ++i)
        EXPECT_EQ(lines[qsizetype(i)], expected[i]);

    // Every image as a picture, numbered as info lists them, with the
    // colours the file holds.
    const QString dir = path(QStringLiteral("pictures"));
    ASSERT_EQ(cli({"extract", x, dir}).Status, 0);
    for (std::size_t i = 0; i < held.Images.size(); ++i) {
        SCOPED_TRACE(i);
        const QImage p = QImage(dir + QStringLiteral("/left_ptr-%1.png").arg(i + 1))
                             .convertToFormat(QImage::Format_ARGB32);
        const XcursorImage& h = held.Images[i];
        ASSERT_EQ(p.width(), h.Width);
        ASSERT_EQ(p.height(), h.Height);
        for (int y = 0; y < h.Height; ++y)
            for (int xx = 0; xx < h.Width; ++xx)
                ASSERT_EQ(corePixel(p.pixel(xx, y)), h.Pixels[std::size_t(y * h.Width + xx)])
                    << xx << "," << y;
    }

    // The thumbnail comes from the first frame of the nearest nominal size:
    // at 32 that frame itself.
    const QString thumb = path(QStringLiteral("left_ptr.png"));
    ASSERT_EQ(cli({"thumbnail", x, thumb, "32"}).Status, 0);
    const QImage t = QImage(thumb).convertToFormat(QImage::Format_ARGB32);
    ASSERT_EQ(t.size(), QSize(32, 32));
    for (int y = 0; y < 32; ++y)
        for (int xx = 0; xx < 32; ++xx)
            ASSERT_EQ(corePixel(t.pixel(xx, y)), held.Images[1].Pixels[std::size_t(y * 32 + xx)])
                << xx << "," << y;
}

// A cut-off X cursor is refused with its name by every command; the other
// files of the call are still done.
TEST_F(CliTest, BrokenXcursorFilesAreRefusedOneLineEach) {
    const QString good = writeXcursor(path(QStringLiteral("good")), twoSizes());
    QByteArray bytes = readFile(good);
    bytes.chop(100);
    const QString broken = path(QStringLiteral("broken"));
    {
        QFile f(broken);
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write(bytes);
    }
    const QString out = path(QStringLiteral("out"));
    const QStringList calls[] = {{"info", broken, good},
                                 {"extract", broken, good, out},
                                 {"thumbnail", broken, good, out, "24"}};
    for (const QStringList& call : calls) {
        SCOPED_TRACE(call.front().toStdString());
        const CliRun r = cli(call);
        EXPECT_EQ(r.Status, 1);
        EXPECT_EQ(r.Err.count(QLatin1Char('\n')), 1) << r.Err.toStdString();
        EXPECT_TRUE(r.Err.contains(broken)) << r.Err.toStdString();
    }
    EXPECT_FALSE(QFile::exists(out + QStringLiteral("/broken-1.png")));
    EXPECT_TRUE(QFile::exists(out + QStringLiteral("/good-3.png")));
    EXPECT_TRUE(QFile::exists(out + QStringLiteral("/good.png")));
}
