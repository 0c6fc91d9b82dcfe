#include "CliTestSupport.h"
#include "document/IconFileReader.h"
#include "document/IconFileWriter.h"

#include <QDir>
#include <QFile>
#include <QImage>
#include <QtEndian>
#include <gtest/gtest.h>

namespace {

QRgb translucentRamp(int X, int Y) {
    return qRgba(10 * X, 200 - 9 * Y, 77, (X * 13 + Y) % 256);
}
// Three colours in reading order: red, green, a dark green, then repeats.
QRgb threeColours(int X, int Y) {
    static const QRgb c[3] = {qRgb(255, 0, 0), qRgb(0, 255, 0), qRgb(0, 200, 60)};
    return c[(X + Y * 5) % 3];
}

} // namespace

TEST_F(CliTest, HelpDescribesEveryCommand) {
    const CliRun r = cli({QStringLiteral("--help")});
    EXPECT_EQ(r.Status, 0);
    for (const char* word : {"info FILE", "extract FILE... DIR", "create OUT", "--cursor",
                             "--format", "--hotspot", "convert IN OUT", "thumbnail FILE... DIR SIZE",
                             "--palette FILE", "extract PROGRAM... DIR [--group NAME]"})
        EXPECT_TRUE(r.Out.contains(QLatin1String(word))) << word;
    EXPECT_EQ(cli({}).Status, 1);
}

TEST_F(CliTest, CreateInfoAndExtractRoundTrip) {
    const QString a = picture(QStringLiteral("a.png"), 20, 17, translucentRamp);
    const QString b = picture(QStringLiteral("b.png"), 3, 255, threeColours);
    const QString out = path(QStringLiteral("two.ico"));

    const CliRun made = cli({QStringLiteral("create"), out, a, b});
    ASSERT_EQ(made.Status, 0) << made.Err.toStdString();
    EXPECT_TRUE(made.Out.isEmpty());

    const CliRun info = cli({QStringLiteral("info"), out});
    EXPECT_EQ(info.Status, 0);
    const QString shown = QDir::toNativeSeparators(out);
    // 40 + 17 rows of 80 colour bytes + 17 mask rows of 4 bytes; 40 + 255 x 12
    // + 255 x 4.
    EXPECT_EQ(info.Out, shown + QStringLiteral(": 1: 20 x 17, 32 bits, hot spot -, 1468 bytes\n") +
                            shown +
                            QStringLiteral(": 2: 3 x 255, 32 bits, hot spot -, 4120 bytes\n"));

    const QString dir = path(QStringLiteral("pictures"));
    const CliRun ex = cli({QStringLiteral("extract"), out, dir});
    ASSERT_EQ(ex.Status, 0) << ex.Err.toStdString();
    EXPECT_EQ(QDir(dir).entryList(QDir::Files),
              (QStringList{QStringLiteral("two-1.png"), QStringLiteral("two-2.png")}));
    // Again over the same pictures: they are replaced whole, keep their
    // permissions and leave nothing else behind.
    const QString first = QDir(dir).filePath(QStringLiteral("two-1.png"));
    const QByteArray firstBytes = readFile(first);
    const QFile::Permissions own = QFile::ReadOwner | QFile::WriteOwner;
    ASSERT_TRUE(QFile::setPermissions(first, own));
    ASSERT_EQ(cli({QStringLiteral("extract"), out, dir}).Status, 0);
    EXPECT_EQ(QDir(dir).entryList(QDir::Files | QDir::Hidden),
              (QStringList{QStringLiteral("two-1.png"), QStringLiteral("two-2.png")}));
    EXPECT_EQ(readFile(first), firstBytes);
    EXPECT_EQ(QFile::permissions(first) & ~(QFile::ReadUser | QFile::WriteUser), own);
    const QImage back = QImage(QDir(dir).filePath(QStringLiteral("two-1.png")))
                            .convertToFormat(QImage::Format_ARGB32);
    const QImage original = QImage(a).convertToFormat(QImage::Format_ARGB32);
    ASSERT_EQ(back.size(), original.size());
    for (int y = 0; y < back.height(); ++y)
        for (int x = 0; x < back.width(); ++x) {
            const QRgb want = qAlpha(original.pixel(x, y)) == 0 ? 0 : original.pixel(x, y);
            ASSERT_EQ(back.pixel(x, y), want) << x << "," << y;
        }
}

