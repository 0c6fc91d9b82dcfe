#pragma once

#include <algorithm>
#include <cstdint>

// Straight-alpha colours (red in the low byte) to the premultiplied ARGB
// words of an X cursor file and back. Both directions round to the nearest
// value rather than truncating, so that partly transparent edges do not
// darken, and a premultiplied word read and written again is the same word.
inline std::uint32_t premultipliedArgb(std::uint32_t C) {
    const std::uint32_t a = C >> 24;
    const auto channel = [a](std::uint32_t V) { return (V * a + 127) / 255; };
    return a << 24 | channel(C & 0xFF) << 16 | channel((C >> 8) & 0xFF) << 8 |
           channel((C >> 16) & 0xFF);
}

inline std::uint32_t straightFromArgb(std::uint32_t P) {
    const std::uint32_t a = P >> 24;
    if (a == 0) return 0;
    const auto channel = [a](std::uint32_t V) {
        return std::min<std::uint32_t>(255, (V * 255 + a / 2) / a);
    };
    return a << 24 | channel((P >> 16) & 0xFF) | channel((P >> 8) & 0xFF) << 8 |
           channel(P & 0xFF) << 16;
}
