// brisel-cli and animated cursors: made from pictures and cursors, listed,
// unpacked and converted.

#include "CliTestSupport.h"

#include <QDir>
#include <QImage>
#include <QProcess>
#include <QStandardPaths>
#include <gtest/gtest.h>

namespace {

QRgb red(int, int) {
    return qRgba(255, 0, 0, 255);
}
QRgb green(int, int) {
    return qRgba(0, 200, 0, 128);
}
QRgb blue(int X, int) {
    return qRgba(0, 0, 255, X == 0 ? 0 : 255);
}

QStringList args(std::initializer_list<QString> List) {
    return QStringList(List);
}

} // namespace

TEST_F(CliTest, AnimatedCursorMadeListedAndUnpacked) {
    const QString a = picture(QStringLiteral("a.png"), 2, 2, red);
    const QString b = picture(QStringLiteral("b.png"), 3, 2, green);
    // A cursor frame keeps its own hot spot; the pictures take --hotspot.
    const QString cur = path(QStringLiteral("c.cur"));
    const QString c = picture(QStringLiteral("c.png"), 4, 4, blue);
    ASSERT_EQ(cli(args({"create", cur, "--cursor", "--hotspot", "3,1", c})).Status, 0);
    const QString out = path(QStringLiteral("busy.ani"));
    const CliRun made =
        cli(args({"create", out, "--rates", "5,1,7,9", "--sequence", "1,3,2,3", "--title", "Busy",
                  "--author", "Ann", "--hotspot", "1,1", a, b, cur}));
    ASSERT_EQ(made.Status, 0) << made.Err.toStdString();
    EXPECT_TRUE(made.Out.isEmpty() && made.Err.isEmpty());

    const CliRun info = cli(args({"info", out}));
    ASSERT_EQ(info.Status, 0) << info.Err.toStdString();
    const QString f = QDir::toNativeSeparators(out) + QStringLiteral(": ");
    // Bitmaps: 40 bytes of header, rows of 4 bytes a pixel, mask rows of 4 bytes.
    EXPECT_EQ(info.Out, f + "title Busy\n" + f + "author Ann\n" + f +
                            "step 1: frame 1, 5 jiffies\n" + f + "step 2: frame 3, 1 jiffies\n" +
                            f + "step 3: frame 2, 7 jiffies\n" + f +
                            "step 4: frame 3, 9 jiffies\n" + f +
                            "frame 1: 1: 2 x 2, 32 bits, hot spot 1,1, 64 bytes\n" + f +
                            "frame 2: 1: 3 x 2, 32 bits, hot spot 1,1, 72 bytes\n" + f +
                            "frame 3: 1: 4 x 4, 32 bits, hot spot 3,1, 120 bytes\n");

    const QString dir = path(QStringLiteral("pictures"));
    const CliRun ex = cli(args({"extract", out, dir}));
    ASSERT_EQ(ex.Status, 0) << ex.Err.toStdString();
    EXPECT_EQ(QDir(dir).entryList(QDir::Files),
              (QStringList{"busy-1-1.png", "busy-2-1.png", "busy-3-1.png"}));
    const struct {
        const char* Name;
        QRgb (*Colour)(int, int);
        int W;
    } pictures[] = {
        {"busy-1-1.png", red, 2}, {"busy-2-1.png", green, 3}, {"busy-3-1.png", blue, 4}};
    for (const auto& p : pictures) {
        SCOPED_TRACE(p.Name);
        const QImage back = QImage(QDir(dir).filePath(QLatin1String(p.Name)))
                                .convertToFormat(QImage::Format_ARGB32);
        ASSERT_EQ(back.width(), p.W);
        for (int x = 0; x < back.width(); ++x) {
            const QRgb want = qAlpha(p.Colour(x, 0)) == 0 ? 0 : p.Colour(x, 0);
            EXPECT_EQ(back.pixel(x, 0), want) << x;
        }
    }
}

// A cursor becomes a one-frame animation and comes back byte for byte; an
// animation of several frames becomes its first, and says so.
TEST_F(CliTest, ConvertBetweenAnimationsAndCursors) {
    const QString cur = path(QStringLiteral("one.cur"));
    const QString a = picture(QStringLiteral("a.png"), 4, 3, blue);
    ASSERT_EQ(cli(args({"create", cur, "--cursor", "--hotspot", "2,1", a})).Status, 0);
    const QString ani = path(QStringLiteral("one.ani"));
    const QString back = path(QStringLiteral("back.cur"));
    ASSERT_EQ(cli(args({"convert", cur, ani})).Status, 0);
    const CliRun toCur = cli(args({"convert", ani, back}));
    ASSERT_EQ(toCur.Status, 0) << toCur.Err.toStdString();
    EXPECT_TRUE(toCur.Err.isEmpty());
    EXPECT_EQ(readFile(back), readFile(cur));
    // And the animation again, unchanged.
    const QString again = path(QStringLiteral("again.ani"));
    ASSERT_EQ(cli(args({"convert", back, again})).Status, 0);
    EXPECT_EQ(readFile(again), readFile(ani));

    const QString two = path(QStringLiteral("two.ani"));
    ASSERT_EQ(cli(args({"create", two, cur, picture(QStringLiteral("b.png"), 2, 2, red)})).Status,
              0);
    const QString first = path(QStringLiteral("first.ico"));
    const CliRun toIco = cli(args({"convert", two, first}));
    ASSERT_EQ(toIco.Status, 0) << toIco.Err.toStdString();
    EXPECT_EQ(toIco.Err, QStringLiteral("brisel-cli: ") + two + " holds 2 frames; " + first +
                             " holds the first of them only\n");
    const CliRun info = cli(args({"info", first}));
    EXPECT_EQ(info.Out,
              QDir::toNativeSeparators(first) + ": 1: 4 x 3, 32 bits, hot spot -, 100 bytes\n");
}

