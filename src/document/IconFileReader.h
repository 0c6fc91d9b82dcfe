#pragma once

#include "document/IconFileFormat.h"
#include "document/IconImage.h"
#include "document/file/IconRaster.h"
#include "document/file/Transparency.h"

#include <QByteArray>
#include <QString>
#include <memory>
#include <vector>

class QIODevice;

// What an icon or cursor file holds, ready to become (or be added to) the
// document: the header's type and the images in directory order, each with its
// pixels, format, hot spot, palette and the caption "W x H (label)". The
// thumbnails are left to the document.
struct IconFileContents {
    std::uint16_t FileType = IconFile::TypeIcon;
    std::vector<std::unique_ptr<IconImage>> Images;
    // What reading could not bring into the document, said to the user once
    // it is open; empty when nothing was left out.
    QString Notice;
};

// The file type of an X cursor file (no extension, starts with "Xcur"), as
// IconFileContents and the document hold it beside the icon (1) and
// cursor (2) types.
constexpr std::uint16_t XcursorFileType = 3;

// Reads an icon (.ico), cursor (.cur) or X cursor file with the file core
// (IconReader.h, XcursorReader.h). An X cursor gives one 32-bit image per
// nominal size, its first frame, of the sizes up to 256 pixels; what is left
// out (later frames, larger sizes, a nominal size other than the pixel size,
// comments) is named in Notice. For icons and cursors:
// classic bitmaps and PNG pictures of up to 256 x 256 pixels (Format 32).
// Masked pixels come back as SetAlpha(TraColor, 0), or SetAlpha(InvColor, 0)
// over white. True-colour images get ColourChart as their Palette; the caller
// loads it, so the reader never looks at the file system.
// FileName only names the file in messages. A file that is not a readable
// icon throws IconFileError "<FileName> is not an icon. <reason>"; the reader
// never reads outside Bytes.
IconFileContents ReadIconFile(const QByteArray& Bytes, const QString& FileName,
                              const TransparencySettings& Settings,
                              const PalettePicture& ColourChart = PalettePicture());
// The image of Raster as the reader gives it: pixels taken over, palette (or
// ColourChart for true colour), hot spot, storage and its stored bytes out of
// Bytes (the file Raster was read from), caption "W x H (label)".
std::unique_ptr<IconImage> IconImageOf(IconRaster& Raster, const QByteArray& Bytes,
                                       const PalettePicture& ColourChart);
// The same from an open device, read to its end.
IconFileContents ReadIconFile(QIODevice& Device, const QString& FileName,
                              const TransparencySettings& Settings,
                              const PalettePicture& ColourChart = PalettePicture());
// Opens and reads the file at Path; a file that cannot be opened or read
// throws IconFileError with the system's text.
IconFileContents LoadIconFile(const QString& Path, const TransparencySettings& Settings,
                              const PalettePicture& ColourChart = PalettePicture());
// The whole file at Path, of at most 1 GB; IconFileError with the system's
// text when it cannot be opened or read.
QByteArray LoadFileBytes(const QString& Path);
