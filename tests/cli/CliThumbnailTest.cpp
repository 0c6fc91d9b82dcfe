#include "CliTestSupport.h"
#include "document/IconDocument.h"
#include "document/IconFileWriter.h"

#include <algorithm>
#include <map>
#include <memory>

namespace {

// One image of Width x Height pixels filled with Colour.
std::unique_ptr<IconImage> filled(int Width, int Height, TColor32 Colour,
                                  ColourFormat Format = 32) {
    auto image = std::make_unique<IconImage>();
    image->Pixels = TBitmap32(Width, Height);
    std::fill(image->Pixels.Bits.begin(), image->Pixels.Bits.end(), Colour);
    image->Format = Format;
    return image;
}

class CliThumbnailTest : public CliTest {
protected:
    QString save(const QString& Name, std::uint16_t Type,
                 const std::vector<std::unique_ptr<IconImage>>& Images) {
        const QString file = path(Name);
        SaveIconFile(file, Type, Images, TransparencySettings());
        return file;
    }
    QImage thumbnail(const QString& File, int Size) {
        const QString out = path(QStringLiteral("thumb.png"));
        QFile::remove(out);
        const CliRun r = cli({QStringLiteral("thumbnail"), File, out, QString::number(Size)});
        EXPECT_EQ(r.Status, 0) << r.Err.toStdString();
        return QImage(out).convertToFormat(QImage::Format_ARGB32);
    }
};

constexpr TColor32 Red = 0xFF0000FF, Green = 0xFF00FF00, Blue = 0xFFFF0000;

} // namespace

// The image whose longer side is nearest the asked size is the one shown; the
// 256 x 256 one is stored as a PNG picture.
TEST_F(CliThumbnailTest, ChoosesTheImageNearestTheSize) {
    std::vector<std::unique_ptr<IconImage>> images;
    images.push_back(filled(16, 16, Red));
    images.push_back(filled(48, 48, Green));
    images.push_back(filled(256, 256, Blue));
    const QString file = save(QStringLiteral("three.ico"), IconFileType, images);
    ASSERT_TRUE(cli({QStringLiteral("info"), file}).Out.contains(QStringLiteral("256 x 256")));

    const struct {
        int Size;
        QRgb Colour;
    } cases[] = {
        {16, qRgb(255, 0, 0)},  {24, qRgb(255, 0, 0)},
        {32, qRgb(0, 255, 0)}, // as near to 16 as to 48: the larger
        {128, qRgb(0, 255, 0)}, {152, qRgb(0, 0, 255)},
        {256, qRgb(0, 0, 255)}, {512, qRgb(0, 0, 255)},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.Size);
        const QImage t = thumbnail(file, c.Size);
        EXPECT_EQ(t.size(), QSize(c.Size, c.Size));
        EXPECT_EQ(t.pixel(c.Size / 2, c.Size / 2), c.Colour);
        EXPECT_EQ(t.pixel(0, 0), c.Colour);
    }
}

// A cursor with transparent pixels: enlarged by a whole factor every pixel
// becomes a crisp block, and the transparent ones stay transparent.
TEST_F(CliThumbnailTest, CursorKeepsAlphaAndCrispPixels) {
    std::vector<std::unique_ptr<IconImage>> images;
    images.push_back(filled(32, 32, SetAlpha(TransparencySettings().TraColor, 0), 24));
    TBitmap32& p = images[0]->Pixels;
    for (int i = 0; i < 32; ++i)
        p.SetPixel(i, i, 0xFF000000); // a black diagonal
    p.SetPixel(31, 0, SetAlpha(TransparencySettings().InvColor, 0));
    images[0]->HotSpotX = 3;
    const QString file = save(QStringLiteral("arrow.cur"), CursorFileType, images);

    const QImage t = thumbnail(file, 128);
    ASSERT_EQ(t.size(), QSize(128, 128));
    for (int y = 0; y < 128; ++y)
        for (int x = 0; x < 128; ++x) {
            const QRgb want = x / 4 == y / 4 ? qRgba(0, 0, 0, 255) : 0;
            ASSERT_EQ(t.pixel(x, y), want) << x << "," << y;
        }
}

