#pragma once

#include "cli/CliCommon.h"

#include "document/file/IconRaster.h"
#include "document/file/Transparency.h"

#include <cstdint>
#include <string>
#include <vector>

// Animated cursors (.ani) in the batch command: each command reaches them
// when its file is one (by its first bytes) or, for what is made, when the
// name ends in .ani.

// Whether Path names an .ani file (by its extension, any case).
bool hasAniName(const std::string& Path);
// Whether the file at Path starts like an animated cursor.
bool isAniFile(const std::string& Path);

// info: one line per step and one per image of each frame, appended to Out.
void listAniFile(const std::string& Path, std::string& Out);
// extract: every image of every frame as DIR/NAME-F-N.png.
int extractAni(const std::string& Path, const std::string& Dir,
               const std::vector<std::uint8_t>& Bytes);
// create, when OUT ends in .ani.
bool createsAni(const Arguments& Args);
int runCreateAni(const Arguments& Args);
// convert between animated cursors, cursors and icons, OUT of Kind "ani",
// "cur" or "ico".
int convertAni(const std::string& In, const std::string& Out, const std::string& Kind);

// The PNG picture extract writes for one image (CliExtract.cpp).
std::vector<std::uint8_t> extractedPicture(IconRaster& Image, const TransparencySettings& Settings);
