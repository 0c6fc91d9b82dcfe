#include "document/DefaultPalette.h"
#include "document/PaletteFile.h"

#include <QBuffer>
#include <QDir>
#include <QFile>
#include <QImageWriter>
#include <QTemporaryDir>
#include <gtest/gtest.h>
#include <random>

namespace {

TColor rgb(int r, int g, int b) {
    return TColor(r) | (TColor(g) << 8) | (TColor(b) << 16);
}

QByteArray bytesOf(std::initializer_list<int> values) {
    QByteArray b;
    for (int v : values)
        b.append(char(v));
    return b;
}

QByteArray encoded(const QImage& img, const char* format) {
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    img.save(&buffer, format);
    return bytes;
}

void writeFile(const QString& name, const QByteArray& bytes) {
    QFile f(name);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write(bytes);
}

QByteArray readFile(const QString& name) {
    QFile f(name);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

} // namespace

TEST(PaletteFile, WritesTheExactBmpLayout) {
    const PalettePicture p =
        PalettePicture::fromEntries({rgb(0x11, 0x22, 0x33), rgb(0xAA, 0xBB, 0xCC)});
    const QByteArray expected = bytesOf(
        {'B',  'M',  62,   0, 0, 0, 0, 0, 0, 0, 54, 0, 0, 0, // file header
         40,   0,    0,    0, 1, 0, 0, 0, 2, 0, 0,  0,       // info size, width 1, height 2
         1,    0,    24,   0, 0, 0, 0, 0, 8, 0, 0,  0, // planes, 24 bits, no compression, 4 x N
         0,    0,    0,    0, 0, 0, 0, 0, 0, 0, 0,  0, 0, 0,
         0,    0,               // resolutions, colours used/important
         0xCC, 0xBB, 0xAA, 0,   // entry 1 first: blue, green, red, pad
         0x33, 0x22, 0x11, 0}); // entry 0 last
    EXPECT_EQ(paletteFileBytes(p), expected);

    const QByteArray big = paletteFileBytes(PalettePicture::fromEntries(std::vector<TColor>(256)));
    EXPECT_EQ(big.size(), 54 + 4 * 256);
}

TEST(PaletteFile, RoundTripsThroughAFile) {
    QTemporaryDir dir;
    std::vector<TColor> entries;
    for (int i = 0; i < 256; ++i)
        entries.push_back(rgb(i, 255 - i, (i * 37) & 0xFF));
    const QString name = dir.filePath("pal.icp");
    writePaletteFile(name, PalettePicture::fromEntries(entries));
    EXPECT_EQ(readPaletteFile(name).entries(), entries);
    // A wider picture is written as its first column.
    QImage wide(3, 2, QImage::Format_RGB32);
    wide.fill(qRgb(1, 2, 3));
    writePaletteFile(name, PalettePicture(wide));
    const PalettePicture back = readPaletteFile(name);
    EXPECT_EQ(back.picture().size(), QSize(1, 2));
    EXPECT_EQ(back.entry(1), rgb(1, 2, 3));
}

TEST(PaletteFile, FailedWritesReportAndKeepWhatWasThere) {
    QTemporaryDir dir;
    const PalettePicture p = PalettePicture::fromEntries({rgb(1, 2, 3), rgb(4, 5, 6)});
    const QString missingFolder = dir.filePath("no such folder/pal.icp");
    try {
        writePaletteFile(missingFolder, p);
        FAIL() << "writing into a missing folder succeeded";
    } catch (const PaletteFileError& e) {
        EXPECT_TRUE(e.message().contains("pal.icp")) << e.message().toStdString();
    }
    // A folder standing where the file should go is not replaced.
    const QString blocked = dir.filePath("blocked.icp");
    ASSERT_TRUE(QDir().mkpath(blocked + "/keep"));
    EXPECT_THROW(writePaletteFile(blocked, p), PaletteFileError);
    EXPECT_TRUE(QDir(blocked + "/keep").exists());
    // Nothing is written for an empty palette, and the old file stays.
    const QString old = dir.filePath("old.icp");
    writePaletteFile(old, p);
    const QByteArray before = readFile(old);
    EXPECT_THROW(writePaletteFile(old, PalettePicture()), PaletteFileError);
    EXPECT_EQ(readFile(old), before);
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files).size(), 1) << "no temporary file is left";
}

