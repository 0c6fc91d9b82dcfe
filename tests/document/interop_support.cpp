// Helpers of the interop tests: the other icon programs found on the system,
// images of every kind, and the checks of what they show against what we hold.

#include "interop_support.h"

#include "document/IconFileWriter.h"

#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QStandardPaths>
#include <QtEndian>
#include <gtest/gtest.h>

using namespace codec_test;

namespace interop_test {

// The system's own Python, which has Pillow; a python3 earlier on PATH may not.
const QString SystemPython = QStringLiteral("/usr/bin/python3");

bool run(const QString& program, const QStringList& args, QString* output) {
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

} // namespace interop_test

namespace interop_test {

void expectSavedUnchanged(const QString& path) {
    QFile f(path);
    ASSERT_TRUE(f.open(QIODevice::ReadOnly));
    const QByteArray original = f.readAll();
    const IconFileContents contents = readFile(path);
    const QByteArray written = WriteIconFile(contents.FileType, contents.Images, S);
    for (std::size_t i = 0; i < contents.Images.size(); ++i) {
        SCOPED_TRACE(testing::Message() << "image " << i + 1);
        const char* ours = written.constData() + 6 + 16 * i;
        const char* theirs = original.constData() + 6 + 16 * i;
        const int size = int(qFromLittleEndian<quint32>(ours + 8));
        EXPECT_LE(quint32(size), qFromLittleEndian<quint32>(theirs + 8));
        EXPECT_EQ(written.mid(int(qFromLittleEndian<quint32>(ours + 12)), size),
                  original.mid(int(qFromLittleEndian<quint32>(theirs + 12)), size));
    }
}

} // namespace interop_test
