#pragma once

#include "document/FileErrors.h"
#include "document/IconImage.h"

#include <QImage>
#include <QString>

// The folder of the installation's data pictures below the program folder.
QString UseFilesFolder(const QString& ProgramFolder);
// "2.bmp", "16.bmp", "256.bmp", or "True.bmp" for the true-colour formats.
QString DefaultPaletteFileName(ColourFormat Format);
// 2, 16 or 256 for the palette formats, 0 otherwise.
int PaletteEntryCount(ColourFormat Format);
// Height of the colour chart ("True.bmp"); the colours panel tells the chart
// from a palette by it.
constexpr int ColourChartHeight = 320;

// Reads a picture of the installation. Read afresh every time, never cached.
// A missing or unreadable file throws DataFileError naming the file.
QImage readDataPicture(const QString& FileName);

// The default palette of Format (2, 16 or 256 entries) or, for 24 and 32, the
// colour chart, read from "Use Files" below ProgramFolder. A palette file
// with the wrong number of entries, or a chart of the wrong height, counts as
// unusable: the caller would otherwise give an image a palette that does not
// fit its format.
PalettePicture DefaultPalette(ColourFormat Format, const QString& ProgramFolder);
