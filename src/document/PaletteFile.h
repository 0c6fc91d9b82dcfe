#pragma once

#include "document/FileErrors.h"
#include "document/PalettePicture.h"
#include "document/file/PaletteFormats.h"

#include <QByteArray>
#include <QString>
#include <optional>

// Palette files (".icp"): a BMP of the palette picture.

// The file as written: an uncompressed 24-bit BMP 1 pixel wide and N high,
// 54 + 4 x N bytes, entry N - 1 first (rows stored bottom-up).
QByteArray paletteFileBytes(const PalettePicture& Palette);

// Writes the palette file. The file is replaced only once it has been written
// in full, so a failed write leaves an existing file as it was. An empty
// palette is refused. Throws PaletteFileError.
void writePaletteFile(const QString& FileName, const PalettePicture& Palette);

// Any BMP the platform reads, of any bit depth and width: the entries are its
// height, entry i its pixel (0, i). Nothing (and a reason in Error) for
// anything else. Safe on arbitrary bytes.
std::optional<PalettePicture> decodePaletteFile(const QByteArray& Bytes, QString* Error = nullptr);
// As above for a file; throws PaletteFileError naming the file.
PalettePicture readPaletteFile(const QString& FileName);

// FileName with its extension replaced by ".icp", or ".icp" appended when the
// name has none.
QString withPaletteExtension(const QString& FileName);

// A palette file of any kind the editor reads (see PaletteFileKind): .icp
// files through the platform's BMP reader as above, the other kinds through
// the file core. Throws PaletteFileError naming the file.
struct LoadedPalette {
    PalettePicture Palette;
    PaletteFileKind Kind = PaletteFileKind::Icp;
};
LoadedPalette readAnyPaletteFile(const QString& FileName);

// Writes Palette as a file of Kind, replacing FileName only once it is
// written in full. Throws PaletteFileError.
void writePaletteFile(const QString& FileName, const PalettePicture& Palette, PaletteFileKind Kind);