TEST_F(CliTest, AnimatedCursorRefusals) {
    const QString a = picture(QStringLiteral("a.png"), 2, 2, red);
    const QString out = path(QStringLiteral("x.ani"));
    const QString junk = path(QStringLiteral("junk.ani"));
    {
        QFile f(junk);
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write(QByteArray("RIFF\x04\x00\x00\x00"
                           "ACON",
                           12));
    }
    const struct {
        const char* What;
        QStringList Args;
        QString Names;
    } cases[] = {
        {"a sequence past the frames", args({"create", out, "--sequence", "1,2", a}),
         "the sequence shows frame 2, but there are 1 frames"},
        {"rate and rates", args({"create", out, "--rate", "3", "--rates", "3", a}),
         "give --rate or --rates, not both"},
        {"rates for other steps", args({"create", out, "--rates", "3,4", a}),
         "--rates gives 2 rates for 1 steps"},
        {"a rate of 0", args({"create", out, "--rate", "0", a}), "the rate must be a number"},
        {"a hot spot outside the picture", args({"create", out, "--hotspot", "2,0", a}),
         a + ": the hot spot 2,0 lies outside the picture"},
        {"an option of icons", args({"create", out, "--format", "8", a}),
         "--format is not an option for an animated cursor"},
        {"info of a damaged file", args({"info", junk}),
         junk + " is not an animated cursor. It has no animation header (anih)."},
        {"extract of a damaged file", args({"extract", junk, path("d")}),
         junk + " is not an animated cursor."},
        {"convert of a damaged file", args({"convert", junk, path("d.cur")}),
         junk + " is not an animated cursor."},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.What);
        expectFailure(cli(c.Args), c.Names);
        EXPECT_FALSE(QFile::exists(out));
    }
}

// File managers show an animated cursor by the frame of its first step.
TEST_F(CliTest, ThumbnailOfAnAnimationIsItsFirstStep) {
    const QString a = picture(QStringLiteral("a.png"), 4, 4, red);
    const QString b = picture(QStringLiteral("b.png"), 4, 4, green);
    const QString out = path(QStringLiteral("seq.ani"));
    ASSERT_EQ(cli(args({"create", out, "--sequence", "2,1", a, b})).Status, 0);
    const QString png = path(QStringLiteral("thumb.png"));
    const CliRun r = cli(args({"thumbnail", out, png, "8"}));
    ASSERT_EQ(r.Status, 0) << r.Err.toStdString();
    const QImage shown = QImage(png).convertToFormat(QImage::Format_ARGB32);
    ASSERT_EQ(shown.size(), QSize(8, 8));
    EXPECT_EQ(shown.pixel(3, 3), green(0, 0));
}

// GdkPixbuf's own .ani reader, where it is installed, is a second reader of
// what we write: it shows the first frame, so a file of a cursor frame with
// alpha, a 16-colour frame and a picture frame must show exactly what the
// first frame's own picture shows through the same program.
TEST_F(CliTest, GdkPixbufReadsOurAnimatedCursors) {
    const QString thumbnailer =
        QStandardPaths::findExecutable(QStringLiteral("gdk-pixbuf-thumbnailer"));
    if (thumbnailer.isEmpty()) GTEST_SKIP() << "gdk-pixbuf-thumbnailer is not installed";
    const auto view = [&](const QString& File, const QString& Png) {
        QProcess p;
        p.start(thumbnailer, {QStringLiteral("-s"), QStringLiteral("6"), File, Png});
        EXPECT_TRUE(p.waitForFinished(30000));
        return QImage(Png).convertToFormat(QImage::Format_ARGB32);
    };
    const QString first = picture(QStringLiteral("first.png"), 6, 6, blue);
    const QString cur = path(QStringLiteral("second.cur"));
    const QString p = picture(QStringLiteral("p.png"), 6, 6, red);
    ASSERT_EQ(cli(args({"create", cur, "--cursor", "--format", "4", p})).Status, 0);
    const QString ani = path(QStringLiteral("w.ani"));
    ASSERT_EQ(cli(args({"create", ani, "--rates", "3,4", first, cur})).Status, 0);
    const QImage want = view(first, path(QStringLiteral("want.png")));
    const QImage got = view(ani, path(QStringLiteral("got.png")));
    ASSERT_FALSE(want.isNull());
    ASSERT_EQ(got.size(), want.size());
    for (int y = 0; y < got.height(); ++y)
        for (int x = 0; x < got.width(); ++x) {
            // Clear pixels need not keep their colour.
            if (qAlpha(want.pixel(x, y)) == 0 && qAlpha(got.pixel(x, y)) == 0) continue;
            ASSERT_EQ(got.pixel(x, y), want.pixel(x, y)) << x << "," << y;
        }
}
