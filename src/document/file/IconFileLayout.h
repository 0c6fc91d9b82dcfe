#pragma once

#include <cstdint>

// The colour format of one image, held as its bit count: 1, 4, 8, 24 or 32.
using ColourFormat = std::uint8_t;

// Layout of an icon/cursor file: a 6-byte header, a directory of 16-byte
// entries, then per image either a PNG picture or a classic bitmap (a bitmap
// information header, a colour table for the palette formats, the colour
// (XOR) bitmap and the 1-bit (AND) mask). Little-endian throughout, bitmap
// rows bottom-up, padded to 4 bytes.
namespace IconFile {
constexpr int HeaderSize = 6;
constexpr int EntrySize = 16;
constexpr int InfoHeaderSize = 40;
constexpr std::uint16_t TypeIcon = 1;
constexpr std::uint16_t TypeCursor = 2;
constexpr int MaxImageCount = 0xFFFF; // the header's count is 16 bits
// The directory keeps each side in one byte, 0 standing for 256.
constexpr int MaxSide = 256;
// Images with a side this long are stored as PNG pictures, as Windows and
// the other icon programs expect; smaller ones as classic bitmaps.
constexpr int PngSide = 256;

// Entries of the colour table for a palette format (2, 16 or 256); 0 for the
// true-colour formats, which carry none.
int ColourTableEntries(int BitCount);
bool IsSupportedBitCount(int BitCount);
// Bytes one row occupies, padding included, and the bytes of it that carry pixels.
int RowStride(int Width, int BitCount);
int RowPixelBytes(int Width, int BitCount);
// Whether an image of this size must be stored as a PNG picture.
inline bool StoredAsPng(int Width, int Height) {
    return Width >= PngSide || Height >= PngSide;
}
// Whether an image is written as a PNG picture: a 32-bit image whose owner
// chose so, and every image with a side of 256.
inline bool WrittenAsPng(int Width, int Height, int Format, bool ChosenPng) {
    return StoredAsPng(Width, Height) || (Format == 32 && ChosenPng);
}
// A directory byte for a side of 1 to 256, and back.
inline std::uint8_t SideByte(int Side) { return std::uint8_t(Side & 0xFF); }
inline int SideOfByte(std::uint8_t Byte) { return Byte == 0 ? 256 : Byte; }
} // namespace IconFile

// The bytes of H rows of W pixels at B bits per pixel, each row padded to a
// multiple of 4 bytes.
std::int32_t ImageDataSize(int W, int H, int B);
