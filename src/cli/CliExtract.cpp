// brisel-cli extract FILE DIR: every image of FILE as an RGBA PNG picture,
// DIR/<base name>-<index>.png, index from 0 in directory order.

#include "cli/CliCommon.h"

#include "cli/PngWriter.h"
#include "document/IconFileReader.h"

#include <QDir>
#include <QFileInfo>
#include <vector>

namespace {

// The PNG of one image as a picture program should see it: transparent and
// screen-inverting pixels alike have alpha 0 (and no colour), everything else
// its own colour and, in 32-bit images, its own alpha.
QByteArray pngOf(const IconImage& Image, const TransparencySettings& Settings) {
    const TBitmap32& px = Image.Pixels;
    std::vector<std::uint8_t> rgba(std::size_t(px.Width) * std::size_t(px.Height) * 4);
    std::uint8_t* out = rgba.data();
    for (const TColor32 c : px.Bits) {
        const int a = EffectiveAlpha(c, Image.Format, Settings);
        out[0] = a == 0 ? 0 : RedOf(c);
        out[1] = a == 0 ? 0 : GreenOf(c);
        out[2] = a == 0 ? 0 : BlueOf(c);
        out[3] = std::uint8_t(a);
        out += 4;
    }
    return encodeRgbaPng(rgba.data(), px.Width, px.Height, px.Width * 4);
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
        writeFileReplacing(dir.filePath(QStringLiteral("%1-%2.png").arg(base).arg(i)),
                           pngOf(*contents.Images[std::size_t(i)], settings));
    });
    return 0;
}
