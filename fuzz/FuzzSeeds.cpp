// Writes starting corpora made by our own writers: small good icon and cursor
// files of every format for icon_reader_fuzzer, and palette files of 2, 16 and
// 256 entries for palette_reader_fuzzer.

#include "document/IconFileWriter.h"
#include "document/PaletteFile.h"

#include <QDir>
#include <QFile>
#include <QGuiApplication>
#include <cstdio>

namespace {

std::unique_ptr<IconImage> seedImage(int width, int height, ColourFormat format) {
    auto image = std::make_unique<IconImage>();
    image->Format = format;
    image->Pixels = TBitmap32(width, height);
    const int entries = format == 1 ? 2 : format == 4 ? 16 : format == 8 ? 256 : 0;
    std::vector<TColor> palette;
    for (int i = 0; i < entries; ++i)
        palette.push_back(TColor(i * 0x010305) & 0xFFFFFF);
    if (entries > 0) image->Palette = PalettePicture::fromEntries(palette);
    for (std::size_t i = 0; i < image->Pixels.Bits.size(); ++i) {
        const TColor rgb = entries > 0 ? palette[i % std::size_t(entries)] : TColor(i * 0x2F1D07);
        image->Pixels.Bits[i] = SetAlpha(rgb & 0xFFFFFF, i % 5 == 0 ? 0 : int(i * 37 % 256) | 1);
    }
    image->HotSpotX = std::uint8_t(width / 2);
    image->HotSpotY = std::uint8_t(height / 2);
    return image;
}

} // namespace

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    if (argc != 3) {
        std::fprintf(stderr, "usage: fuzz_seeds <icon folder> <palette folder>\n");
        return 2;
    }
    const QDir dir(QString::fromLocal8Bit(argv[1]));
    if (!QDir().mkpath(dir.path())) return 1;
    const TransparencySettings settings;
    int n = 0;
    for (ColourFormat format : {1, 4, 8, 24, 32}) {
        for (std::uint16_t type : {1, 2}) {
            std::vector<std::unique_ptr<IconImage>> images;
            images.push_back(seedImage(3, 2, format));
            images.push_back(seedImage(9, 1, format));
            QFile f(dir.filePath(QString("seed-%1.%2").arg(++n).arg(type == 1 ? "ico" : "cur")));
            if (!f.open(QIODevice::WriteOnly) || f.write(WriteIconFile(type, images, settings)) < 0)
                return 1;
        }
    }
    const QDir palettes(QString::fromLocal8Bit(argv[2]));
    if (!QDir().mkpath(palettes.path())) return 1;
    for (int entries : {2, 16, 256}) {
        std::vector<TColor> colours;
        for (int i = 0; i < entries; ++i)
            colours.push_back(TColor(i * 0x050301) & 0xFFFFFF);
        QFile f(palettes.filePath(QString("seed-%1.icp").arg(entries)));
        if (!f.open(QIODevice::WriteOnly) ||
            f.write(paletteFileBytes(PalettePicture::fromEntries(colours))) < 0)
            return 1;
    }
    return 0;
}