TEST(PaletteFile, ReadsAnyBmpColumnZeroTopDown) {
    // An 8-bit indexed BMP 3 pixels wide written by the platform.
    QImage indexed(3, 4, QImage::Format_Indexed8);
    indexed.setColorTable({qRgb(10, 20, 30), qRgb(40, 50, 60), qRgb(70, 80, 90)});
    for (int y = 0; y < 4; ++y)
        for (int x = 0; x < 3; ++x)
            indexed.setPixel(x, y, uint((y + x) % 3));
    auto p = decodePaletteFile(encoded(indexed, "BMP"));
    ASSERT_TRUE(p);
    EXPECT_EQ(p->entries(), (std::vector<TColor>{rgb(10, 20, 30), rgb(40, 50, 60), rgb(70, 80, 90),
                                                 rgb(10, 20, 30)}));

    // A top-down file (negative height) lists entry 0 first.
    QByteArray topDown =
        paletteFileBytes(PalettePicture::fromEntries({rgb(1, 1, 1), rgb(2, 2, 2)}));
    topDown[22] = char(0xFE); // height -2
    topDown[23] = topDown[24] = topDown[25] = char(0xFF);
    p = decodePaletteFile(topDown);
    ASSERT_TRUE(p);
    EXPECT_EQ(p->entries(), (std::vector<TColor>{rgb(2, 2, 2), rgb(1, 1, 1)}));
}

TEST(PaletteFile, RefusesWhatIsNoPaletteWithAReason) {
    const QByteArray good = paletteFileBytes(PalettePicture::fromEntries({rgb(1, 2, 3), 0}));
    QByteArray zeroHeight = good;
    zeroHeight[22] = 0;
    QByteArray hugeWidth = good;
    hugeWidth[18] = hugeWidth[19] = hugeWidth[20] = char(0xFF);
    hugeWidth[21] = 0x3F;
    QImage png(1, 2, QImage::Format_RGB32);
    png.fill(Qt::red);
    const std::pair<const char*, QByteArray> cases[] = {
        {"empty", QByteArray()},
        {"signature only", QByteArray("BM")},
        {"header cut short", good.left(30)},
        {"pixels cut short", good.left(56)},
        {"height 0", zeroHeight},
        {"absurd width", hugeWidth},
        {"a PNG", encoded(png, "PNG")},
        {"text", QByteArray("not a palette at all")},
    };
    for (const auto& [what, bytes] : cases) {
        SCOPED_TRACE(what);
        QString error;
        EXPECT_FALSE(decodePaletteFile(bytes, &error));
        EXPECT_FALSE(error.isEmpty());
    }
    QTemporaryDir dir;
    const QString name = dir.filePath("broken.icp");
    writeFile(name, "BMxx");
    try {
        readPaletteFile(name);
        FAIL() << "a broken file was read";
    } catch (const PaletteFileError& e) {
        EXPECT_TRUE(e.message().contains("broken.icp"));
    }
    EXPECT_THROW(readPaletteFile(dir.filePath("missing.icp")), PaletteFileError);
}

TEST(PaletteFile, SurvivesMutatedBitmaps) {
    // Seeds of several layouts: our own 24-bit file, indexed and 32-bit files
    // of the platform writer, and a run-length encoded 8-bit file.
    std::vector<QByteArray> seeds;
    seeds.push_back(paletteFileBytes(PalettePicture::fromEntries({rgb(1, 2, 3), rgb(4, 5, 6), 7})));
    for (QImage::Format f : {QImage::Format_Mono, QImage::Format_Indexed8, QImage::Format_ARGB32}) {
        QImage img = QImage(5, 3, QImage::Format_ARGB32).convertToFormat(f);
        img.fill(1);
        seeds.push_back(encoded(img, "BMP"));
    }
    seeds.push_back(
        bytesOf({'B', 'M', 70,  0, 0,   0, 0, 0, 0, 0, 62, 0, 0, 0,       // file header
                 40,  0,   0,   0, 4,   0, 0, 0, 2, 0, 0,  0, 1, 0, 8, 0, // 4 x 2, 8 bits
                 1,   0,   0,   0, 8,   0, 0, 0, 0, 0, 0,  0, 0, 0, 0, 0, // RLE8
                 2,   0,   0,   0, 0,   0, 0, 0,                          // 2 colours
                 0,   0,   255, 0, 255, 0, 0, 0,                          // colour table
                 4,   1,   0,   0, 4,   0, 0, 1}));                       // runs
    std::mt19937 gen(99);
    int decoded = 0;
    for (int round = 0; round < 3000; ++round) {
        QByteArray bytes = seeds[std::size_t(round) % seeds.size()];
        const int edits = 1 + int(gen() % 4);
        for (int e = 0; e < edits; ++e) {
            const int at = int(gen() % std::uint32_t(bytes.size()));
            switch (gen() % 3) {
            case 0:
                bytes[at] = char(gen());
                break;
            case 1:
                bytes.truncate(std::max(2, at));
                break;
            default:
                bytes[at] = char(bytes[at] ^ (1 << (gen() % 8)));
                break;
            }
        }
        QString error;
        const auto p = decodePaletteFile(bytes, &error);
        if (p) {
            ++decoded;
            EXPECT_GE(p->count(), 1);
            EXPECT_EQ(p->picture().width(), 1);
        } else {
            EXPECT_FALSE(error.isEmpty());
        }
    }
    EXPECT_GT(decoded, 0);
}

