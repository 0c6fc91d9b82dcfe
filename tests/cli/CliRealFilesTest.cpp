// Files as people have them: directories that disagree with their images,
// mixed storage, size sets made from one picture, cursors of several sizes.

#include "CliTestSupport.h"
#include "document/IconFileReader.h"
#include "document/IconFileWriter.h"

#include <QDir>
#include <QFile>
#include <QImage>
#include <QProcess>
#include <QtEndian>

namespace {

const TransparencySettings S;

bool writeBytes(const QString& Path, const QByteArray& Bytes) {
    QFile f(Path);
    return f.open(QIODevice::WriteOnly) && f.write(Bytes) == Bytes.size();
}

std::unique_ptr<IconImage> imageOf(int Side, ColourFormat Format, std::uint8_t HotX,
                                   std::uint8_t HotY, bool Png = false) {
    auto image = std::make_unique<IconImage>();
    image->Pixels = TBitmap32(Side, Side);
    image->Format = Format;
    image->StoredAsPng = Png;
    image->HotSpotX = HotX;
    image->HotSpotY = HotY;
    const int entries = Format <= 8 ? 1 << Format : 0;
    std::vector<TColor> palette;
    for (int i = 0; i < entries; ++i)
        palette.push_back(TColor(i * 0x010305 % 0x1000000));
    if (entries > 0) image->Palette = PalettePicture::fromEntries(palette);
    for (int y = 0; y < Side; ++y)
        for (int x = 0; x < Side; ++x) {
            const int v = x * 7 + y * 3;
            TColor32 c = entries > 0 ? SetAlpha(palette[std::size_t(v % entries)], 255)
                                     : SetAlpha(TColor(v * 0x030507 % 0x1000000), v % 256);
            if (entries > 0 && (x + y) % 5 == 0) c = SetAlpha(S.TraColor, 0);
            image->Pixels.SetPixel(x, y, c);
        }
    return image;
}

// A cursor of mixed storage, each image with its own hot spot: a 256-pixel
// PNG picture, a 48-pixel 32-bit PNG picture, a 32-pixel 8-bit and a 16-pixel
// 4-bit bitmap.
std::vector<std::unique_ptr<IconImage>> mixedImages() {
    std::vector<std::unique_ptr<IconImage>> images;
    images.push_back(imageOf(256, 32, 200, 100, true));
    images.push_back(imageOf(48, 32, 40, 7, true));
    images.push_back(imageOf(32, 8, 20, 20));
    images.push_back(imageOf(16, 4, 3, 15));
    return images;
}

// The same alpha everywhere and the same colour where alpha is above 0: a
// clear pixel's colour is the reader's marker colour.
bool sameShown(const TBitmap32& A, const TBitmap32& B) {
    if (A.Width != B.Width || A.Height != B.Height) return false;
    for (std::size_t i = 0; i < A.Bits.size(); ++i)
        if (AlphaOf(A.Bits[i]) != AlphaOf(B.Bits[i]) ||
            (AlphaOf(A.Bits[i]) != 0 && A.Bits[i] != B.Bits[i]))
            return false;
    return true;
}

QImage rgba(const QString& Path) {
    return QImage(Path).convertToFormat(QImage::Format_RGBA8888);
}

} // namespace

// An entry saying 16 x 32 over a 16 x 16 image, and a header claiming
// 65535 x 65535 over a 16 x 16 entry: both read 16 x 16, listed and
// extracted alike, with the pixels Pillow decodes.
TEST_F(CliTest, TheImagesOwnHeaderOutranksTheDirectory) {
    std::vector<std::unique_ptr<IconImage>> images;
    images.push_back(imageOf(16, 32, 0, 0));
    images.push_back(imageOf(8, 32, 0, 0));
    const QByteArray good = WriteIconFile(1, images, S);
    QByteArray tall = good;
    tall[6 + 1] = char(32);
    QByteArray huge = good;
    const int at = int(qFromLittleEndian<quint32>(good.constData() + 6 + 12));
    qToLittleEndian<qint32>(65535, huge.data() + at + 4);
    qToLittleEndian<qint32>(2 * 65535, huge.data() + at + 8);

    const struct {
        const char* Name;
        QByteArray File;
        const char* Note;
        bool AskPillow; // Pillow refuses a header that claims so much
    } cases[] = {{"tall", tall, " (directory: 16 x 32)", true}, {"huge", huge, "", false}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.Name);
        const QString file = path(QString("%1.ico").arg(c.Name));
        ASSERT_TRUE(writeBytes(file, c.File));
        const CliRun info = cli({"info", file});
        ASSERT_EQ(info.Status, 0) << info.Err.toStdString();
        EXPECT_EQ(info.Out.split('\n')[0],
                  file + ": 1: 16 x 16, 32 bits, hot spot -, 1128 bytes" + c.Note);
        const QString dir = path(QString("%1-out").arg(c.Name));
        ASSERT_EQ(cli({"extract", file, dir}).Status, 0);
        const QImage ours = rgba(QDir(dir).filePath(QString("%1-1.png").arg(c.Name)));
        ASSERT_EQ(ours.size(), QSize(16, 16));
        EXPECT_EQ(rgba(QDir(dir).filePath(QString("%1-2.png").arg(c.Name))).size(), QSize(8, 8));
        const IconFileContents read = LoadIconFile(file, S);
        EXPECT_TRUE(sameShown(read.Images[0]->Pixels, images[0]->Pixels));

        if (!c.AskPillow || !QFile::exists("/usr/bin/python3")) continue;
        const QString pillow = path(QString("%1-pillow.png").arg(c.Name));
        QProcess p;
        p.start("/usr/bin/python3",
                {"-W", "ignore", "-c",
                 "import sys\nfrom PIL import Image\n"
                 "Image.open(sys.argv[1]).ico.frame(0).convert('RGBA').save(sys.argv[2])\n",
                 file, pillow});
        ASSERT_TRUE(p.waitForFinished(60000));
        if (p.exitCode() != 0) continue; // no Pillow here
        const QImage theirs = rgba(pillow);
        ASSERT_EQ(theirs.size(), ours.size());
        for (int y = 0; y < 16; ++y)
            for (int x = 0; x < 16; ++x) {
                const QRgb o = ours.pixel(x, y), t = theirs.pixel(x, y);
                ASSERT_TRUE(o == t || (qAlpha(o) == 0 && qAlpha(t) == 0)) << x << "," << y;
            }
    }
}

