// Icons with 256 x 256 PNG images against the icon tools of the system:
// what ImageMagick, icotool and Pillow write we read with the pixels they
// decode; what we write they read back identically. Each test is skipped
// where its tool is not installed.

#include "document/IconFileWriter.h"
#include "interop_support.h"

#include <QDir>
#include <QTemporaryDir>
#include <gtest/gtest.h>

using namespace codec_test;
using namespace interop_test;

namespace {

// Our images decoded by another program, one PNG per image, compared by size.
void expectEachShownAs(const IconFileContents& ours, const QString& dir) {
    for (const auto& image : ours.Images) {
        const QString name = QString("%1x%2.png").arg(image->Pixels.Width).arg(image->Pixels.Height);
        SCOPED_TRACE(name.toStdString());
        expectShownAs(*image, loadRgba(dir + "/" + name));
    }
}

// Pillow's decoding of every image of File, saved in Dir as WxH.png.
const char* const PillowFrames = "import sys\n"
                                 "from PIL import Image\n"
                                 "ico = Image.open(sys.argv[1]).ico\n"
                                 "for i in range(len(ico.entry)):\n"
                                 "    im = ico.frame(i).convert('RGBA')\n"
                                 "    im.save('%s/%dx%d.png' % (sys.argv[2], im.width, im.height))\n";

} // namespace

TEST(CodecPngInterop, WeReadWhatImageMagickWrites) {
    REQUIRE_TOOL(!magick().isEmpty(), "ImageMagick");
    QTemporaryDir tmp;
    ASSERT_TRUE(tmp.isValid());
    const QString src = tmp.filePath("src.png");
    ASSERT_TRUE(sourcePicture(256, 256, 5000, true, 41).save(src));
    const QString file = tmp.filePath("magick.ico");
    ASSERT_TRUE(run(magick(), {src, "-define", "icon:auto-resize=256,48,32,16", file}));
    const IconFileContents ours = readFile(file);
    ASSERT_EQ(ours.Images.size(), 4u);
    EXPECT_EQ(ours.Images[0]->Pixels.Width, 256);
    EXPECT_EQ(ours.Images[0]->Format, 32);
    for (std::size_t i = 0; i < ours.Images.size(); ++i) {
        SCOPED_TRACE(i);
        const QString ref = tmp.filePath(QString("ref-%1.png").arg(i));
        ASSERT_TRUE(run(magick(), {QString("%1[%2]").arg(file).arg(i), "PNG32:" + ref}));
        expectReadAs(*ours.Images[i], loadRgba(ref));
    }
    expectSavedUnchanged(file);
}

TEST(CodecPngInterop, WeReadWhatIcotoolWrites) {
    REQUIRE_TOOL(!icotool().isEmpty(), "icotool");
    QTemporaryDir tmp;
    ASSERT_TRUE(tmp.isValid());
    const QString big = tmp.filePath("big.png");
    const QString small = tmp.filePath("small.png");
    ASSERT_TRUE(sourcePicture(256, 256, 5000, true, 42).save(big));
    ASSERT_TRUE(sourcePicture(32, 32, 5000, true, 43).save(small));
    const QString file = tmp.filePath("icotool.ico");
    ASSERT_TRUE(run(icotool(), {"-c", "-o", file, "-r", big, small}));
    const IconFileContents ours = readFile(file);
    ASSERT_EQ(ours.Images.size(), 2u);
    for (const auto& image : ours.Images)
        expectReadAs(*image, loadRgba(image->Pixels.Width == 256 ? big : small));
}

TEST(CodecPngInterop, WeReadWhatPillowWrites) {
    REQUIRE_TOOL(havePillow(), "Pillow");
    QTemporaryDir tmp;
    ASSERT_TRUE(tmp.isValid());
    const QString src = tmp.filePath("src.png");
    ASSERT_TRUE(sourcePicture(256, 256, 5000, true, 44).save(src));
    const QString file = tmp.filePath("pillow.ico");
    // Pillow stores every size as a PNG picture.
    ASSERT_TRUE(run(SystemPython, {"-c",
                                   "import sys\n"
                                   "from PIL import Image\n"
                                   "Image.open(sys.argv[1]).save(sys.argv[2], "
                                   "sizes=[(256, 256), (48, 48), (16, 16)])\n",
                                   src, file}));
    const IconFileContents ours = readFile(file);
    ASSERT_EQ(ours.Images.size(), 3u);
    const QString dir = tmp.filePath("frames");
    ASSERT_TRUE(QDir().mkpath(dir));
    ASSERT_TRUE(run(SystemPython, {"-c", PillowFrames, file, dir}));
    for (const auto& image : ours.Images) {
        SCOPED_TRACE(image->Pixels.Width);
        expectReadAs(*image, loadRgba(
                                 QString("%1/%2x%2.png").arg(dir).arg(image->Pixels.Width)));
    }
}

// A file of ours with a 256 x 256 image beside two bitmaps, as the three
// programs decode it.
class CodecPngWritten : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(m_tmp.isValid());
        std::vector<std::unique_ptr<IconImage>> images;
        images.push_back(ourImage(256, 256, 32, 51));
        images.push_back(ourImage(48, 48, 8, 52));
        images.push_back(ourImage(16, 16, 32, 53));
        m_file = m_tmp.filePath("our.ico");
        ASSERT_TRUE(writeFile(m_file, WriteIconFile(1, images, S)));
        m_ours = readFile(m_file);
        m_dir = m_tmp.filePath("out");
        ASSERT_TRUE(QDir().mkpath(m_dir));
    }

    QTemporaryDir m_tmp;
    QString m_file;
    QString m_dir;
    IconFileContents m_ours;
};

TEST_F(CodecPngWritten, IcotoolReadsIt) {
    REQUIRE_TOOL(!icotool().isEmpty(), "icotool");
    ASSERT_TRUE(run(icotool(), {"-x", "-o", m_dir, m_file}));
    const QStringList pngs = QDir(m_dir).entryList({"*.png"}, QDir::Files, QDir::Name);
    ASSERT_EQ(pngs.size(), 3);
    for (const QString& name : pngs) {
        // our_1_256x256x32.png and so on, numbered from 1 in file order
        const int index = name.section('_', 1, 1).toInt() - 1;
        SCOPED_TRACE(name.toStdString());
        expectShownAs(*m_ours.Images[std::size_t(index)], loadRgba(m_dir + "/" + name));
    }
}

TEST_F(CodecPngWritten, PillowReadsIt) {
    REQUIRE_TOOL(havePillow(), "Pillow");
    ASSERT_TRUE(run(SystemPython, {"-c", PillowFrames, m_file, m_dir}));
    expectEachShownAs(m_ours, m_dir);
}

TEST_F(CodecPngWritten, ImageMagickReadsIt) {
    REQUIRE_TOOL(!magick().isEmpty(), "ImageMagick");
    for (std::size_t i = 0; i < m_ours.Images.size(); ++i) {
        const IconImage& image = *m_ours.Images[i];
        ASSERT_TRUE(run(magick(), {QString("%1[%2]").arg(m_file).arg(i),
                                   QString("PNG32:%1/%2x%3.png")
                                       .arg(m_dir)
                                       .arg(image.Pixels.Width)
                                       .arg(image.Pixels.Height)}));
    }
    expectEachShownAs(m_ours, m_dir);
}
