#pragma once

#include "document/file/XcursorFile.h"

#include <cstdint>
#include <vector>

// The nominal sizes desktops ask for at scales 1 to 4.
const std::vector<std::uint32_t>& DefaultCursorSizes();

// How pictures are scaled: pixel art (every pixel opaque or fully
// transparent) is enlarged only by whole numbers so it stays sharp; smooth
// art is enlarged smoothly. Both are shrunk by averaging.
enum class CursorArt { Auto, Smooth, PixelArt };

// A cursor at exactly the nominal sizes Sizes. A size among Drawn's nominal
// sizes is used as drawn, every frame of it; any other is made from the
// frames of the nearest larger drawn size, or of the largest where none is
// larger, scaled by the ratio of the nominal sizes, each frame keeping its
// delay and its hot spot on the pixel that holds the same point of the
// picture. Pixel art enlarged by a ratio that is not whole is enlarged by
// the whole part of it (its pixel size then differs from the nominal size).
// Frames come out grouped by size, smallest first. Sizes of 0 are ignored.
std::vector<XcursorImage> MakeCursorSizes(const std::vector<XcursorImage>& Drawn,
                                          const std::vector<std::uint32_t>& Sizes,
                                          CursorArt Art = CursorArt::Auto);

// One image scaled by To / From of its nominal size, labelled nominal To.
XcursorImage ScaleCursorImage(const XcursorImage& Image, std::uint32_t To, CursorArt Art);

// Where a hot spot on pixel Hot of a side of From pixels lands on a side of
// To pixels: the pixel holding the centre of the original one (the nearer
// to the top-left corner where the centre falls between two), never outside.
int MapHotSpot(int Hot, int From, int To);

// Whether every pixel of Images is opaque or fully transparent.
bool IsPixelArt(const std::vector<const XcursorImage*>& Images);
