#pragma once

#include <cstdint>

// Channels of a straight-alpha colour as the file core sees it: red in bits
// 0-7, green 8-15, blue 16-23, alpha 24-31 (the editor's TColor32), which in
// memory is the byte order red, green, blue, alpha of a PNG's RGBA rows.
namespace IconRgb {
inline int red(std::uint32_t C) { return int(C & 0xFF); }
inline int green(std::uint32_t C) { return int((C >> 8) & 0xFF); }
inline int blue(std::uint32_t C) { return int((C >> 16) & 0xFF); }
inline int alpha(std::uint32_t C) { return int(C >> 24); }
inline std::uint32_t rgb(std::uint32_t C) { return C & 0xFFFFFFu; }
inline std::uint32_t withAlpha(std::uint32_t Rgb, int A) {
    return (Rgb & 0xFFFFFFu) | (std::uint32_t(A & 0xFF) << 24);
}
} // namespace IconRgb
