#pragma once

#include <array>
#include <cstdint>

// The highest antialiasing weight already plotted at each pixel during one
// antialiased shape, so that where the shape's own strokes meet a pixel is not
// darkened twice. Byte (X, Y) is element X * 256 + Y; positions outside
// 0 .. 255 read as 0 and are never written.
class CoverageMap {
public:
    static constexpr int Side = 256;

    void clear() { m_bytes.fill(0); }
    static bool contains(int X, int Y) { return X >= 0 && Y >= 0 && X < Side && Y < Side; }
    std::uint8_t at(int X, int Y) const { return contains(X, Y) ? m_bytes[index(X, Y)] : 0; }
    void set(int X, int Y, int Value) {
        if (contains(X, Y)) m_bytes[index(X, Y)] = std::uint8_t(Value);
    }

private:
    static std::size_t index(int X, int Y) { return std::size_t(X) * Side + std::size_t(Y); }
    std::array<std::uint8_t, Side * Side> m_bytes{};
};
