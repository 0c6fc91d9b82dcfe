#pragma once

#include "document/file/IconRaster.h"
#include "document/file/Transparency.h"

#include <cstdint>
#include <vector>

// Writes the images, in order, as an icon (FileType 1) or cursor (FileType 2)
// file: header, directory, then each image's data, one after another.
//
// Images below 256 pixels each way are classic bitmaps: bitmap header, colour
// table (palette formats), colour bitmap and mask, where the mask bit is set
// where the transparency model says the pixel is masked and the colour bitmap
// holds white under inverted and black under transparent pixels.
// An image with a side of 256, and a 32-bit image whose StoredAsPng is set,
// is a 32-bit PNG picture (a side of 256 is written as directory byte 0):
// Format 32 images keep every pixel as it is; the other formats give masked
// pixels alpha 0 and the rest alpha 255.
// An image whose stored bytes still read as exactly that image (see
// StoredBytesStillHold) is written as those bytes.
//
// Icons store planes 1 and the bit count in the directory, any other type
// each image's hot spot. Throws IconCodecError when an image cannot be stored
// (no images, a side outside 1..256, an unknown format, more than 65535
// images); its message names no file.
std::vector<std::uint8_t> EncodeIconFile(std::uint16_t FileType,
                                         const std::vector<IconImageView>& Images,
                                         const TransparencySettings& Settings);

// The same file made piece by piece, for a writer that keeps no more than one
// image's pixels at a time: EncodeIconImage gives one image's data (a PNG
// picture, a classic bitmap or its stored bytes, as above), BitmapImageSize
// the length of a
// classic bitmap before it is made (a PNG picture's is known once it is
// packed), and EncodeIconDirectory the header and directory for images whose
// data have the lengths Sizes and follow one another in order. The directory
// needs no pixels. Both throw IconCodecError as EncodeIconFile does.
std::vector<std::uint8_t> EncodeIconImage(const IconImageView& Image,
                                          const TransparencySettings& Settings);
std::uint32_t BitmapImageSize(const IconImageView& Image);
std::vector<std::uint8_t> EncodeIconDirectory(std::uint16_t FileType,
                                              const std::vector<IconImageView>& Images,
                                              const std::vector<std::uint32_t>& Sizes);
