#include "PaletteMatcher.h"

#include <algorithm>
#include <limits>

namespace {

constexpr int CoarseShift = 5;
constexpr int FineShift = 4;

int boxIndex(TColor C, int Shift) {
    const int n = 256 >> Shift;
    return ((RedOf(C) >> Shift) * n + (GreenOf(C) >> Shift)) * n + (BlueOf(C) >> Shift);
}

// The smallest and largest squared distance along one channel from V to any
// level of lo .. hi.
std::int32_t nearSq(std::int32_t v, std::int32_t lo, std::int32_t hi) {
    const std::int32_t d = v < lo ? lo - v : (v > hi ? v - hi : 0);
    return d * d;
}
std::int32_t farSq(std::int32_t v, std::int32_t lo, std::int32_t hi) {
    const std::int32_t d = std::max(v - lo, hi - v);
    return d * d;
}

} // namespace

PaletteMatcher::PaletteMatcher(const std::vector<TColor>& Entries)
    : m_entries(Entries), m_coarse(std::size_t(1) << (3 * (8 - CoarseShift))),
      m_fine(std::size_t(1) << (3 * (8 - FineShift))) {
    m_rgb.reserve(3 * m_entries.size());
    for (const TColor e : m_entries) {
        m_rgb.push_back(RedOf(e));
        m_rgb.push_back(GreenOf(e));
        m_rgb.push_back(BlueOf(e));
    }
    m_all.resize(m_entries.size());
    for (std::size_t i = 0; i < m_all.size(); ++i)
        m_all[i] = std::uint32_t(i);
}

void PaletteMatcher::build(Box& Target, int Shift, TColor C,
                           const std::vector<std::uint32_t>& From) {
    const int size = 1 << Shift;
    std::int32_t lo[3], hi[3];
    const std::int32_t at[3] = {RedOf(C), GreenOf(C), BlueOf(C)};
    for (int k = 0; k < 3; ++k) {
        lo[k] = (at[k] >> Shift) << Shift;
        hi[k] = lo[k] + size - 1;
    }
    m_minDist.resize(From.size());
    std::int64_t threshold = std::numeric_limits<std::int64_t>::max();
    for (std::size_t j = 0; j < From.size(); ++j) {
        const std::int32_t* e = &m_rgb[3 * std::size_t(From[j])];
        std::int64_t nearD = 0, farD = 0;
        for (int k = 0; k < 3; ++k) {
            nearD += nearSq(e[k], lo[k], hi[k]);
            farD += farSq(e[k], lo[k], hi[k]);
        }
        m_minDist[j] = nearD;
        threshold = std::min(threshold, farD);
    }
    Target.First = std::uint32_t(m_candidates.size());
    for (std::size_t j = 0; j < From.size(); ++j)
        if (m_minDist[j] <= threshold) m_candidates.push_back(From[j]);
    Target.Count = std::uint32_t(m_candidates.size()) - Target.First;
    Target.Built = true;
}

const PaletteMatcher::Box& PaletteMatcher::box(TColor C) {
    Box& f = m_fine[std::size_t(boxIndex(C, FineShift))];
    if (f.Built) return f;
    Box& c = m_coarse[std::size_t(boxIndex(C, CoarseShift))];
    if (!c.Built) build(c, CoarseShift, C, m_all);
    // Copied out first: building appends to the very vector it reads from.
    m_from.assign(m_candidates.begin() + c.First, m_candidates.begin() + c.First + c.Count);
    build(f, FineShift, C, m_from);
    return f;
}

TColor PaletteMatcher::nearest(TColor C) {
    C &= 0xFFFFFFu;
    if (m_entries.empty()) return C;
    // Icons are mostly runs of one colour.
    if (m_haveLast && C == m_lastIn) return m_lastOut;
    const Box& b = box(C);
    const std::int32_t r = RedOf(C), g = GreenOf(C), bl = BlueOf(C);
    std::int32_t best = std::numeric_limits<std::int32_t>::max();
    std::uint32_t bestIndex = 0;
    for (std::uint32_t j = b.First; j < b.First + b.Count; ++j) {
        const std::uint32_t i = m_candidates[j];
        const std::int32_t* e = &m_rgb[3 * std::size_t(i)];
        const std::int32_t dr = e[0] - r, dg = e[1] - g, db = e[2] - bl;
        const std::int32_t d = dr * dr + dg * dg + db * db;
        if (d < best) {
            best = d;
            bestIndex = i;
            if (d == 0) break;
        }
    }
    m_haveLast = true;
    m_lastIn = C;
    m_lastOut = best == 0 ? C : m_entries[bestIndex];
    return m_lastOut;
}
