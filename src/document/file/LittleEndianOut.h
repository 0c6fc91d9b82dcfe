#pragma once

#include <cstdint>
#include <vector>

// Little-endian numbers appended to a byte buffer, as icon files hold them.
inline void putU16(std::vector<std::uint8_t>& Out, unsigned V) {
    Out.push_back(std::uint8_t(V & 0xFF));
    Out.push_back(std::uint8_t((V >> 8) & 0xFF));
}

inline void putU32(std::vector<std::uint8_t>& Out, std::uint32_t V) {
    for (int i = 0; i < 4; ++i)
        Out.push_back(std::uint8_t((V >> (8 * i)) & 0xFF));
}
