// Our files against the icon tools of the system: what we write, icotool,
// Pillow and ImageMagick decode to the same pixels; what they write in the
// classic layout, we decode to the same pixels. Each test is skipped where its
// tool is not installed.

#include "codec_support.h"
#include "document/IconFileReader.h"
#include "document/IconFileWriter.h"

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

namespace {

const TransparencySettings S = settings();

// The system's own Python, which has Pillow; a python3 earlier on PATH may not.
const QString SystemPython = QStringLiteral("/usr/bin/python3");

bool run(const QString& program, const QStringList& args, QString* output = nullptr) {
    QProcess p;
    p.setProcessChannelMode(QProcess::MergedChannels);
    p.start(program, args);
    if (!p.waitForStarted(10000) || !p.waitForFinished(120000)) return false;
    const QString text = QString::fromLocal8Bit(p.readAll());
    if (output) *output = text;
    if (p.exitStatus() != QProcess::NormalExit || p.exitCode() != 0) {
        ADD_FAILURE() << program.toStdString() << " " << args.join(' ').toStdString() << ": "
                      << text.toStdString();
        return false;
    }
    return true;
}

QString icotool() {
    return QStandardPaths::findExecutable("icotool");
}
QString magick() {
    return QStandardPaths::findExecutable("convert-im6.q16");
}
bool havePillow() {
    static const bool have = [] {
        if (!QFileInfo(SystemPython).isExecutable()) return false;
        QProcess p;
        p.start(SystemPython, {"-c", "import PIL.IcoImagePlugin"});
        return p.waitForFinished(30000) && p.exitStatus() == QProcess::NormalExit &&
               p.exitCode() == 0;
    }();
    return have;
}

#define REQUIRE_TOOL(available, name)                                                              \
    if (!(available)) GTEST_SKIP() << name << " is not installed"

// A palette with black and white among its entries, as the default ones have.
std::vector<TColor> paletteFor(ColourFormat format) {
    const int n = format == 1 ? 2 : format == 4 ? 16 : format == 8 ? 256 : 0;
    std::vector<TColor> p = testPalette(n);
    if (format == 1) return {0x1060C0, 0xFFFFFF};
    if (n > 0) {
        p.front() = 0x000000;
        p.back() = 0xFFFFFF;
    }
    return p;
}

// An image of the format with transparent and inverted pixels, and, in
// Format 32, alpha of every kind.
std::unique_ptr<IconImage> ourImage(int width, int height, ColourFormat format,
                                    std::uint32_t seed) {
    Lcg rnd(seed);
    const std::vector<TColor> palette = paletteFor(format);
    std::vector<TColor32> pixels;
    for (int i = 0; i < width * height; ++i) {
        const std::uint32_t kind = rnd.next(6);
        if (kind == 0)
            pixels.push_back(SetAlpha(rnd.next(0x1000000), 0));
        else if (kind == 1)
            pixels.push_back(SetAlpha(S.InvColor, 0));
        else if (!palette.empty())
            pixels.push_back(SetAlpha(palette[rnd.next(std::uint32_t(palette.size()))], 255));
        else
            pixels.push_back(
                SetAlpha(rnd.next(0x1000000), format == 32 ? int(rnd.next(256)) : 255));
    }
    return makeImage(width, height, format, pixels, palette);
}

QImage loadRgba(const QString& path) {
    QImage image(path);
    return image.isNull() ? image : image.convertToFormat(QImage::Format_ARGB32);
}

// What another program shows must match what we stored: masked pixels
// transparent, the others with their colour (and, in Format 32, their alpha).
void expectShownAs(const IconImage& ours, const QImage& theirs) {
    ASSERT_FALSE(theirs.isNull());
    ASSERT_EQ(theirs.size(), QSize(ours.Pixels.Width, ours.Pixels.Height));
    int mismatches = 0;
    for (int y = 0; y < ours.Pixels.Height; ++y) {
        for (int x = 0; x < ours.Pixels.Width; ++x) {
            const TColor32 c = ours.Pixels.GetPixel(x, y);
            const QRgb t = theirs.pixel(x, y);
            const int alpha = IsMaskedPixel(c, ours.Format, S) ? 0
                              : ours.Format == 32              ? AlphaOf(c)
                                                               : 255;
            const bool same = qAlpha(t) == alpha &&
                              (alpha == 0 || (qRed(t) == RedOf(c) && qGreen(t) == GreenOf(c) &&
                                              qBlue(t) == BlueOf(c)));
            if (!same && ++mismatches <= 5)
                ADD_FAILURE() << "pixel (" << x << ", " << y << "): ours " << std::hex << c
                              << " theirs " << t;
        }
    }
}

// What we read must match the picture the other program was given: the same
// alpha, and the same colour where alpha is above 0.
void expectReadAs(const IconImage& ours, const QImage& reference) {
    ASSERT_FALSE(reference.isNull());
    ASSERT_EQ(reference.size(), QSize(ours.Pixels.Width, ours.Pixels.Height));
    int mismatches = 0;
    for (int y = 0; y < reference.height(); ++y) {
        for (int x = 0; x < reference.width(); ++x) {
            const TColor32 c = ours.Pixels.GetPixel(x, y);
            const QRgb r = reference.pixel(x, y);
            const bool same = AlphaOf(c) == qAlpha(r) &&
                              (qAlpha(r) == 0 || (RedOf(c) == qRed(r) && GreenOf(c) == qGreen(r) &&
                                                  BlueOf(c) == qBlue(r)));
            if (!same && ++mismatches <= 5)
                ADD_FAILURE() << "pixel (" << x << ", " << y << "): ours " << std::hex << c
                              << " reference " << r;
        }
    }
}

// A picture with the given number of distinct colours; alpha 0 or 255 only,
// unless semiAlpha.
QImage sourcePicture(int width, int height, int colours, bool semiAlpha, std::uint32_t seed) {
    Lcg rnd(seed);
    std::vector<QRgb> set;
    for (int i = 0; i < colours; ++i)
        set.push_back(qRgb(int(rnd.next(256)), int(rnd.next(256)), int(rnd.next(256))));
    QImage image(width, height, QImage::Format_ARGB32);
    for (int y = 0; y < height; ++y) {
        for (int x = 0; x < width; ++x) {
            const QRgb c = set[rnd.next(std::uint32_t(set.size()))];
            int alpha = rnd.next(5) == 0 ? 0 : 255;
            if (semiAlpha) alpha = int(rnd.next(256));
            // Transparent pixels are black: some writers keep their RGB, and
            // the reference should not depend on it.
            image.setPixel(
                x, y, alpha == 0 ? qRgba(0, 0, 0, 0) : qRgba(qRed(c), qGreen(c), qBlue(c), alpha));
        }
    }
    return image;
}

IconFileContents readFile(const QString& path) {
    QFile f(path);
    if (!f.open(QIODevice::ReadOnly)) throw std::runtime_error("cannot open " + path.toStdString());
    return ReadIconFile(f.readAll(), path, S);
}

bool writeFile(const QString& path, const QByteArray& bytes) {
    QFile f(path);
    return f.open(QIODevice::WriteOnly) && f.write(bytes) == bytes.size();
}

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
        }
    }
    EXPECT_EQ(depths, (std::set<int>{1, 4, 8, 32}));
}
