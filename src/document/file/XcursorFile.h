#pragma once

#include <cstdint>
#include <string>
#include <vector>

// The X cursor file that libXcursor loads for the X11 and XWayland pointer,
// GTK, Qt and the Wayland cursor library: little-endian 32-bit words, a
// header, a table of contents of (type, subtype, position) and the chunks it
// points at. Image chunks carry premultiplied ARGB pixels; comment chunks
// carry UTF-8 text.
namespace Xcursor {
constexpr std::uint32_t Magic = 0x72756358; // "Xcur" read as a little-endian word
constexpr std::uint32_t HeaderSize = 16;
constexpr std::uint32_t FileVersion = 0x00010000;
constexpr std::uint32_t TocEntrySize = 12;
constexpr std::uint32_t ImageType = 0xfffd0002;
constexpr std::uint32_t ImageHeaderSize = 36;
constexpr std::uint32_t ImageVersion = 1;
constexpr std::uint32_t CommentType = 0xfffe0001;
constexpr std::uint32_t CommentHeaderSize = 20;
constexpr std::uint32_t CommentVersion = 1;
// libXcursor's own limits: it refuses larger sides, tables and comments.
constexpr int MaxSide = 0x7fff;
constexpr std::uint32_t MaxTocEntries = 0x10000;
constexpr std::uint32_t MaxCommentLength = 0x100000;
} // namespace Xcursor

// One image chunk. Pixels are straight-alpha colours as the rest of the file
// core keeps them (red in the low byte, alpha in the top byte, top row
// first); the file holds them premultiplied. The nominal size is the size a
// desktop asks for and may differ from the pixel size (a nominal 24 drawn at
// 32 pixels).
struct XcursorImage {
    std::uint32_t NominalSize = 0;
    int Width = 0;
    int Height = 0;
    int HotSpotX = 0;
    int HotSpotY = 0;
    std::uint32_t DelayMs = 0;
    std::vector<std::uint32_t> Pixels;
};

// A comment chunk: Kind 1 copyright, 2 licence, 3 other.
struct XcursorComment {
    std::uint32_t Kind = 3;
    std::string Text;
};

// A whole file: the images in table order (the frames of one nominal size,
// in this order, are that size's animation) and the comments.
struct XcursorContents {
    std::vector<XcursorImage> Images;
    std::vector<XcursorComment> Comments;
};

// The nominal sizes of Images, smallest first, each once.
std::vector<std::uint32_t> NominalSizes(const std::vector<XcursorImage>& Images);
// The frames of nominal size Size, in order.
std::vector<const XcursorImage*> FramesOfSize(const std::vector<XcursorImage>& Images,
                                              std::uint32_t Size);
// The frame of Frames (one size's animation, not empty) showing At
// milliseconds after it starts, the animation repeating; the first when
// every delay is 0.
const XcursorImage* FrameShowingAt(const std::vector<const XcursorImage*>& Frames,
                                   std::uint64_t At);