// A 256-pixel picture becomes a PNG image, listed, extracted and converted
// with every pixel kept.
TEST_F(CliTest, ImagesOf256GoThroughEveryCommand) {
    const QString a = picture(QStringLiteral("a.png"), 256, 256, translucentRamp);
    const QString b = picture(QStringLiteral("b.png"), 16, 256, threeColours);
    // A bitmap image between and after them: each lands at its own place.
    const QString c = picture(QStringLiteral("c.png"), 5, 3, translucentRamp);
    const QString out = path(QStringLiteral("big.ico"));
    const CliRun made = cli({QStringLiteral("create"), out, a, c, b, c});
    ASSERT_EQ(made.Status, 0) << made.Err.toStdString();

    const CliRun info = cli({QStringLiteral("info"), out});
    EXPECT_EQ(info.Status, 0);
    const QStringList lines = info.Out.split(QLatin1Char('\n'), Qt::SkipEmptyParts);
    ASSERT_EQ(lines.size(), 4);
    EXPECT_TRUE(lines[0].contains(QStringLiteral(": 1: 256 x 256, 32 bits, hot spot -, ")));
    EXPECT_TRUE(lines[0].endsWith(QStringLiteral(" bytes (PNG)"))) << lines[0].toStdString();
    EXPECT_TRUE(lines[1].endsWith(QStringLiteral(": 2: 5 x 3, 32 bits, hot spot -, 112 bytes")));
    EXPECT_TRUE(lines[2].contains(QStringLiteral(": 3: 16 x 256, 32 bits, hot spot -, ")));

    const QString cur = path(QStringLiteral("big.cur"));
    ASSERT_EQ(cli({QStringLiteral("convert"), out, cur}).Status, 0);
    const QString dir = path(QStringLiteral("pictures"));
    ASSERT_EQ(cli({QStringLiteral("extract"), cur, dir}).Status, 0);
    const struct {
        QString source, extracted;
    } pairs[] = {{a, QStringLiteral("big-1.png")},
                 {c, QStringLiteral("big-2.png")},
                 {b, QStringLiteral("big-3.png")},
                 {c, QStringLiteral("big-4.png")}};
    for (const auto& p : pairs) {
        SCOPED_TRACE(p.extracted.toStdString());
        const QImage back =
            QImage(QDir(dir).filePath(p.extracted)).convertToFormat(QImage::Format_ARGB32);
        const QImage original = QImage(p.source).convertToFormat(QImage::Format_ARGB32);
        ASSERT_EQ(back.size(), original.size());
        for (int y = 0; y < back.height(); ++y)
            for (int x = 0; x < back.width(); ++x) {
                const QRgb o = original.pixel(x, y);
                const QRgb b = back.pixel(x, y);
                // Clear pixels need not keep their colour.
                ASSERT_TRUE(b == o || (qAlpha(b) == 0 && qAlpha(o) == 0)) << x << "," << y;
            }
    }
    // The PNG picture of the file goes out as it is stored.
    const QByteArray file = readFile(cur);
    const QByteArray stored = file.mid(int(qFromLittleEndian<quint32>(file.constData() + 6 + 12)),
                                       int(qFromLittleEndian<quint32>(file.constData() + 6 + 8)));
    EXPECT_TRUE(stored.startsWith("\x89PNG"));
    EXPECT_EQ(readFile(QDir(dir).filePath(QStringLiteral("big-1.png"))), stored);
}

TEST_F(CliTest, PaletteFormatsTakeThePicturesFirstColours) {
    const QString b = picture(QStringLiteral("rgb.png"), 6, 4, threeColours);
    const struct {
        const char* Format;
        int Entries;
    } cases[] = {{"1", 2}, {"4", 16}, {"8", 256}, {"24", 0}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.Format);
        const QString out = path(QStringLiteral("p%1.ico").arg(QLatin1String(c.Format)));
        ASSERT_EQ(cli({QStringLiteral("create"), out, QStringLiteral("--format"),
                       QLatin1String(c.Format), b})
                      .Status,
                  0);
        const IconFileContents read = LoadIconFile(out, TransparencySettings());
        ASSERT_EQ(read.Images.size(), 1u);
        const IconImage& img = *read.Images[0];
        EXPECT_EQ(img.Format, std::atoi(c.Format));
        if (c.Entries == 0) continue;
        ASSERT_EQ(img.Palette.count(), c.Entries);
        EXPECT_EQ(img.Palette.entry(0), 0x0000FFu) << "red first";
        EXPECT_EQ(img.Palette.entry(1), 0x00FF00u);
        // With two entries the dark green pixels take their nearest, green.
        const TColor third = c.Entries == 2 ? 0x00FF00u : 0x3CC800u;
        EXPECT_EQ(Color32ToColor(img.Pixels.GetPixel(2, 0)), third);
        if (c.Entries > 2) {
            EXPECT_EQ(img.Palette.entry(3), 0u) << "unused entries stay black";
        }
    }
}

