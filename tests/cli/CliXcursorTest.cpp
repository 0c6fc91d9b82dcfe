// brisel-cli convert between icon, cursor and animated cursor files and X
// cursor files, and cursor themes made from them.

#include "CliTestSupport.h"

#include "document/file/XcursorReader.h"
#include "document/file/XcursorWriter.h"

namespace {

XcursorContents readXcursor(const QString& Path) {
    const QByteArray b = readFile(Path);
    return DecodeXcursorFile(reinterpret_cast<const std::uint8_t*>(b.constData()),
                             std::size_t(b.size()), Path.toStdString());
}

QRgb arrow(int X, int Y) { return X <= Y ? qRgba(20 + X, 40 + Y, 200, 255) : qRgba(0, 0, 0, 0); }

} // namespace

TEST_F(CliTest, ConvertMakesXcursorsAndBackWithOptionsAnywhere) {
    const QString png = picture(QStringLiteral("arrow.png"), 32, 32, arrow);
    const QString cur = path(QStringLiteral("arrow.cur"));
    ASSERT_EQ(cli({"create", cur, "--cursor", "--hotspot", "3,5", png}).Status, 0);

    // No extension: an X cursor; --sizes before the names.
    const QString x = path(QStringLiteral("left_ptr"));
    const CliRun made = cli({"convert", "--sizes", "24,32,64", cur, x});
    ASSERT_EQ(made.Status, 0) << made.Err.toStdString();
    const XcursorContents c = readXcursor(x);
    struct Expect {
        std::uint32_t Nominal;
        int Side, Hx, Hy;
    };
    const Expect expected[] = {{24, 24, 2, 4}, {32, 32, 3, 5}, {64, 64, 6, 10}};
    ASSERT_EQ(c.Images.size(), std::size(expected));
    for (std::size_t i = 0; i < c.Images.size(); ++i) {
        SCOPED_TRACE(i);
        EXPECT_EQ(c.Images[i].NominalSize, expected[i].Nominal);
        EXPECT_EQ(c.Images[i].Width, expected[i].Side);
        EXPECT_EQ(c.Images[i].HotSpotX, expected[i].Hx);
        EXPECT_EQ(c.Images[i].HotSpotY, expected[i].Hy);
    }
    // The drawn size goes through unchanged.
    const QImage original = QImage(png).convertToFormat(QImage::Format_ARGB32);
    for (int y = 0; y < 32; ++y)
        for (int xx = 0; xx < 32; ++xx) {
            const QRgb o = original.pixel(xx, y);
            const std::uint32_t want =
                qAlpha(o) ? std::uint32_t(qRed(o) | qGreen(o) << 8 | qBlue(o) << 16 | 0xFF000000)
                          : 0u;
            ASSERT_EQ(c.Images[1].Pixels[std::size_t(y * 32 + xx)], want) << xx << "," << y;
        }

    // Back to a cursor, --to after the names, named without the extension.
    const QString back = path(QStringLiteral("back"));
    ASSERT_EQ(cli({"convert", x, back, "--to", "cur"}).Status, 0);
    const CliRun info = cli({"info", back});
    EXPECT_TRUE(info.Out.contains(QStringLiteral("1: 24 x 24")) &&
                info.Out.contains(QStringLiteral("2: 32 x 32")) &&
                info.Out.contains(QStringLiteral("3: 64 x 64")))
        << info.Out.toStdString();
    EXPECT_TRUE(info.Out.contains(QStringLiteral("3,5"))) << info.Out.toStdString();
    // An X cursor read and written as an X cursor again is the same file.
    const QString again = path(QStringLiteral("again"));
    ASSERT_EQ(cli({"convert", x, again}).Status, 0);
    EXPECT_EQ(readFile(again), readFile(x));
}