// Shrinking averages what each thumbnail pixel covers, weighted by alpha: a
// fine black and white check turns grey, and a transparent neighbour thins a
// colour out without darkening it. Wide pictures keep their proportions.
TEST_F(CliThumbnailTest, ShrinksSmoothlyAndKeepsProportions) {
    std::vector<std::unique_ptr<IconImage>> check;
    check.push_back(filled(256, 256, 0xFFFFFFFF));
    for (int y = 0; y < 256; ++y)
        for (int x = (y % 2); x < 256; x += 2)
            check[0]->Pixels.SetPixel(x, y, 0xFF000000);
    const QImage grey = thumbnail(save(QStringLiteral("check.ico"), IconFileType, check), 128);
    ASSERT_EQ(grey.size(), QSize(128, 128));
    EXPECT_EQ(grey.pixel(17, 90), qRgba(128, 128, 128, 255));

    std::vector<std::unique_ptr<IconImage>> wide;
    wide.push_back(filled(2, 1, 0));
    wide[0]->Pixels.SetPixel(0, 0, Red);
    const QImage thin = thumbnail(save(QStringLiteral("wide.ico"), IconFileType, wide), 1);
    ASSERT_EQ(thin.size(), QSize(1, 1));
    EXPECT_EQ(thin.pixel(0, 0), qRgba(255, 0, 0, 128));

    std::vector<std::unique_ptr<IconImage>> strip;
    strip.push_back(filled(40, 10, Green));
    EXPECT_EQ(thumbnail(save(QStringLiteral("strip.ico"), IconFileType, strip), 128).size(),
              QSize(128, 32));
}

TEST_F(CliThumbnailTest, FailuresWriteNothing) {
    std::vector<std::unique_ptr<IconImage>> images;
    images.push_back(filled(16, 16, Red));
    const QString icon = save(QStringLiteral("good.ico"), IconFileType, images);
    const QString notIcon =
        picture(QStringLiteral("picture.png"), 4, 4, [](int, int) { return qRgb(1, 2, 3); });
    const QString out = path(QStringLiteral("out.png"));
    const struct {
        const char* What;
        QStringList Args;
        QString Named;
    } cases[] = {
        {"not an icon", {notIcon, out, QStringLiteral("128")}, notIcon},
        {"a missing file",
         {path(QStringLiteral("none.ico")), out, QStringLiteral("128")},
         path(QStringLiteral("none.ico"))},
        {"size 0", {icon, out, QStringLiteral("0")}, QStringLiteral("SIZE")},
        {"a size too large", {icon, out, QStringLiteral("5000")}, QStringLiteral("5000")},
        {"a size that is no number", {icon, out, QStringLiteral("12x")}, QStringLiteral("12x")},
        {"too few arguments", {icon, out}, QStringLiteral("thumbnail")},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.What);
        expectFailure(cli(QStringList{QStringLiteral("thumbnail")} + c.Args), c.Named);
        EXPECT_FALSE(QFile::exists(out));
    }
}

// The entry file managers read: its keys, and its command line run with the
// placeholders filled in as a file manager fills them.
TEST_F(CliThumbnailTest, ThumbnailerEntryRunsTheCommand) {
    const QStringList lines =
        QString::fromUtf8(readFile(QStringLiteral(BRISEL_DESKTOP_DIR "/brisel.thumbnailer.in")))
            .split(QLatin1Char('\n'), Qt::SkipEmptyParts);
    ASSERT_FALSE(lines.isEmpty());
    EXPECT_EQ(lines.first(), QStringLiteral("[Thumbnailer Entry]"));
    std::map<QString, QString> keys;
    for (const QString& line : lines.mid(1)) {
        const qsizetype eq = line.indexOf(QLatin1Char('='));
        ASSERT_GT(eq, 0) << line.toStdString();
        EXPECT_TRUE(keys.emplace(line.left(eq), line.mid(eq + 1)).second) << line.toStdString();
    }
    EXPECT_EQ(keys.size(), 3u);
    const QString tryExec = keys[QStringLiteral("TryExec")];
    EXPECT_EQ(tryExec, QStringLiteral("@BRISEL_BINDIR@/brisel-cli"));
    EXPECT_EQ(keys[QStringLiteral("MimeType")].split(QLatin1Char(';')),
              (QStringList{QStringLiteral("image/vnd.microsoft.icon"),
                           QStringLiteral("image/x-win-bitmap"),
                           QStringLiteral("application/x-navi-animation"),
                           QStringLiteral("image/x-xcursor"), QString()}));

    QStringList command = keys[QStringLiteral("Exec")].split(QLatin1Char(' '));
    ASSERT_EQ(command.size(), 5);
    EXPECT_EQ(command.takeFirst(), tryExec);
    std::vector<std::unique_ptr<IconImage>> images;
    images.push_back(filled(32, 32, Green));
    const QString cursor = save(QStringLiteral("a.cur"), CursorFileType, images);
    const QString out = path(QStringLiteral("from-entry.png"));
    command.replaceInStrings(QStringLiteral("%i"), cursor);
    command.replaceInStrings(QStringLiteral("%o"), out);
    command.replaceInStrings(QStringLiteral("%s"), QStringLiteral("256"));
    const CliRun r = cli(command);
    ASSERT_EQ(r.Status, 0) << r.Err.toStdString();
    EXPECT_EQ(QImage(out).size(), QSize(256, 256));
}