TEST_F(CliTest, CursorsKeepTheirHotSpotAndConvertChoosesTheType) {
    const QString a = picture(QStringLiteral("a.png"), 32, 32, translucentRamp);
    const QString cur = path(QStringLiteral("p.cur"));
    ASSERT_EQ(cli({QStringLiteral("create"), cur, QStringLiteral("--cursor"),
                   QStringLiteral("--hotspot"), QStringLiteral("5,31"), a})
                  .Status,
              0);
    EXPECT_TRUE(cli({QStringLiteral("info"), cur}).Out.contains(QStringLiteral("hot spot 5,31")));

    const QString ico = path(QStringLiteral("p.ico"));
    ASSERT_EQ(cli({QStringLiteral("convert"), cur, ico}).Status, 0);
    const IconFileContents asIcon = LoadIconFile(ico, TransparencySettings());
    EXPECT_EQ(asIcon.FileType, 1);
    EXPECT_TRUE(asIcon.Images[0]->Pixels.samePixels(
        LoadIconFile(cur, TransparencySettings()).Images[0]->Pixels));

    // Back to a cursor: the icon's planes and bit count are no hot spot.
    const QString again = path(QStringLiteral("again.cur"));
    ASSERT_EQ(cli({QStringLiteral("convert"), ico, again}).Status, 0);
    const IconFileContents asCursor = LoadIconFile(again, TransparencySettings());
    EXPECT_EQ(asCursor.FileType, 2);
    EXPECT_EQ(asCursor.Images[0]->HotSpotX, 0);
    EXPECT_EQ(asCursor.Images[0]->HotSpotY, 0);
}

TEST_F(CliTest, InvertedAndTransparentPixelsExtractWithAlphaZero) {
    // A 24-bit image: opaque red, a transparent pixel and a screen-inverting one.
    TransparencySettings s;
    auto image = std::make_unique<IconImage>();
    image->Pixels = TBitmap32(3, 1);
    image->Pixels.SetPixel(0, 0, SetAlpha(0x0000FF, 255));
    image->Pixels.SetPixel(1, 0, SetAlpha(s.TraColor, 0));
    image->Pixels.SetPixel(2, 0, SetAlpha(s.InvColor, 0));
    image->Format = 24;
    const QString file = path(QStringLiteral("masks.ico"));
    SaveIconFile(file, 1, std::vector<const IconImage*>{image.get()}, s);

    ASSERT_EQ(cli({QStringLiteral("extract"), file, m_dir.path()}).Status, 0);
    const QImage out =
        QImage(path(QStringLiteral("masks-1.png"))).convertToFormat(QImage::Format_ARGB32);
    EXPECT_EQ(out.pixel(0, 0), qRgba(255, 0, 0, 255));
    EXPECT_EQ(qAlpha(out.pixel(1, 0)), 0);
    EXPECT_EQ(qAlpha(out.pixel(2, 0)), 0);
}

TEST_F(CliTest, FailuresNameTheFileAndLeaveOldFilesAlone) {
    const QString good = picture(QStringLiteral("good.png"), 4, 4, threeColours);
    const QString big = picture(QStringLiteral("big.png"), 257, 2, threeColours);
    const QString notIcon = path(QStringLiteral("text.ico"));
    {
        QFile f(notIcon);
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write("plain text, not an icon");
    }
    const QString old = path(QStringLiteral("old.ico"));
    ASSERT_EQ(cli({QStringLiteral("create"), old, good}).Status, 0);
    const QByteArray oldBytes = readFile(old);
    const QString missing = path(QStringLiteral("missing.ico"));
    const QString blocker = path(QStringLiteral("blocker"));
    {
        QFile f(blocker);
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    }

    const struct {
        const char* Name;
        QStringList Args;
        QString Names;
    } cases[] = {
        {"info of a missing file", {"info", missing}, QDir::toNativeSeparators(missing)},
        {"info of a text file", {"info", notIcon}, QDir::toNativeSeparators(notIcon)},
        {"extract from a text file", {"extract", notIcon, m_dir.path()}, notIcon},
        {"extract into a file", {"extract", old, blocker + "/sub"}, "blocker"},
        {"create from a picture too large",
         {"create", old, good, big},
         QDir::toNativeSeparators(big)},
        {"create from a missing picture",
         {"create", old, missing},
         QDir::toNativeSeparators(missing)},
        {"create with a bad format", {"create", old, "--format", "16", good}, "16"},
        {"create with a bad hot spot",
         {"create", old, "--cursor", "--hotspot", "300,1", good},
         "300"},
        {"a hot spot for an icon", {"create", old, "--hotspot", "1,1", good}, "--cursor"},
        {"convert to an unknown type", {"convert", old, path("x.png")}, "x.png"},
        {"convert a text file", {"convert", notIcon, old}, notIcon},
        {"an unknown command", {"frobnicate"}, "frobnicate"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.Name);
        expectFailure(cli(c.Args), c.Names);
        EXPECT_EQ(readFile(old), oldBytes);
    }
    // Of several files, the readable ones are still listed.
    const CliRun some = cli({QStringLiteral("info"), missing, old});
    EXPECT_EQ(some.Status, 1);
    EXPECT_TRUE(some.Out.startsWith(QDir::toNativeSeparators(old) + QStringLiteral(": 1: 4 x 4")));
}
