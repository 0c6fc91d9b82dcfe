#pragma once

#include "cli/CliCommon.h"

#include "document/file/IconRaster.h"

#include <string>
#include <vector>

// What `create` was asked for.
struct CreateOptions {
    std::string Out;
    std::uint16_t Type = IconFile::TypeIcon;
    ColourFormat Format = 32;
    bool Png = false; // every 32-bit image as a PNG picture
    bool HotSpotGiven = false;
    int HotSpotX = 0;
    int HotSpotY = 0;
    std::vector<int> Sizes;  // a size set from one picture, when not empty
    std::string PaletteFile; // --palette: the palette formats take it, not the picture's colours
    std::vector<std::uint32_t> Palette; // read from PaletteFile, of the format's length
    std::vector<std::string> Pictures;
};

// Text as a number from Low to High; otherwise CliError "create: What must be
// a number from Low to High, not "Text"".
int parseNumber(const std::string& Text, int Low, int High, const std::string& What);

// The PNG picture Bytes (read from Path) as one 32-bit image of at most
// 256 x 256 pixels, hot spot (0, 0); throws CliError naming Path.
IconRaster pictureImage(const std::string& Path, const std::vector<std::uint8_t>& Bytes);

// Gives Image (32-bit pixels) O's format: the palette formats take O's
// palette, or without one the picture's first colours, every visible pixel
// its nearest entry. The hot spot and storage follow O too.
void giveCreateFormat(IconRaster& Image, const CreateOptions& O);

// Writes Images to Out, each kept as it was stored (PNG or bitmap).
void saveImages(const std::string& Out, std::uint16_t Type, const std::vector<IconRaster>& Images,
                const std::vector<std::uint8_t>* Stored = nullptr);

// create --sizes: one image per size from the one picture.
int runSizeSet(const CreateOptions& O);
