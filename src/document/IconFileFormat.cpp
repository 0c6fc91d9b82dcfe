#include "document/IconFileFormat.h"

#include "document/DefaultPalette.h"

namespace IconFile {

// A palette format's colour table is its palette: one entry per colour.
int ColourTableEntries(int BitCount) {
    return BitCount == 1 || BitCount == 4 || BitCount == 8 ? PaletteEntryCount(ColourFormat(BitCount))
                                                           : 0;
}

bool IsSupportedBitCount(int BitCount) {
    return BitCount == 1 || BitCount == 4 || BitCount == 8 || BitCount == 24 || BitCount == 32;
}

int RowStride(int Width, int BitCount) {
    return ((Width * BitCount + 31) / 32) * 4;
}

int RowPixelBytes(int Width, int BitCount) {
    return (Width * BitCount + 7) / 8;
}

} // namespace IconFile

std::int32_t ImageDataSize(int W, int H, int B) {
    return H * IconFile::RowStride(W, B);
}

IconFileError IconFileError::notAnIcon(const QString& fileName, const QString& reason) {
    QString text = fileName + QStringLiteral(" is not an icon.");
    if (!reason.isEmpty()) text += QLatin1Char(' ') + reason;
    return IconFileError(text);
}
