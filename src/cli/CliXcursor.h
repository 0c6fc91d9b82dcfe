#pragma once

#include "document/file/IconRaster.h"

#include <cstdint>
#include <string>
#include <vector>

// X cursor files (cursor themes' files, no extension) in info, extract and
// thumbnail, which know them by their first bytes.

// info: one line per image in table order: nominal size, pixel size, hot
// spot and delay; then one per comment.
void listXcursor(const std::string& Path, const std::vector<std::uint8_t>& Bytes,
                 std::string& Out);
// extract: every image as DIR/NAME-N.png, numbered as info lists them.
void extractXcursor(const std::string& Path, const std::vector<std::uint8_t>& Bytes,
                    const std::string& Dir);
// thumbnail: the first frame of every nominal size, as 32-bit images.
std::vector<IconRaster> xcursorStills(const std::string& Path,
                                      const std::vector<std::uint8_t>& Bytes);
