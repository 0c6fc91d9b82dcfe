#pragma once

#include "document/file/IconFileLayout.h"

#include <cstddef>
#include <cstdint>
#include <vector>

// One image of an icon or cursor file as the file core reads it: its pixels
// (straight-alpha colours, red in the low byte, top row first), its format,
// hot spot and, for the palette formats, its colour table as RGB entries.
struct IconRaster {
    int Width = 0;
    int Height = 0;
    ColourFormat Format = 32;
    std::uint8_t HotSpotX = 0;
    std::uint8_t HotSpotY = 0;
    std::vector<std::uint32_t> Pixels;
    std::vector<std::uint32_t> Palette; // empty for true colour
    bool StoredAsPng = false;           // the file held it as a PNG picture
    // Where the bytes the image was read from lie in the file's data (a PNG
    // picture, or a bitmap with its mask); StoredLength 0 when there are none
    // worth keeping.
    std::size_t StoredOffset = 0;
    std::size_t StoredLength = 0;
    // Where the PNG picture lies in the file's data, when the reader was
    // asked to keep a whole RGBA picture as it is (PngLength > 0); Pixels is
    // then empty.
    std::size_t PngOffset = 0;
    std::size_t PngLength = 0;
};

// What a file holds: the header's type and the images in directory order.
struct IconContents {
    std::uint16_t FileType = IconFile::TypeIcon;
    std::vector<IconRaster> Images;
};

// One image to be written, seen where it lives: Width x Height pixels at
// Pixels, and for the palette formats the palette (at least as many entries
// as the format has colours; missing ones are written black).
struct IconImageView {
    int Width = 0;
    int Height = 0;
    ColourFormat Format = 32;
    std::uint8_t HotSpotX = 0;
    std::uint8_t HotSpotY = 0;
    const std::uint32_t* Pixels = nullptr;
    const std::vector<std::uint32_t>* Palette = nullptr;
    // A 32-bit image kept as a PNG picture (images with a side of 256 always are).
    bool StoredAsPng = false;
    // The bytes the image was read from, if any: written again as they are
    // while they still read as exactly this image, so an image nobody edited
    // leaves the file unchanged.
    const std::uint8_t* Stored = nullptr;
    std::size_t StoredLength = 0;
};
