#pragma once

#include "document/IconFileFormat.h"
#include "document/IconImage.h"
#include "document/file/IconRaster.h"
#include "document/file/Transparency.h"

#include <QByteArray>
#include <QString>
#include <memory>
#include <vector>

// Writes the images, in order, as an icon (FileType 1) or cursor (FileType 2)
// file with the file core (IconWriter.h): images below 256 pixels each way as
// classic bitmaps with their masks, byte for byte as always, unless they are
// 32-bit images StoredAsPng; an image with a side of 256 as a 32-bit PNG
// picture. An image whose StoredData still reads as it is written as that. Icons store planes 1 and the bit count
// in the directory, any other type each image's hot spot.
// FileType 3 (XcursorFileType) writes an X cursor file instead: each image
// a still image of nominal size its longer side, premultiplied with
// rounding; of images sharing that size only the one of most colours
// (XcursorKeptImages); screen-inverting pixels, which
// an X cursor cannot show, become dark pixels with a light outline
// (XcursorConvert.h).
// Throws IconFileError when an image cannot be stored (no images, a side
// outside 1..256, an unknown format, more than 65535 images).
QByteArray WriteIconFile(std::uint16_t FileType, const std::vector<const IconImage*>& Images,
                         const TransparencySettings& Settings);
QByteArray WriteIconFile(std::uint16_t FileType,
                         const std::vector<std::unique_ptr<IconImage>>& Images,
                         const TransparencySettings& Settings);

// An image as the file core holds it. Throws IconFileError when its pixels
// do not match its size.
IconRaster IconRasterOf(const IconImage& Image);

// The images an X cursor keeps: one for each longer side, the one of most
// colours (OneImagePerSize).
std::vector<const IconImage*> XcursorKeptImages(const std::vector<const IconImage*>& Images);

// The screen-inverting pixels of Images, which an X cursor cannot keep.
int CountInvertedPixels(const std::vector<const IconImage*>& Images,
                        const TransparencySettings& Settings);

// Writes the file at Path through a temporary file beside it that replaces
// Path only once everything is written, so a failed save leaves the old file
// exactly as it was. Throws IconFileError with the reason.
void SaveIconFile(const QString& Path, std::uint16_t FileType,
                  const std::vector<std::unique_ptr<IconImage>>& Images,
                  const TransparencySettings& Settings);
void SaveIconFile(const QString& Path, std::uint16_t FileType,
                  const std::vector<const IconImage*>& Images,
                  const TransparencySettings& Settings);

// Bytes written at Path through a temporary file that replaces Path only once
// everything is written. Throws IconFileError "Cannot save "<Path>". <reason>".
void SaveFileBytes(const QString& Path, const QByteArray& Bytes);

// The file core's view of Images: their own pixels, and their palettes as
// entries kept in Palettes (one per image; it must not grow while the views
// are in use).
std::vector<IconImageView> IconImageViews(const std::vector<const IconImage*>& Images,
                                          std::vector<std::vector<std::uint32_t>>& Palettes);
