#pragma once

#include "document/IconFileFormat.h"
#include "document/IconImage.h"
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
};

// Reads an icon (.ico) or cursor (.cur) file with the file core (IconReader.h):
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
// The same from an open device, read to its end.
IconFileContents ReadIconFile(QIODevice& Device, const QString& FileName,
                              const TransparencySettings& Settings,
                              const PalettePicture& ColourChart = PalettePicture());
// Opens and reads the file at Path; a file that cannot be opened or read
// throws IconFileError with the system's text.
IconFileContents LoadIconFile(const QString& Path, const TransparencySettings& Settings,
                              const PalettePicture& ColourChart = PalettePicture());
// The bytes of the file at Path, read and checked as LoadIconFile reads
// them; throws IconFileError.
QByteArray LoadFileBytes(const QString& Path);
