#include "canvas/tools/FillArea.h"

#include <utility>

FillArea::FillArea(const TBitmap32& image, int x, int y)
    : m_mask(std::size_t(image.Width) * std::size_t(image.Height), 0), m_width(image.Width),
      m_height(image.Height) {
    if (!image.inside(x, y)) return;
    const TColor32 target = image.GetPixel(x, y);

    // Scanline fill: each popped seed grows into its whole run, and the rows
    // above and below are scanned once per run for new seeds.
    std::vector<std::pair<int, int>> seeds{{x, y}};
    while (!seeds.empty()) {
        const auto [sx, sy] = seeds.back();
        seeds.pop_back();
        const TColor32* src = image.scanLine(sy);
        std::uint8_t* mask = m_mask.data() + std::size_t(sy) * std::size_t(m_width);
        if (mask[sx]) continue;
        int left = sx, right = sx;
        while (left > 0 && !mask[left - 1] && src[left - 1] == target)
            --left;
        while (right + 1 < m_width && !mask[right + 1] && src[right + 1] == target)
            ++right;
        for (int i = left; i <= right; ++i)
            mask[i] = 1;
        m_count += right - left + 1;

        for (int ny : {sy - 1, sy + 1}) {
            if (ny < 0 || ny >= m_height) continue;
            const TColor32* nsrc = image.scanLine(ny);
            const std::uint8_t* nmask = m_mask.data() + std::size_t(ny) * std::size_t(m_width);
            bool inRun = false;
            for (int i = left; i <= right; ++i) {
                const bool fillable = !nmask[i] && nsrc[i] == target;
                if (fillable && !inRun) seeds.emplace_back(i, ny);
                inRun = fillable;
            }
        }
    }
}
