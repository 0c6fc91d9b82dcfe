#pragma once

#include "document/IconFileFormat.h"
#include "document/IconImage.h"
#include "document/Transparency.h"

#include <QByteArray>
#include <QString>
#include <memory>
#include <vector>

// Writes the images, in order, as a classic uncompressed icon (FileType 1) or
// cursor (FileType 2) file: header, directory, then each image's bitmap header,
// colour table (palette formats), colour bitmap and mask, one after another.
// The mask bit is set where the transparency model says the pixel is masked;
// the colour bitmap holds white under inverted and black under transparent
// pixels. Icons store planes 1 and the bit count in the directory, any other
// type each image's hot spot.
// Throws IconFileError when an image cannot be stored (no images, a side
// outside 1..255, an unknown format, more than 65535 images).
QByteArray WriteIconFile(std::uint16_t FileType, const std::vector<const IconImage*>& Images,
                         const TransparencySettings& Settings);
QByteArray WriteIconFile(std::uint16_t FileType,
                         const std::vector<std::unique_ptr<IconImage>>& Images,
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