// Converted to its own type, a cursor of mixed storage comes out byte for
// byte; as an icon and back each image keeps its storage and pixels.
TEST_F(CliTest, ConvertKeepsEachImagesStorageAndHotSpot) {
    const auto images = mixedImages();
    const QString cur = path("mixed.cur");
    SaveIconFile(cur, 2, images, S);
    const CliRun info = cli({"info", cur});
    const QStringList lines = info.Out.split('\n', Qt::SkipEmptyParts);
    ASSERT_EQ(lines.size(), 4);
    EXPECT_TRUE(lines[0].contains(": 1: 256 x 256, 32 bits, hot spot 200,100,"));
    EXPECT_TRUE(lines[0].endsWith("(PNG)"));
    EXPECT_TRUE(lines[1].contains(": 2: 48 x 48, 32 bits, hot spot 40,7,"));
    EXPECT_TRUE(lines[1].endsWith("(PNG)"));
    EXPECT_TRUE(lines[2].contains(": 3: 32 x 32, 8 bits, hot spot 20,20,"));
    EXPECT_TRUE(lines[3].contains(": 4: 16 x 16, 4 bits, hot spot 3,15,"));

    const QString same = path("same.cur");
    ASSERT_EQ(cli({"convert", cur, same}).Status, 0);
    EXPECT_EQ(readFile(same), readFile(cur));

    const QString ico = path("mixed.ico");
    const QString back = path("back.cur");
    ASSERT_EQ(cli({"convert", cur, ico}).Status, 0);
    ASSERT_EQ(cli({"convert", ico, back}).Status, 0);
    const IconFileContents read = LoadIconFile(back, S);
    ASSERT_EQ(read.Images.size(), images.size());
    for (std::size_t i = 0; i < images.size(); ++i) {
        SCOPED_TRACE(i);
        EXPECT_EQ(read.Images[i]->StoredAsPng, images[i]->StoredAsPng);
        EXPECT_EQ(read.Images[i]->Format, images[i]->Format);
        EXPECT_TRUE(sameShown(read.Images[i]->Pixels, images[i]->Pixels));
    }
}

// A 512 x 300 picture with a white, half-transparent edge over transparent
// black: six square images with transparent margins and a light edge.
TEST_F(CliTest, SizeSetFromOnePicture) {
    QImage source(512, 300, QImage::Format_ARGB32);
    source.fill(qRgba(0, 0, 0, 0));
    for (int y = 20; y < 280; ++y)
        for (int x = 20; x < 492; ++x) {
            // Wide enough that no pixel of the 16-pixel image covers both
            // the clear margin and the opaque middle.
            const bool edge = x < 100 || x >= 412 || y < 100 || y >= 200;
            source.setPixel(x, y, edge ? qRgba(255, 255, 255, 128) : qRgba(30, 90, 200, 255));
        }
    const QString picture = path("wide.png");
    ASSERT_TRUE(source.save(picture));

    for (const bool png : {false, true}) {
        SCOPED_TRACE(png ? "--png" : "bitmaps");
        const QString out = path(png ? "set-png.cur" : "set.cur");
        QStringList args{"create", out, "--cursor", "--hotspot", "256,150",
                         "--sizes", "16,24,32,48,64,256", picture};
        if (png) args.insert(2, "--png");
        const CliRun made = cli(args);
        ASSERT_EQ(made.Status, 0) << made.Err.toStdString();
        const IconFileContents read = LoadIconFile(out, S);
        ASSERT_EQ(read.Images.size(), 6u);
        const int sides[] = {16, 24, 32, 48, 64, 256};
        for (std::size_t i = 0; i < 6; ++i) {
            const IconImage& image = *read.Images[i];
            const int side = sides[i];
            SCOPED_TRACE(side);
            ASSERT_EQ(image.Pixels.Width, side);
            ASSERT_EQ(image.Pixels.Height, side);
            EXPECT_EQ(image.Format, 32);
            EXPECT_EQ(image.StoredAsPng, png || side == 256);
            // The picture's centre is the hot spot of every size.
            EXPECT_EQ(image.HotSpotX, side / 2);
            EXPECT_EQ(image.HotSpotY, side / 2);
            // Margins above and below, wholly transparent.
            const int margin = (side - (300 * side + 256) / 512 + 1) / 2;
            for (int x = 0; x < side; ++x) {
                EXPECT_EQ(AlphaOf(image.Pixels.GetPixel(x, 0)), 0);
                EXPECT_EQ(AlphaOf(image.Pixels.GetPixel(x, side - 1)), 0);
            }
            EXPECT_EQ(AlphaOf(image.Pixels.GetPixel(side / 2, side / 2)), 255);
            EXPECT_EQ(AlphaOf(image.Pixels.GetPixel(side / 2, margin - 1)), 0);
            // Every half-transparent pixel of the edge stays light.
            for (const TColor32 c : image.Pixels.Bits) {
                const int a = AlphaOf(c);
                if (a == 0 || a >= 129) continue;
                EXPECT_GE(RedOf(Color32ToColor(c)), 200) << std::hex << c;
            }
        }
    }
}
