#pragma once

#include "pixel/TColor32.h"

#include <QPoint>
#include <QRect>
#include <algorithm>
#include <cstdint>
#include <cstdlib>
#include <utility>
#include <vector>

class TBitmap32;

// Three-state coverage of a window of image pixels: what a shape's outline
// covers, what its interior covers, and what it leaves alone. Shapes are
// rasterised into it first and transferred afterwards, so a pixel that two
// strokes cross is still written once, and an outline always beats an interior.
class CoverageMask {
public:
    enum State : std::uint8_t { Untouched = 0, Interior = 1, Outline = 2 };

    // window: the image pixels the mask covers; nothing outside it is kept.
    explicit CoverageMask(const QRect& window);

    const QRect& window() const { return m_window; }
    bool isEmpty() const { return m_window.isEmpty(); }
    State at(int x, int y) const {
        return m_window.contains(x, y) ? State(m_cells[index(x, y)]) : Untouched;
    }
    void markOutline(int x, int y) {
        if (m_window.contains(x, y)) m_cells[index(x, y)] = Outline;
    }
    void markInterior(int x, int y) {
        if (m_window.contains(x, y) && m_cells[index(x, y)] == Untouched)
            m_cells[index(x, y)] = Interior;
    }

    // A line from a to b with a square pen penWidth pixels wide: a is covered,
    // b is not.
    void line(QPoint a, QPoint b, int penWidth);
    // The even-odd interior of the closed polygon through points; vertices sit
    // on pixel centres. Outline cells stay outline.
    void fillEvenOdd(const std::vector<QPoint>& points);
    // Writes every outline cell in pen and, with withInterior, every interior
    // cell in brush, each through PutPixel.
    void transfer(TBitmap32& target, TColor32 pen, TColor32 brush, bool withInterior) const;

private:
    std::size_t index(int x, int y) const {
        return std::size_t(y - m_window.top()) * std::size_t(m_window.width()) +
               std::size_t(x - m_window.left());
    }

    QRect m_window;
    std::vector<std::uint8_t> m_cells;
};

// The image pixels that a stroke through points with a pen penWidth wide can
// reach, clipped to bounds.
QRect strokeWindow(const std::vector<QPoint>& points, int penWidth, const QRect& bounds);

// The steps 0 .. count - 1 that land inside 0 .. limit - 1 when added to
// origin, as [first, end); the others would be dropped by PutPixel anyway.
inline std::pair<int, int> visibleSteps(long long origin, int count, int limit) {
    const long long first = std::clamp<long long>(-origin, 0, std::max(0, count));
    const long long end = std::clamp<long long>(limit - origin, first, std::max(0, count));
    return {int(first), int(end)};
}

// Calls plot(x, y) for every pixel of the line from a to b except b itself.
// The pixels are those of the line traced from its lower end, so a line and
// its reverse cover the same pixels apart from the end that is left out.
template <class Plot> void forEachLinePixel(QPoint a, QPoint b, Plot plot) {
    if (a == b) return;
    const bool reversed = b.x() < a.x() || (b.x() == a.x() && b.y() < a.y());
    const QPoint from = reversed ? b : a, to = reversed ? a : b;
    const long long dx = std::llabs(static_cast<long long>(to.x()) - from.x());
    const long long dy = -std::llabs(static_cast<long long>(to.y()) - from.y());
    const int sx = from.x() < to.x() ? 1 : -1, sy = from.y() < to.y() ? 1 : -1;
    long long err = dx + dy;
    int x = from.x(), y = from.y();
    for (;;) {
        if (!(x == b.x() && y == b.y())) plot(x, y);
        if (x == to.x() && y == to.y()) break;
        const long long e2 = 2 * err;
        if (e2 >= dy) {
            err += dy;
            x += sx;
        }
        if (e2 <= dx) {
            err += dx;
            y += sy;
        }
    }
}
