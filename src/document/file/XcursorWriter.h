#pragma once

#include "document/file/XcursorFile.h"

#include <cstdint>
#include <vector>

// Writes an X cursor file: the images in a table sorted by nominal size (the
// frames of one size keep their order), then the comments. Pixels are
// premultiplied with rounding. Throws IconCodecError, naming no file, when an
// image cannot be stored: a nominal size of 0 (libXcursor could never choose
// it), a side outside 1..32767, a hot spot outside the image, pixels that do
// not match the size, or no images at all.
std::vector<std::uint8_t> EncodeXcursorFile(const XcursorContents& Contents);
