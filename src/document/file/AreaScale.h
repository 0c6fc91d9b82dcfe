#pragma once

#include <cstdint>
#include <vector>

// Resamples a picture of straight-alpha colours (red in the low byte) to
// OutWidth x OutHeight by area averaging: every output pixel is the mean of
// the source area it covers, weighted by coverage and by alpha, so fully
// transparent pixels lend no colour to their neighbours. Shrinking smooths;
// enlarging by a whole factor repeats each pixel, so pixel art stays crisp,
// and a fractional factor blends only where two source pixels share an
// output pixel.
std::vector<std::uint32_t> AreaScale(const std::uint32_t* Pixels, int Width, int Height,
                                     int OutWidth, int OutHeight);
