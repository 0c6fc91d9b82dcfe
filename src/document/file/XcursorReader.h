#pragma once

#include "document/file/XcursorFile.h"

#include <cstddef>
#include <cstdint>
#include <string>

// Whether Data starts as an X cursor file does ("Xcur").
bool IsXcursorFile(const std::uint8_t* Data, std::size_t Size);

// Reads an X cursor file held in memory: every image chunk (its nominal size,
// pixel size, hot spot, delay and pixels) and every comment, in table order;
// chunks of other types are passed over. A hot spot on the image's right or
// bottom edge, which libXcursor accepts, is moved onto the last pixel.
// FileName only names the file in messages. A file that is not a readable X
// cursor throws IconCodecError "<FileName> is not an X cursor. <reason>"; the
// reader never reads outside Data and allocates nothing the file's size
// cannot back.
XcursorContents DecodeXcursorFile(const std::uint8_t* Data, std::size_t Size,
                                  const std::string& FileName);
