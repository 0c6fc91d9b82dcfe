#pragma once

#include <cstdint>
#include <vector>

// One picture made into the images of an icon's size set.
//
// Pixels are straight-alpha colours, red in the low byte, rows top to bottom.
namespace SizeSet {

// The sizes a size set has when none are asked for.
const std::vector<int>& StandardSizes();

// The Width x Height picture centred on a transparent Side x Side square:
// its longer side scaled to Side, its shorter in proportion (rounded to
// whole pixels, so its edges stay sharp; a margin that cannot be split
// evenly leaves its odd pixel on the left or at the top). Scaling is by
// area averaging: each new pixel is the mean of the picture area it covers,
// taken of colours weighted by their alpha (premultiplied), so transparent
// pixels, whatever colour they hold, darken no edge.
std::vector<std::uint32_t> ScaleToSquare(const std::uint32_t* Pixels, int Width, int Height,
                                         int Side);

// A point of the picture (a cursor's hot spot) where it lands in the
// Side x Side image: the image pixel that covers the picture pixel's centre.
void ScalePoint(int Width, int Height, int Side, int& X, int& Y);

} // namespace SizeSet
