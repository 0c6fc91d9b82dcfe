// Our files against the icon tools of the system: what we write, icotool,
// Pillow and ImageMagick decode to the same pixels; what they write in the
// classic layout, we decode to the same pixels. Each test is skipped where its
// tool is not installed.

#include "document/IconFileWriter.h"
#include "interop_support.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QImage>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <gtest/gtest.h>
#include <set>

using namespace codec_test;
using namespace interop_test;

namespace {

struct Written {
    ColourFormat format;
    QSize size;
};

// Every format at a width that needs row padding and partial bytes, and at
// one that does not.
std::vector<Written> writtenCases() {
    std::vector<Written> out;
    for (ColourFormat f : {1, 4, 8, 24, 32})
        for (QSize s : {QSize(13, 7), QSize(32, 16)})
            out.push_back({f, s});
    return out;
}

} // namespace

TEST(CodecInterop, IcotoolReadsWhatWeWrite) {
    REQUIRE_TOOL(!icotool().isEmpty(), "icotool");
    QTemporaryDir tmp;
    ASSERT_TRUE(tmp.isValid());
    std::uint32_t seed = 100;
    for (const Written& w : writtenCases()) {
        // icotool misplaces 24-bit rows whose length is not a multiple of 3
        // bytes; 13 pixels make 40.
        if (w.format == 24 && w.size.width() == 13) continue;
        SCOPED_TRACE(testing::Message() << int(w.format) << " bits " << w.size.width());
        const auto images = single(ourImage(w.size.width(), w.size.height(), w.format, seed++));
        const QString dir = tmp.filePath(QString("ico-%1").arg(seed));
        ASSERT_TRUE(QDir().mkpath(dir));
        const QString file = dir + "/our.ico";
        ASSERT_TRUE(writeFile(file, WriteIconFile(1, images, S)));
        ASSERT_TRUE(run(icotool(), {"-x", "-o", dir, file}));
        const QStringList pngs = QDir(dir).entryList({"*.png"});
        ASSERT_EQ(pngs.size(), 1);
        expectShownAs(*images[0], loadRgba(dir + "/" + pngs[0]));
    }
}

TEST(CodecInterop, IcotoolSeesOurHotSpots) {
    REQUIRE_TOOL(!icotool().isEmpty(), "icotool");
    QTemporaryDir tmp;
    ASSERT_TRUE(tmp.isValid());
    std::vector<std::unique_ptr<IconImage>> images;
    images.push_back(ourImage(16, 16, 4, 1));
    images.back()->HotSpotX = 5;
    images.back()->HotSpotY = 7;
    images.push_back(ourImage(32, 32, 32, 2));
    images.back()->HotSpotY = 31;
    const QString file = tmp.filePath("our.cur");
    ASSERT_TRUE(writeFile(file, WriteIconFile(2, images, S)));
    QString listing;
    ASSERT_TRUE(run(icotool(), {"-l", file}, &listing));
    EXPECT_TRUE(listing.contains("--index=1 --width=16 --height=16 --bit-depth=4 --palette-size=16 "
                                 "--hotspot-x=5 --hotspot-y=7"))
        << listing.toStdString();
    EXPECT_TRUE(listing.contains("--hotspot-x=0 --hotspot-y=31")) << listing.toStdString();
}

TEST(CodecInterop, PillowReadsWhatWeWrite) {
    REQUIRE_TOOL(havePillow(), "Pillow");
    QTemporaryDir tmp;
    ASSERT_TRUE(tmp.isValid());
    std::uint32_t seed = 200;
    for (const Written& w : writtenCases()) {
        SCOPED_TRACE(testing::Message() << int(w.format) << " bits " << w.size.width());
        const auto images = single(ourImage(w.size.width(), w.size.height(), w.format, seed++));
        const QString file = tmp.filePath(QString("our-%1.ico").arg(seed));
        const QString png = tmp.filePath(QString("pillow-%1.png").arg(seed));
        ASSERT_TRUE(writeFile(file, WriteIconFile(1, images, S)));
        ASSERT_TRUE(run(SystemPython, {"-c",
                                       "import sys\n"
                                       "from PIL import Image\n"
                                       "im = Image.open(sys.argv[1])\n"
                                       "im.ico.frame(0).convert('RGBA').save(sys.argv[2])\n",
                                       file, png}));
        expectShownAs(*images[0], loadRgba(png));
    }
}

TEST(CodecInterop, ImageMagickReadsWhatWeWrite) {
    REQUIRE_TOOL(!magick().isEmpty(), "ImageMagick");
    QTemporaryDir tmp;
    ASSERT_TRUE(tmp.isValid());
    std::uint32_t seed = 300;
    for (const Written& w : writtenCases()) {
        SCOPED_TRACE(testing::Message() << int(w.format) << " bits " << w.size.width());
        const auto images = single(ourImage(w.size.width(), w.size.height(), w.format, seed++));
        const QString file = tmp.filePath(QString("our-%1.ico").arg(seed));
        const QString png = tmp.filePath(QString("magick-%1.png").arg(seed));
        ASSERT_TRUE(writeFile(file, WriteIconFile(1, images, S)));
        ASSERT_TRUE(run(magick(), {file, "PNG32:" + png}));
        expectShownAs(*images[0], loadRgba(png));
    }
}

