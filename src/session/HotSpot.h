#pragma once

#include "document/IconImage.h"

#include <algorithm>

// A cursor's hot spot stays on a pixel of its image whatever size the image
// takes (a resize, a quarter turn of a non-square image, an undo).
inline void keepHotSpotInside(IconImage& Image, int Width, int Height) {
    Image.HotSpotX = std::uint8_t(std::clamp<int>(Image.HotSpotX, 0, std::max(0, Width - 1)));
    Image.HotSpotY = std::uint8_t(std::clamp<int>(Image.HotSpotY, 0, std::max(0, Height - 1)));
}