TEST(PaletteFile, ExtensionIsReplacedOrAppended) {
    const std::pair<const char*, const char*> cases[] = {
        {"/tmp/colours.txt", "/tmp/colours.icp"},
        {"/tmp/colours", "/tmp/colours.icp"},
        {"/tmp/colours.icp", "/tmp/colours.icp"},
        {"/tmp/my.colours.bmp", "/tmp/my.colours.icp"},
        {"/tmp/dir.d/colours", "/tmp/dir.d/colours.icp"},
    };
    for (const auto& [in, out] : cases)
        EXPECT_EQ(withPaletteExtension(in), out) << in;
}

TEST(DefaultPalette, ReadsTheInstalledFiles) {
    const QString folder = BRISEL_DATA_DIR;
    const PalettePicture two = DefaultPalette(1, folder);
    EXPECT_EQ(two.entries(), (std::vector<TColor>{0x000000, 0xFFFFFF}));
    const PalettePicture sixteen = DefaultPalette(4, folder);
    ASSERT_EQ(sixteen.count(), 16);
    EXPECT_EQ(sixteen.entry(0), 0x000000u);
    EXPECT_EQ(sixteen.entry(9), rgb(255, 0, 0));
    EXPECT_EQ(sixteen.entry(15), 0xFFFFFFu);
    const PalettePicture all = DefaultPalette(8, folder);
    ASSERT_EQ(all.count(), 256);
    EXPECT_EQ(all.entry(16), 0x000000u);
    EXPECT_EQ(all.entry(231), 0xFFFFFFu);
    for (ColourFormat f : {ColourFormat(24), ColourFormat(32)})
        EXPECT_EQ(DefaultPalette(f, folder).picture().size(), QSize(120, 320));
    // The palettes ship exactly as the palette writer writes them.
    EXPECT_EQ(readFile(QDir(UseFilesFolder(folder)).filePath("16.bmp")), paletteFileBytes(sixteen));
    const QImage tra = readDataPicture(QDir(UseFilesFolder(folder)).filePath("Tra.bmp"));
    EXPECT_GE(tra.width(), 201);
    EXPECT_GE(tra.height(), 38);
}

TEST(DefaultPalette, MissingOrWrongFilesAreNamedAndNeverCached) {
    QTemporaryDir dir;
    try {
        DefaultPalette(4, dir.path());
        FAIL() << "a missing palette was read";
    } catch (const DataFileError& e) {
        EXPECT_TRUE(e.message().contains("Use Files")) << e.message().toStdString();
        EXPECT_TRUE(e.message().contains("16.bmp")) << e.message().toStdString();
    }
    ASSERT_TRUE(QDir(dir.path()).mkpath("Use Files"));
    const QString two = QDir(UseFilesFolder(dir.path())).filePath("2.bmp");
    writeFile(two, paletteFileBytes(PalettePicture::fromEntries({rgb(1, 2, 3), rgb(4, 5, 6)})));
    EXPECT_EQ(DefaultPalette(1, dir.path()).entry(0), rgb(1, 2, 3));
    writeFile(two, paletteFileBytes(PalettePicture::fromEntries({rgb(7, 8, 9), rgb(4, 5, 6)})));
    EXPECT_EQ(DefaultPalette(1, dir.path()).entry(0), rgb(7, 8, 9)) << "read afresh each time";
    // Three entries cannot be the palette of a 2-colour image.
    writeFile(two, paletteFileBytes(PalettePicture::fromEntries({1, 2, 3})));
    EXPECT_THROW(DefaultPalette(1, dir.path()), DataFileError);
    writeFile(QDir(UseFilesFolder(dir.path())).filePath("True.bmp"), "garbage");
    EXPECT_THROW(DefaultPalette(32, dir.path()), DataFileError);
}