namespace {

// Pictures that make the writers choose each of their depths: few colours
// for the palette formats, many for true colour, partial alpha for 32 bits.
struct Source {
    const char* what;
    int colours;
    bool semiAlpha;
};
const Source Sources[] = {
    {"two colours", 1, false}, // plus transparent black
    {"ten colours", 10, false},    {"two hundred colours", 200, false},
    {"many colours", 5000, false}, {"partial alpha", 5000, true},
};

} // namespace

TEST(CodecInterop, WeReadWhatIcotoolWrites) {
    REQUIRE_TOOL(!icotool().isEmpty(), "icotool");
    QTemporaryDir tmp;
    ASSERT_TRUE(tmp.isValid());
    std::set<int> depths;
    std::uint32_t seed = 400;
    for (const Source& s : Sources) {
        for (int side : {16, 21}) {
            SCOPED_TRACE(testing::Message() << s.what << " " << side);
            const QImage picture = sourcePicture(side, side, s.colours, s.semiAlpha, seed++);
            const QString png = tmp.filePath(QString("src-%1.png").arg(seed));
            const QString file = tmp.filePath(QString("icotool-%1.cur").arg(seed));
            ASSERT_TRUE(picture.save(png));
            ASSERT_TRUE(run(icotool(),
                            {"-c", "--cursor", "--hotspot-x=3", "--hotspot-y=9", "-o", file, png}));
            const IconFileContents c = readFile(file);
            ASSERT_EQ(c.Images.size(), 1u);
            EXPECT_EQ(c.FileType, 2);
            EXPECT_EQ(c.Images[0]->HotSpotX, 3);
            EXPECT_EQ(c.Images[0]->HotSpotY, 9);
            depths.insert(c.Images[0]->Format);
            expectReadAs(*c.Images[0], loadRgba(png));
            expectSavedUnchanged(file);
        }
    }
    EXPECT_EQ(depths, (std::set<int>{1, 4, 8, 24, 32}));
}

TEST(CodecInterop, WeReadWhatPillowWrites) {
    REQUIRE_TOOL(havePillow(), "Pillow");
    QTemporaryDir tmp;
    ASSERT_TRUE(tmp.isValid());
    std::set<int> depths;
    std::uint32_t seed = 500;
    // Pillow converts the picture to the mode, writes the icon in the
    // classic layout, and keeps the converted picture as the reference.
    for (const char* mode : {"1", "P", "RGB", "RGBA"}) {
        for (int side : {16, 21}) {
            SCOPED_TRACE(testing::Message() << mode << " " << side);
            const QImage picture = sourcePicture(side, side, 300, true, seed++);
            const QString png = tmp.filePath(QString("src-%1.png").arg(seed));
            const QString ref = tmp.filePath(QString("ref-%1.png").arg(seed));
            const QString file = tmp.filePath(QString("pillow-%1.ico").arg(seed));
            ASSERT_TRUE(picture.save(png));
            ASSERT_TRUE(
                run(SystemPython, {"-c",
                                   "import sys\n"
                                   "from PIL import Image\n"
                                   "im = Image.open(sys.argv[1])\n"
                                   "if sys.argv[2] != 'RGBA': im = im.convert('RGB')\n"
                                   "im = im.convert(sys.argv[2])\n"
                                   "im.save(sys.argv[3], sizes=[im.size], bitmap_format='bmp')\n"
                                   "im.convert('RGBA').save(sys.argv[4])\n",
                                   png, mode, file, ref}));
            const IconFileContents c = readFile(file);
            ASSERT_EQ(c.Images.size(), 1u);
            depths.insert(c.Images[0]->Format);
            expectReadAs(*c.Images[0], loadRgba(ref));
            expectSavedUnchanged(file);
        }
    }
    EXPECT_EQ(depths, (std::set<int>{1, 8, 24, 32}));
}

TEST(CodecInterop, WeReadWhatImageMagickWrites) {
    REQUIRE_TOOL(!magick().isEmpty(), "ImageMagick");
    QTemporaryDir tmp;
    ASSERT_TRUE(tmp.isValid());
    std::set<int> depths;
    std::uint32_t seed = 600;
    for (const Source& s : Sources) {
        for (int side : {16, 21}) {
            SCOPED_TRACE(testing::Message() << s.what << " " << side);
            const QImage picture = sourcePicture(side, side, s.colours, s.semiAlpha, seed++);
            const QString png = tmp.filePath(QString("src-%1.png").arg(seed));
            const QString file = tmp.filePath(QString("magick-%1.ico").arg(seed));
            ASSERT_TRUE(picture.save(png));
            // Unless asked for a palette, ImageMagick writes 32 bits.
            QStringList args{png};
            if (s.colours <= 256 && !s.semiAlpha)
                args << "-type"
                     << "PaletteAlpha";
            ASSERT_TRUE(run(magick(), args << file));
            const IconFileContents c = readFile(file);
            ASSERT_EQ(c.Images.size(), 1u);
            depths.insert(c.Images[0]->Format);
            expectReadAs(*c.Images[0], loadRgba(png));
            expectSavedUnchanged(file);
        }
    }
    EXPECT_EQ(depths, (std::set<int>{1, 4, 8, 32}));
}
