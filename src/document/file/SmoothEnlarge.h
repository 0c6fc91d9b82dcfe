#pragma once

#include <cstdint>
#include <vector>

// Enlarges a picture of straight-alpha colours (red in the low byte) to
// OutWidth x OutHeight with bilinear interpolation between pixel centres,
// in premultiplied colour so that transparent pixels lend no colour to the
// edges. For smooth art; shrinking belongs to AreaScale, which averages.
std::vector<std::uint32_t> SmoothEnlarge(const std::uint32_t* Pixels, int Width, int Height,
                                         int OutWidth, int OutHeight);

// Repeats every pixel Factor x Factor times: pixel art enlarged by a whole
// number stays sharp.
std::vector<std::uint32_t> RepeatPixels(const std::uint32_t* Pixels, int Width, int Height,
                                        int Factor);