TEST_F(CliTest, ConvertRefusesWhatItCannotDoAndLeavesOldFilesAlone) {
    // A cursor with nothing an X cursor cannot hold converts without notes.
    const QString png = picture(QStringLiteral("dot.png"), 4, 4,
                                [](int X, int Y) { return X == 1 && Y == 1 ? qRgba(0, 0, 0, 255)
                                                                          : qRgba(0, 0, 0, 0); });
    const QString cur = path(QStringLiteral("dot.cur"));
    ASSERT_EQ(cli({"create", cur, "--cursor", png}).Status, 0);
    const CliRun plain = cli({"convert", cur, path(QStringLiteral("dot"))});
    EXPECT_EQ(plain.Status, 0);
    EXPECT_TRUE(plain.Err.isEmpty()) << plain.Err.toStdString();

    const QString old = path(QStringLiteral("old"));
    ASSERT_EQ(cli({"convert", cur, old}).Status, 0);
    const QByteArray oldBytes = readFile(old);
    const struct {
        const char* Name;
        QStringList Args;
        QString Names;
    } cases[] = {
        {"unknown kind", {"convert", cur, old, "--to", "bmp"}, "bmp"},
        {"unknown extension", {"convert", cur, path("x.png")}, "x.png"},
        {"size 0", {"convert", cur, old, "--sizes", "24,0"}, "each size"},
        {"--to without a value", {"convert", cur, old, "--to"}, "--to"},
        {"three names", {"convert", cur, old, old}, "one IN and one OUT"},
        {"a damaged X cursor", {"convert", path("short"), old}, path("short")},
    };
    QFile shortFile(path(QStringLiteral("short")));
    ASSERT_TRUE(shortFile.open(QIODevice::WriteOnly));
    shortFile.write(readFile(old).left(30));
    shortFile.close();
    for (const auto& c : cases) {
        SCOPED_TRACE(c.Name);
        expectFailure(cli(c.Args), c.Names);
        EXPECT_EQ(readFile(old), oldBytes);
    }
}

TEST_F(CliTest, ThemeFromRolesAndFromAnInstallInfAndBack) {
    const QString png = picture(QStringLiteral("arrow.png"), 32, 32, arrow);
    const QString a = path(QStringLiteral("a.cur"));
    const QString b = path(QStringLiteral("Beam.CUR"));
    ASSERT_EQ(cli({"create", a, "--cursor", "--hotspot", "3,5", png}).Status, 0);
    ASSERT_EQ(cli({"create", b, "--cursor", "--hotspot", "16,16", png}).Status, 0);

    const QString out = path(QStringLiteral("icons"));
    const CliRun made = cli({"theme", out, "default=" + a, "--name", "Mine", "--sizes", "24,48",
                             "xterm=" + b, "--comment", "ours"});
    ASSERT_EQ(made.Status, 0) << made.Err.toStdString();
    // Roles with nothing to stand in are named, once each.
    EXPECT_TRUE(made.Err.contains(QStringLiteral("Busy"))) << made.Err.toStdString();
    const QDir cursors(out + QStringLiteral("/Mine/cursors"));
    EXPECT_EQ(QFileInfo(cursors.filePath(QStringLiteral("left_ptr"))).symLinkTarget(),
              cursors.filePath(QStringLiteral("default")));
    EXPECT_EQ(QFileInfo(cursors.filePath(QStringLiteral("ibeam"))).symLinkTarget(),
              cursors.filePath(QStringLiteral("text")));
    EXPECT_TRUE(readFile(out + QStringLiteral("/Mine/index.theme"))
                    .startsWith("[Icon Theme]\nName=Mine\nComment=ours\n"));
    const XcursorContents text = readXcursor(cursors.filePath(QStringLiteral("text")));
    ASSERT_EQ(text.Images.size(), 2u);
    // Pixel art grows by whole numbers only: at 48 it stays 32 pixels.
    EXPECT_EQ(text.Images[1].NominalSize, 48u);
    EXPECT_EQ(text.Images[1].Width, 32);
    EXPECT_EQ(text.Images[1].HotSpotX, 16);

    // The same two files as slots 1 and 6 of a Windows scheme, named in
    // other case than on disk.
    QFile inf(path(QStringLiteral("install.inf")));
    ASSERT_TRUE(inf.open(QIODevice::WriteOnly));
    inf.write("[Scheme.Reg]\r\nHKCU,\"Control Panel\\Cursors\\Schemes\",\"%NAME%\",,"
              "\"%10%\\%DIR%\\A.cur,,,,,%10%\\%DIR%\\beam.cur\"\r\n"
              "[Strings]\r\nNAME=\"From Windows\"\r\nDIR=\"Cursors\\x\"\r\n");
    inf.close();
    const CliRun fromInf = cli({"theme", out, "--inf", inf.fileName()});
    ASSERT_EQ(fromInf.Status, 0) << fromInf.Err.toStdString();
    const QDir windows(out + QStringLiteral("/From Windows/cursors"));
    EXPECT_EQ(readXcursor(windows.filePath(QStringLiteral("text"))).Images.size(), 5u);
    EXPECT_EQ(readXcursor(windows.filePath(QStringLiteral("default"))).Images[1].HotSpotX, 3);

    // Back to one cursor per role.
    const QString back = path(QStringLiteral("back"));
    ASSERT_EQ(cli({"theme-import", out + QStringLiteral("/Mine"), back}).Status, 0);
    EXPECT_EQ(QDir(back).entryList(QDir::Files),
              (QStringList{QStringLiteral("default.cur"), QStringLiteral("text.cur")}));
    const CliRun info = cli({"info", back + QStringLiteral("/text.cur")});
    EXPECT_TRUE(info.Out.contains(QStringLiteral("1: 24 x 24")) &&
                info.Out.contains(QStringLiteral("2: 32 x 32")))
        << info.Out.toStdString();

    const struct {
        const char* Name;
        QStringList Args;
        QString Names;
    } failures[] = {
        {"unknown role", {"theme", out, "--name", "X", "nonsense=" + a}, "nonsense"},
        {"no name", {"theme", out, "default=" + a}, "--name"},
        {"missing file", {"theme", out, "--name", "X", "default=" + path("none.cur")},
         path("none.cur")},
        {"an inf that sets up no scheme", {"theme", out, "--inf", a}, a},
        {"import of a folder without cursors", {"theme-import", back, path("x")}, back},
    };
    for (const auto& f : failures) {
        SCOPED_TRACE(f.Name);
        expectFailure(cli(f.Args), f.Names);
    }
    EXPECT_FALSE(QFileInfo::exists(out + QStringLiteral("/X")));
}

