// brisel-cli extract FILE DIR: every image of FILE as an RGBA PNG picture,
// DIR/<base name>-<index>.png, index from 0 in directory order.

#include "CliCommon.h"

#include "IconFileReader.h"

#include <QDir>
#include <QFileInfo>
#include <QImageWriter>
#include <QSaveFile>

namespace {

// What a picture program should see: transparent and screen-inverting pixels
// alike have alpha 0 (and no colour), everything else its own colour and,
// in 32-bit images, its own alpha.
QImage pictureOf(const IconImage& Image, const TransparencySettings& Settings) {
    const TBitmap32& px = Image.Pixels;
    QImage out(px.Width, px.Height, QImage::Format_ARGB32);
    for (int y = 0; y < px.Height; ++y) {
        const TColor32* in = px.scanLine(y);
        QRgb* row = reinterpret_cast<QRgb*>(out.scanLine(y));
        for (int x = 0; x < px.Width; ++x) {
            const int a = EffectiveAlpha(in[x], Image.Format, Settings);
            row[x] = a == 0 ? 0 : qRgba(RedOf(in[x]), GreenOf(in[x]), BlueOf(in[x]), a);
        }
    }
    return out;
}

void writePng(const QString& Path, const QImage& Picture) {
    QSaveFile file(Path);
    if (!file.open(QIODevice::WriteOnly))
        throw CliError(
            QStringLiteral("%1: %2").arg(QDir::toNativeSeparators(Path), file.errorString()));
    QImageWriter writer(&file, "png");
    // Light compression: these are small pictures, and a batch of them is
    // written far faster for a few percent more bytes.
    writer.setCompression(1);
    if (!writer.write(Picture)) {
        file.cancelWriting();
        throw CliError(
            QStringLiteral("%1: %2").arg(QDir::toNativeSeparators(Path), writer.errorString()));
    }
    if (!file.commit())
        throw CliError(
            QStringLiteral("%1: %2").arg(QDir::toNativeSeparators(Path), file.errorString()));
}

} // namespace

int runExtract(const QStringList& Args) {
    if (Args.size() != 2) throw CliError(QStringLiteral("extract: give one FILE and one DIR"));
    const QString& path = Args.at(0);
    const QDir dir(Args.at(1));
    const TransparencySettings settings;
    IconFileContents contents;
    try {
        contents = ReadIconFile(readWholeFile(path), QDir::toNativeSeparators(path), settings);
    } catch (const FileError& e) {
        throw CliError(e.message());
    }
    if (!QDir().mkpath(dir.path()))
        throw CliError(QStringLiteral("%1: the folder cannot be created")
                           .arg(QDir::toNativeSeparators(dir.path())));
    const QString base = QFileInfo(path).completeBaseName();
    forEachParallel(int(contents.Images.size()), [&](int i) {
        writePng(dir.filePath(QStringLiteral("%1-%2.png").arg(base).arg(i)),
                 pictureOf(*contents.Images[std::size_t(i)], settings));
    });
    return 0;
}
