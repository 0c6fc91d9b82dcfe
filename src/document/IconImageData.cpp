#include "document/IconImageData.h"

void ReadImageData(TBitmap32& Target, const PalettePicture& Palette, int BitCount,
                   IconByteCursor& Stream) {
    DecodeRows(Target.Bits.data(), Target.Width, Target.Height, Palette.entries(), BitCount,
               Stream);
}

void WriteImageData(const TBitmap32& Source, const PalettePicture& Palette, int BitCount,
                    QByteArray& Stream) {
    std::vector<std::uint8_t> rows;
    EncodeRows(Source.Bits.data(), Source.Width, Source.Height, Palette.entries(), BitCount, rows);
    Stream.append(reinterpret_cast<const char*>(rows.data()), qsizetype(rows.size()));
}

int PaletteIndex(TColor RGB, const PalettePicture& Palette) {
    return PaletteIndex(RGB, Palette.entries());
}
