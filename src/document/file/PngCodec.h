#pragma once

#include <cstddef>
#include <cstdint>
#include <stdexcept>
#include <vector>

// PNG pictures as icons carry them: plain 8-bit RGB(A) ones decoded with
// libdeflate, all others with libpng (every colour type and bit depth,
// interlaced or not); written with our own row filters and libdeflate, which
// packs several times faster than zlib.
//
// Pixels are straight-alpha colours, red in the low byte, rows top to bottom:
// in memory exactly the red, green, blue, alpha bytes of a PNG's RGBA rows.

// A PNG picture that cannot be read. what() is the reason, in words for the
// user ("the picture's data ends early", "IDAT: CRC error").
class PngError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// Whether Data starts with the PNG signature.
bool IsPng(const std::uint8_t* Data, std::size_t Size);

// The picture's size from its header, without decoding anything; false when
// the data does not start with a PNG signature and header.
bool PngSize(const std::uint8_t* Data, std::size_t Size, int& Width, int& Height);

struct PngPicture {
    int Width = 0;
    int Height = 0;
    std::vector<std::uint32_t> Pixels;
};

// Decodes a whole PNG picture into 8-bit RGBA. Pictures wider or higher than
// MaxSide are refused before any pixel memory is taken. Every chunk's CRC is
// checked, ancillary ones too, and the data must run to the IEND chunk.
// Throws PngError with the reason.
PngPicture DecodePng(const std::uint8_t* Data, std::size_t Size, int MaxSide);

// How hard the encoder packs: Fast for pictures written in bulk (one filter
// for every row, the quickest level), Small for files people keep (the best
// filter chosen per row, a middle level).
enum class PngPacking { Fast, Small };

// A PNG of Width x Height 8-bit RGBA pixels (colour type 6).
std::vector<std::uint8_t> EncodePng(const std::uint32_t* Pixels, int Width, int Height,
                                    PngPacking Packing);
