#pragma once

#include <cstddef>
#include <cstdint>

// The PNG pictures icon programs write nearly always are 8-bit RGB or RGBA,
// not interlaced. Those are read here with libdeflate, which inflates two to
// three times faster than the zlib under libpng. Anything else (another
// colour type or depth, interlacing, colour-key transparency, an unknown
// critical chunk) and anything damaged (a bad CRC, short or surplus data)
// returns false, and libpng reads the picture and judges it.
//
// Out receives Width x Height RGBA pixels; Width and Height come from the
// header already read and checked by the caller.
bool DecodePlainPng(const std::uint8_t* Data, std::size_t Size, int Width, int Height,
                    std::uint32_t* Out);

// Whether Data holds a whole plain 8-bit RGBA picture (colour type 6, not
// interlaced), as far as that shows without inflating it: every chunk whole
// with a right CRC, the header first, the chunks up to IEND, no chunk the
// plain decoder refuses, compressed data with a sound zlib header. Length is
// then the picture's length up to the end of IEND. Such a picture can be
// passed on byte for byte instead of being decoded and packed again; the
// caller's size check against the header still applies.
//
// The pixels are not inflated: for a 256 x 256 picture that would cost more
// than the whole rest of passing it on (a quarter megabyte of fresh memory
// and a million instructions). The CRCs already catch a picture damaged after
// it was written; data its writer packed wrongly is left to whoever decodes
// the copy, exactly as it is in the icon.
bool IsWholeRgbaPng(const std::uint8_t* Data, std::size_t Size, std::size_t& Length);
