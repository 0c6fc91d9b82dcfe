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

// Whether Data holds a sound plain 8-bit RGBA picture (colour type 6, not
// interlaced) of Width x Height, checked as DecodePlainPng checks it without
// keeping its pixels: every chunk whole with a right CRC, the chunks up to
// IEND, data that inflates to exactly the picture's rows with their
// checksum, and a known filter on every row. Length is then the picture's
// length up to the end of IEND. Such a picture can be passed on as it is,
// byte for byte, instead of being decoded and packed again.
bool IsSoundRgbaPng(const std::uint8_t* Data, std::size_t Size, int Width, int Height,
                    std::size_t& Length);
