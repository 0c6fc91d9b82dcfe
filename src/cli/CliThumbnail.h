#pragma once

#include "document/file/IconRaster.h"

#include <cstddef>
#include <vector>

// The largest thumbnail side brisel-cli makes; desktops ask for 128 to 1024.
constexpr int MaxThumbnailSize = 4096;

// The image a thumbnail of Size pixels is made from: the one whose longer
// side is nearest Size; of two as near, the larger, then the one with more
// colours, then the first. Images must not be empty.
std::size_t ChooseThumbnailImage(const std::vector<IconRaster>& Images, int Size);

struct ThumbnailSize {
    int Width;
    int Height;
};
// A Width x Height picture scaled so its longer side is Size, keeping its
// proportions (the shorter side rounded, at least 1).
ThumbnailSize ThumbnailSizeOf(int Width, int Height, int Size);
