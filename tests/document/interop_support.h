#pragma once

// Helpers of the interop tests against icotool, Pillow and ImageMagick.

#include "document/IconFileReader.h"
#include "codec_support.h"

#include <QImage>
#include <QString>
#include <QStringList>
#include <memory>
#include <vector>

#define REQUIRE_TOOL(available, name)                                                              \
    if (!(available)) GTEST_SKIP() << name << " is not installed"

namespace interop_test {

inline const TransparencySettings S = codec_test::settings();
// The system's own Python, which has Pillow; a python3 earlier on PATH may not.
extern const QString SystemPython;

// Runs the program; a failure to start or a non-zero status fails the test.
bool run(const QString& program, const QStringList& args, QString* output = nullptr);
QString icotool();
QString magick();
bool havePillow();

// A palette with black and white among its entries, as the default ones have.
std::vector<TColor> paletteFor(ColourFormat format);
// An image of the format with transparent and inverted pixels, and, in
// Format 32, alpha of every kind.
std::unique_ptr<IconImage> ourImage(int width, int height, ColourFormat format, std::uint32_t seed);
QImage loadRgba(const QString& path);
// What another program shows must match what we stored: masked pixels
// transparent, the others with their colour (and, in Format 32, their alpha).
void expectShownAs(const IconImage& ours, const QImage& theirs);
// What we read must match the picture the other program was given: the same
// alpha, and the same colour where alpha is above 0.
void expectReadAs(const IconImage& ours, const QImage& reference);
// A picture with the given number of distinct colours; alpha 0 or 255 only,
// unless semiAlpha.
QImage sourcePicture(int width, int height, int colours, bool semiAlpha, std::uint32_t seed);
IconFileContents readFile(const QString& path);
// Read and written again, every image's data is the very bytes it was read
// from: opening and saving another program's file changes nothing.
void expectSavedUnchanged(const QString& path);
bool writeFile(const QString& path, const QByteArray& bytes);

} // namespace interop_test
