#include "pixel/RoundShapes.h"

#include <algorithm>
#include <climits>

EllipseShape::EllipseShape(int w, int h)
    : m_w(std::max(0, w)), m_h(std::max(0, h)), m_first(std::size_t(m_h), INT_MAX),
      m_runEnd(std::size_t(m_h), INT_MIN) {
    if (m_w == 0 || m_h == 0) return;
    auto record = [this](long long x, long long y) {
        if (y < 0 || y >= m_h) return;
        int& first = m_first[std::size_t(y)];
        int& runEnd = m_runEnd[std::size_t(y)];
        first = std::min(first, int(x));
        runEnd = std::max(runEnd, int(x));
    };
    // Bresenham-style ellipse through the box (0, 0)-(w-1, h-1), after Alois
    // Zingl's rectangle-bounded form; only the left half is recorded.
    long long a = m_w - 1, b = m_h - 1, b1 = b & 1;
    long long dx = 4 * (1 - a) * b * b, dy = 4 * (b1 + 1) * a * a;
    long long err = dx + dy + b1 * a * a;
    long long x0 = 0, x1 = a;
    long long yDown = (b + 1) / 2, yUp = yDown - b1;
    a *= 8 * a;
    b1 = 8 * b * b;
    do {
        record(x0, yDown);
        record(x0, yUp);
        const long long e2 = 2 * err;
        if (e2 <= dy) {
            ++yDown;
            --yUp;
            err += dy += a;
        }
        if (e2 >= dx || 2 * err > dy) {
            ++x0;
            --x1;
            err += dx += b1;
        }
    } while (x0 <= x1);
    // Very flat ellipses stop before reaching the top and bottom rows.
    while (yDown - yUp <= b) {
        record(x0 - 1, yDown++);
        record(x0 - 1, yUp--);
    }
}

RoundRectShape::RoundRectShape(int w, int h, int cornerW, int cornerH)
    : m_w(std::max(0, w)), m_h(std::max(0, h)),
      m_corner(std::clamp(cornerW, 0, m_w), std::clamp(cornerH, 0, m_h)) {
    const bool round = m_corner.width() > 0 && m_corner.height() > 0;
    m_zoneW = round ? (m_corner.width() + 1) / 2 : 0;
    m_zoneH = round ? (m_corner.height() + 1) / 2 : 0;
}
