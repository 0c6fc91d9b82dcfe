#pragma once

#include "pixel/TBitmap32.h"

#include <cstdint>
#include <vector>

// The pixels a fill at one pixel reaches: the 4-connected area of pixels whose
// value (all 32 bits, alpha included) equals the clicked one. Empty when the
// click lies outside the image.
class FillArea {
public:
    FillArea(const TBitmap32& image, int x, int y);

    bool empty() const { return m_count == 0; }
    int count() const { return m_count; }
    int width() const { return m_width; }
    int height() const { return m_height; }
    bool contains(int x, int y) const {
        return x >= 0 && y >= 0 && x < m_width && y < m_height &&
               m_mask[std::size_t(y) * std::size_t(m_width) + std::size_t(x)] != 0;
    }
    // One row of the mask; nonzero bytes belong to the area.
    const std::uint8_t* row(int y) const {
        return m_mask.data() + std::size_t(y) * std::size_t(m_width);
    }

private:
    std::vector<std::uint8_t> m_mask;
    int m_width = 0;
    int m_height = 0;
    int m_count = 0;
};