TEST_F(CliTest, AnimationsGoBetweenAniAndXcursorFilesWithTheirDelays) {
    // Three frames shown in the order 1, 2, 3, 2 for 6, 1, 6 and 2 jiffies.
    QStringList frames;
    for (int f = 0; f < 3; ++f) {
        static int shade;
        shade = 60 * (f + 1);
        frames << picture(QStringLiteral("f%1.png").arg(f), 32, 32,
                          [](int, int Y) { return Y >= 16 ? qRgba(shade, 0, 0, 255) : 0u; });
    }
    const QString busy = path(QStringLiteral("busy.ani"));
    ASSERT_EQ(cli(QStringList{"create", busy, "--rates", "6,1,6,2", "--sequence", "1,2,3,2",
                              "--hotspot", "4,7", "--title", "Busy"} +
                  frames)
                  .Status,
              0);
    const std::uint32_t delays[] = {100, 17, 100, 33};
    const std::uint32_t shades[] = {60, 120, 180, 120};
    const auto expectSteps = [&](const XcursorContents& X, std::uint32_t Nominal,
                                 std::size_t First) {
        for (std::size_t k = 0; k < 4; ++k) {
            SCOPED_TRACE(k);
            const XcursorImage& i = X.Images[First + k];
            EXPECT_EQ(i.NominalSize, Nominal);
            EXPECT_EQ(i.DelayMs, delays[k]);
            EXPECT_EQ(i.Pixels.back(), 0xFF000000u | shades[k]);
        }
    };

    // To an X cursor and back, with and without the names saying the kind.
    const QString watch = path(QStringLiteral("watch"));
    const CliRun toX = cli({"convert", busy, watch});
    ASSERT_EQ(toX.Status, 0) << toX.Err.toStdString();
    const XcursorContents x = readXcursor(watch);
    ASSERT_EQ(x.Images.size(), 4u);
    expectSteps(x, 32, 0);
    EXPECT_EQ(x.Images[0].HotSpotX, 4);
    EXPECT_EQ(x.Images[0].HotSpotY, 7);
    ASSERT_EQ(x.Comments.size(), 1u);
    EXPECT_EQ(x.Comments[0].Text, "Busy");
    const QString again = path(QStringLiteral("again"));
    const CliRun toAni = cli({"convert", watch, again, "--to", "ani"});
    ASSERT_EQ(toAni.Status, 0) << toAni.Err.toStdString();
    // Every delay is whole jiffies: nothing to say.
    EXPECT_TRUE(toAni.Err.isEmpty()) << toAni.Err.toStdString();
    const CliRun info = cli({"info", again});
    for (const char* step : {"step 1: frame 1, 6 jiffies", "step 2: frame 2, 1 jiffies",
                             "step 3: frame 3, 6 jiffies", "step 4: frame 4, 2 jiffies",
                             "title Busy"})
        EXPECT_TRUE(info.Out.contains(QLatin1String(step))) << step << "\n"
                                                            << info.Out.toStdString();
    // --sizes makes the sizes of every step.
    const QString sized = path(QStringLiteral("sized"));
    ASSERT_EQ(cli({"convert", again, sized, "--sizes", "24,48"}).Status, 0);
    const XcursorContents both = readXcursor(sized);
    ASSERT_EQ(both.Images.size(), 8u);
    expectSteps(both, 24, 0);
    expectSteps(both, 48, 4);

    // Delays jiffies cannot hold are named with what they become.
    XcursorContents odd = x;
    odd.Images[0].DelayMs = 25;
    odd.Images[1].DelayMs = 40;
    const std::vector<std::uint8_t> oddBytes = EncodeXcursorFile(odd);
    QFile oddFile(path(QStringLiteral("odd")));
    ASSERT_TRUE(oddFile.open(QIODevice::WriteOnly));
    oddFile.write(reinterpret_cast<const char*>(oddBytes.data()), qint64(oddBytes.size()));
    oddFile.close();
    const CliRun named = cli({"convert", oddFile.fileName(), path(QStringLiteral("odd.ani"))});
    ASSERT_EQ(named.Status, 0) << named.Err.toStdString();
    EXPECT_TRUE(named.Err.contains(QStringLiteral("25 ms, 40 ms become 33 ms, 33 ms")))
        << named.Err.toStdString();

    // A theme from the animation, and back to an animated cursor for its role.
    const QString arrowCur = path(QStringLiteral("arrow.cur"));
    ASSERT_EQ(cli({"create", arrowCur, "--cursor", frames[0]}).Status, 0);
    const QString icons = path(QStringLiteral("icons"));
    const CliRun theme =
        cli({"theme", icons, "--name", "Anim", "--sizes", "24,32", "wait=" + busy,
             "default=" + arrowCur});
    ASSERT_EQ(theme.Status, 0) << theme.Err.toStdString();
    const XcursorContents wait = readXcursor(icons + QStringLiteral("/Anim/cursors/wait"));
    ASSERT_EQ(wait.Images.size(), 8u);
    expectSteps(wait, 24, 0);
    expectSteps(wait, 32, 4);
    const QString back = path(QStringLiteral("back"));
    const CliRun imported = cli({"theme-import", icons + QStringLiteral("/Anim"), back});
    ASSERT_EQ(imported.Status, 0) << imported.Err.toStdString();
    EXPECT_EQ(QDir(back).entryList(QDir::Files),
              (QStringList{QStringLiteral("default.cur"), QStringLiteral("wait.ani")}));
    const CliRun waitInfo = cli({"info", back + QStringLiteral("/wait.ani")});
    EXPECT_TRUE(waitInfo.Out.contains(QStringLiteral("step 4: frame 4, 2 jiffies")) &&
                waitInfo.Out.contains(QStringLiteral("frame 4: 2: 32 x 32")))
        << waitInfo.Out.toStdString();
}
