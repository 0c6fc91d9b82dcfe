#include "pixel/CoverageMask.h"

#include "pixel/TBitmap32.h"

#include <algorithm>
#include <cmath>

CoverageMask::CoverageMask(const QRect& window)
    : m_window(window.isEmpty() ? QRect() : window),
      m_cells(std::size_t(std::max(0, m_window.width())) *
                  std::size_t(std::max(0, m_window.height())),
              Untouched) {}

namespace {
// A square pen of width w reaches this far left/up and right/down of the
// pixel it is centred on.
int penReachBefore(int w) {
    return (std::max(1, w) - 1) / 2;
}
int penReachAfter(int w) {
    return std::max(1, w) / 2;
}
} // namespace

void CoverageMask::line(QPoint a, QPoint b, int penWidth) {
    if (isEmpty()) return;
    if (penWidth <= 1) {
        forEachLinePixel(a, b, [this](int x, int y) { markOutline(x, y); });
        return;
    }
    const int before = penReachBefore(penWidth), after = penReachAfter(penWidth);
    forEachLinePixel(a, b, [&](int x, int y) {
        for (int v = y - before; v <= y + after; ++v)
            for (int u = x - before; u <= x + after; ++u)
                markOutline(u, v);
    });
}

void CoverageMask::fillEvenOdd(const std::vector<QPoint>& points) {
    if (isEmpty() || points.size() < 3) return;
    struct Edge {
        double x0, y0, slope;
        int yTop, yEnd; // rows yTop .. yEnd - 1 cross this edge
    };
    std::vector<Edge> edges;
    for (std::size_t i = 0; i < points.size(); ++i) {
        QPoint p = points[i], q = points[(i + 1) % points.size()];
        if (p.y() == q.y()) continue; // horizontal edges never cross a row
        if (p.y() > q.y()) std::swap(p, q);
        edges.push_back({double(p.x()), double(p.y()),
                         double(q.x() - p.x()) / double(q.y() - p.y()), p.y(), q.y()});
    }
    std::vector<double> crossings;
    const int left = m_window.left(), right = m_window.left() + m_window.width();
    for (int y = m_window.top(); y < m_window.top() + m_window.height(); ++y) {
        crossings.clear();
        for (const Edge& e : edges)
            if (y >= e.yTop && y < e.yEnd) crossings.push_back(e.x0 + (y - e.y0) * e.slope);
        std::sort(crossings.begin(), crossings.end());
        for (std::size_t i = 0; i + 1 < crossings.size(); i += 2) {
            // Pixel centres from the left crossing (included) to the right one
            // (excluded).
            const double from = std::max(double(left), std::ceil(crossings[i]));
            const double to = std::min(double(right), std::ceil(crossings[i + 1]));
            for (int x = int(from); x < int(to); ++x)
                markInterior(x, y);
        }
    }
}

void CoverageMask::transfer(TBitmap32& target, TColor32 pen, TColor32 brush,
                            bool withInterior) const {
    if (isEmpty()) return;
    const int w = m_window.width(), h = m_window.height();
    for (int j = 0; j < h; ++j) {
        const std::uint8_t* row = m_cells.data() + std::size_t(j) * std::size_t(w);
        for (int i = 0; i < w; ++i) {
            if (row[i] == Outline)
                target.PutPixel(m_window.left() + i, m_window.top() + j, pen);
            else if (row[i] == Interior && withInterior)
                target.PutPixel(m_window.left() + i, m_window.top() + j, brush);
        }
    }
}

QRect strokeWindow(const std::vector<QPoint>& points, int penWidth, const QRect& bounds) {
    if (points.empty()) return QRect();
    long long x0 = points.front().x(), x1 = x0, y0 = points.front().y(), y1 = y0;
    for (const QPoint& p : points) {
        x0 = std::min<long long>(x0, p.x());
        x1 = std::max<long long>(x1, p.x());
        y0 = std::min<long long>(y0, p.y());
        y1 = std::max<long long>(y1, p.y());
    }
    x0 = std::max<long long>(x0 - penReachBefore(penWidth), bounds.left());
    y0 = std::max<long long>(y0 - penReachBefore(penWidth), bounds.top());
    x1 = std::min<long long>(x1 + penReachAfter(penWidth), bounds.left() + bounds.width() - 1);
    y1 = std::min<long long>(y1 + penReachAfter(penWidth), bounds.top() + bounds.height() - 1);
    if (x0 > x1 || y0 > y1) return QRect();
    return QRect(QPoint(int(x0), int(y0)), QPoint(int(x1), int(y1)));
}
