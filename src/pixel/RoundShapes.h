#pragma once

#include "pixel/CoverageMask.h"

#include <vector>

// An ellipse inscribed in a w x h box, traced the midpoint way so that it
// touches all four sides of the box and its outline is one pixel thin and
// 8-connected. Per row it keeps the first column of the shape and the last
// column of the left outline run; the right half mirrors the left.
class EllipseShape {
public:
    EllipseShape(int w, int h);

    int width() const { return m_w; }
    int height() const { return m_h; }
    // 0 <= x < width(), 0 <= y < height()
    CoverageMask::State at(int x, int y) const {
        if (x > m_w - 1 - x) x = m_w - 1 - x;
        if (x < m_first[std::size_t(y)]) return CoverageMask::Untouched;
        return x <= m_runEnd[std::size_t(y)] ? CoverageMask::Outline : CoverageMask::Interior;
    }

private:
    int m_w, m_h;
    std::vector<int> m_first, m_runEnd;
};

// A w x h rectangle whose corners are the quarters of a cornerW x cornerH
// ellipse. The corner ellipse's halves are pulled apart and the gap between
// them is straight edge, so with the corner as large as the box it is exactly
// the ellipse, and with a corner of 0 it is a plain rectangle.
class RoundRectShape {
public:
    RoundRectShape(int w, int h, int cornerW, int cornerH);

    int width() const { return m_w; }
    int height() const { return m_h; }
    CoverageMask::State at(int x, int y) const {
        const bool cornerColumn = x < m_zoneW || x >= m_w - m_zoneW;
        const bool cornerRow = y < m_zoneH || y >= m_h - m_zoneH;
        if (cornerColumn && cornerRow)
            return m_corner.at(x < m_zoneW ? x : x - (m_w - m_corner.width()),
                               y < m_zoneH ? y : y - (m_h - m_corner.height()));
        return (x == 0 || y == 0 || x == m_w - 1 || y == m_h - 1) ? CoverageMask::Outline
                                                                  : CoverageMask::Interior;
    }

private:
    int m_w, m_h;
    EllipseShape m_corner;
    int m_zoneW, m_zoneH; // columns/rows at each side that follow the corner
};
