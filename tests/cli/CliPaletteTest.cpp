#include "CliTestSupport.h"

#include "document/IconFileReader.h"

namespace {

QRgb warm(int X, int Y) {
    static const QRgb c[4] = {qRgb(250, 10, 10), qRgb(10, 120, 10), qRgb(0, 0, 0),
                              qRgb(240, 240, 240)};
    return c[(X + 2 * Y) % 4];
}

void writeText(const QString& Path, const QByteArray& Text) {
    QFile f(Path);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write(Text);
}

std::vector<TColor> paletteOf(const QString& Icon) {
    const IconFileContents c = LoadIconFile(Icon, TransparencySettings());
    return c.Images.at(0)->Palette.entries();
}

} // namespace

// --palette gives the palette formats a palette file's colours instead of
// the picture's, cut or filled with black to the format's length; a note on
// standard error says which.
TEST_F(CliTest, CreateTakesAPaletteFile) {
    const QString pic = picture(QStringLiteral("warm.png"), 8, 8, warm);
    const QString gpl = path(QStringLiteral("three.gpl"));
    writeText(gpl, "GIMP Palette\nName: three\n#\n255   0   0\tRed\n  0 128   0\tGreen\n"
                   "255 255 255\tWhite\n");
    const std::vector<TColor> three = {0x0000FF, 0x008000, 0xFFFFFF};
    const struct {
        const char* Format;
        std::size_t Entries;
        const char* Note;
    } cases[] = {
        {"1", 2, "The palette has 3 colors; the first 2 are used."},
        {"4", 16, "The palette has 3 colors; the other 13 are black."},
        {"8", 256, "The palette has 3 colors; the other 253 are black."},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.Format);
        const QString out = path(QStringLiteral("f%1.ico").arg(QLatin1String(c.Format)));
        const CliRun r = cli({QStringLiteral("create"), out, QStringLiteral("--format"),
                              QLatin1String(c.Format), QStringLiteral("--palette"), gpl, pic});
        ASSERT_EQ(r.Status, 0) << r.Err.toStdString();
        EXPECT_EQ(r.Err, QStringLiteral("brisel-cli: ") + gpl + QStringLiteral(": ") +
                             QLatin1String(c.Note) + QLatin1Char('\n'));
        std::vector<TColor> want = three;
        want.resize(c.Entries, 0);
        EXPECT_EQ(paletteOf(out), want);
    }
    // A size set takes it too, and a palette of the right length says nothing.
    const QString act = path(QStringLiteral("two.act"));
    QByteArray table(772, '\0');
    table[0] = char(0x12), table[1] = char(0x34), table[2] = char(0x56);
    table[3] = char(0xFE);
    table[769] = 2;
    table[770] = table[771] = char(0xFF);
    writeText(act, table);
    const QString set = path(QStringLiteral("set.ico"));
    const CliRun r = cli({QStringLiteral("create"), set, QStringLiteral("--sizes"),
                          QStringLiteral("16,32"), QStringLiteral("--format"), QStringLiteral("1"),
                          QStringLiteral("--palette"), act, pic});
    ASSERT_EQ(r.Status, 0) << r.Err.toStdString();
    EXPECT_TRUE(r.Err.isEmpty()) << r.Err.toStdString();
    EXPECT_EQ(paletteOf(set), (std::vector<TColor>{0x563412, 0x0000FE}));
}

TEST_F(CliTest, CreateRefusesABadPaletteFile) {
    const QString pic = picture(QStringLiteral("warm.png"), 4, 4, warm);
    const QString bad = path(QStringLiteral("bad.pal"));
    writeText(bad, "JASC-PAL\r\n0100\r\n5\r\n1 2 3\r\n");
    const QString good = path(QStringLiteral("good.gpl"));
    writeText(good, "GIMP Palette\n1 2 3\n");
    const QString out = path(QStringLiteral("out.ico"));
    const struct {
        const char* Name;
        QStringList Args;
        QString Names;
    } cases[] = {
        {"a damaged palette", {"--format", "4", "--palette", bad}, bad},
        {"a missing palette", {"--format", "4", "--palette", path("none.gpl")}, path("none.gpl")},
        {"a true-colour format", {"--format", "24", "--palette", good}, "--format 1, 4 or 8"},
        {"no format", {"--palette", good}, "--format 1, 4 or 8"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.Name);
        expectFailure(cli(QStringList{QStringLiteral("create"), out} + c.Args + QStringList{pic}),
                      c.Names);
        EXPECT_FALSE(QFile::exists(out));
    }
}
