#pragma once

#include "document/file/Transparency.h"
#include "document/file/XcursorFile.h"

#include <cstddef>
#include <cstdint>
#include <string>

// The files a cursor can come from or go to.
enum class CursorFileKind { Icon, Cursor, Ani, Xcursor };

// The kind a file's content shows: an X cursor by its "Xcur", an animated
// cursor by its RIFF form, every other file is read as an icon or cursor
// (its header tells which).
CursorFileKind CursorFileKindOf(const std::uint8_t* Data, std::size_t Size);

// Any cursor or icon file read as X cursor images, the common ground of the
// conversions and of cursor themes: an icon or cursor file gives one
// still image per size (see OneImagePerSize), at a nominal size equal to its
// longer side; an animated cursor every step at every size (XcursorFromAni).
struct AnyCursor {
    CursorFileKind Kind = CursorFileKind::Cursor;
    XcursorContents Contents;
    // Screen-inverting pixels that had to become dark pixels with a light
    // outline (see XcursorImageFromRaster).
    int InvertedPixels = 0;
};

// Throws IconCodecError naming FileName when the file cannot be read.
AnyCursor DecodeAnyCursor(const std::uint8_t* Data, std::size_t Size, const std::string& FileName,
                          const TransparencySettings& Settings);

// What writing images as an icon or cursor file left out.
struct IconFileOmissions {
    int LaterFrames = 0;  // frames after the first of an animated size
    int TooLarge = 0;     // sizes wider or taller than 256 pixels
};

// X cursor images as an icon (FileType 1) or cursor (2) file: the first
// frame of every nominal size that fits (at most 256 pixels each way), 32-bit,
// smallest first. Throws IconCodecError when no size fits.
std::vector<std::uint8_t> EncodeIconFileFromXcursor(std::uint16_t FileType,
                                                    const std::vector<XcursorImage>& Images,
                                                    IconFileOmissions& Omitted);
