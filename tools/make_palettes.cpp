// Writes the installation's palettes and pictures into "<folder>/Use Files":
//
//   2.bmp     black and white
//   16.bmp    the 16 standard Windows colours in their usual order
//   256.bmp   entries 0-15 the 16 standard colours, 16-231 a 6 x 6 x 6 colour
//             cube (entry 16 + 36 r + 6 g + b, each level 51 apart), 232-255
//             24 greys from 8 to 238 in steps of 10 (none repeats a cube grey)
//   True.bmp  the 120 x 320 colour chart: rows 0-299 run the hues along x at
//             full saturation, from white at the top through the pure hues to
//             black; rows 300-319 are a grey ramp from black to white
//   Tra.bmp   the light and dark checkerboard behind the gradient bar
//
// The palettes go through the palette file writer itself, so what the program
// ships is exactly what it would save.

#include "document/Bmp.h"
#include "document/PaletteFile.h"

#include <QColor>
#include <QDir>
#include <QSaveFile>
#include <cstdio>
#include <vector>

namespace {

TColor rgb(int r, int g, int b) {
    return TColor(r) | (TColor(g) << 8) | (TColor(b) << 16);
}

std::vector<TColor> twoColours() {
    return {rgb(0, 0, 0), rgb(255, 255, 255)};
}

std::vector<TColor> sixteenColours() {
    return {rgb(0, 0, 0),       rgb(128, 0, 0),   rgb(0, 128, 0),   rgb(128, 128, 0),
            rgb(0, 0, 128),     rgb(128, 0, 128), rgb(0, 128, 128), rgb(192, 192, 192),
            rgb(128, 128, 128), rgb(255, 0, 0),   rgb(0, 255, 0),   rgb(255, 255, 0),
            rgb(0, 0, 255),     rgb(255, 0, 255), rgb(0, 255, 255), rgb(255, 255, 255)};
}

std::vector<TColor> standard256() {
    std::vector<TColor> p = sixteenColours();
    for (int r = 0; r < 6; ++r)
        for (int g = 0; g < 6; ++g)
            for (int b = 0; b < 6; ++b)
                p.push_back(rgb(51 * r, 51 * g, 51 * b));
    for (int k = 0; k < 24; ++k)
        p.push_back(rgb(8 + 10 * k, 8 + 10 * k, 8 + 10 * k));
    return p;
}

QImage colourChart() {
    QImage img(120, 320, QImage::Format_RGB32);
    for (int y = 0; y < 300; ++y)
        for (int x = 0; x < 120; ++x)
            img.setPixel(x, y, QColor::fromHslF(x / 120.0, 1.0, 1.0 - y / 299.0).rgb());
    for (int y = 300; y < 320; ++y)
        for (int x = 0; x < 120; ++x) {
            const int v = RoundHalfEven(255.0 * x / 119.0);
            img.setPixel(x, y, qRgb(v, v, v));
        }
    return img;
}

// Larger than the 201 x 38 gradient bar, so it is covered everywhere.
QImage checkerboard() {
    constexpr int Square = 8;
    QImage img(26 * Square, 5 * Square, QImage::Format_RGB32);
    for (int y = 0; y < img.height(); ++y)
        for (int x = 0; x < img.width(); ++x) {
            const bool light = ((x / Square) + (y / Square)) % 2 == 0;
            img.setPixel(x, y, light ? qRgb(255, 255, 255) : qRgb(204, 204, 204));
        }
    return img;
}

void writePicture(const QString& fileName, const QImage& picture) {
    const QByteArray bytes = encodeBmp24(picture);
    QSaveFile file(fileName);
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size() || !file.commit())
        throw FileError(
            QStringLiteral("Cannot write \"%1\": %2").arg(fileName, file.errorString()));
}

} // namespace

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: brisel-make-data <data folder>\n");
        return 2;
    }
    const QDir folder(QDir(QString::fromLocal8Bit(argv[1])).filePath(QStringLiteral("Use Files")));
    if (!QDir().mkpath(folder.path())) {
        std::fprintf(stderr, "brisel-make-data: cannot create %s\n", qPrintable(folder.path()));
        return 1;
    }
    try {
        writePaletteFile(folder.filePath("2.bmp"), PalettePicture::fromEntries(twoColours()));
        writePaletteFile(folder.filePath("16.bmp"), PalettePicture::fromEntries(sixteenColours()));
        writePaletteFile(folder.filePath("256.bmp"), PalettePicture::fromEntries(standard256()));
        writePicture(folder.filePath("True.bmp"), colourChart());
        writePicture(folder.filePath("Tra.bmp"), checkerboard());
    } catch (const FileError& e) {
        std::fprintf(stderr, "brisel-make-data: %s\n", e.what());
        return 1;
    }
    return 0;
}
