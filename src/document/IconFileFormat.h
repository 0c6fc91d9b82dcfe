#pragma once

#include "document/FileErrors.h"

#include <QString>
#include <cstdint>

// Layout of the classic, uncompressed icon/cursor file: a 6-byte header, a
// directory of 16-byte entries, then per image a bitmap information header, a
// colour table for the palette formats, the colour (XOR) bitmap and the 1-bit
// (AND) mask. Little-endian throughout, rows bottom-up, padded to 4 bytes.
namespace IconFile {
constexpr int HeaderSize = 6;
constexpr int EntrySize = 16;
constexpr int InfoHeaderSize = 40;
constexpr std::uint16_t TypeIcon = 1;
constexpr std::uint16_t TypeCursor = 2;
constexpr int MaxImageCount = 0xFFFF; // the header's count is 16 bits
constexpr int MaxSide = 255;          // the directory keeps each side in one byte

// Entries of the colour table for a palette format (2, 16 or 256); 0 for the
// true-colour formats, which carry none.
int ColourTableEntries(int BitCount);
bool IsSupportedBitCount(int BitCount);
// Bytes one row occupies, padding included, and the bytes of it that carry pixels.
int RowStride(int Width, int BitCount);
int RowPixelBytes(int Width, int BitCount);
} // namespace IconFile

// The bytes of H rows of W pixels at B bits per pixel, each row padded to a
// multiple of 4 bytes.
std::int32_t ImageDataSize(int W, int H, int B);

// An icon or cursor file that cannot be read or written. message() is the
// text the user sees.
class IconFileError : public FileError {
public:
    using FileError::FileError;
    // "<fileName> is not an icon." followed by the reason.
    static IconFileError notAnIcon(const QString& fileName, const QString& reason);
};
