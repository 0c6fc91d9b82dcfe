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
