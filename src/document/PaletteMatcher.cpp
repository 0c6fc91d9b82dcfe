#include "document/PaletteMatcher.h"

#include <algorithm>
#include <limits>

namespace {

constexpr int Shifts[] = {6, 5, 4};

int boxIndex(TColor C, int Shift) {
    const int n = 256 >> Shift;
    return ((RedOf(C) >> Shift) * n + (GreenOf(C) >> Shift)) * n + (BlueOf(C) >> Shift);
}

// The smallest and the largest distance along one channel from V to any level
// of Lo .. Hi, branch-free.
inline std::int32_t nearTo(std::int32_t V, std::int32_t Lo, std::int32_t Hi) {
    return std::max(0, std::max(Lo - V, V - Hi));
}
inline std::int32_t farFrom(std::int32_t V, std::int32_t Lo, std::int32_t Hi) {
    return std::max(V - Lo, Hi - V);
}

} // namespace

PaletteMatcher::PaletteMatcher(const std::vector<TColor>& Entries) : m_entries(Entries) {
    for (const TColor e : m_entries) {
        m_red.push_back(RedOf(e));
        m_green.push_back(GreenOf(e));
        m_blue.push_back(BlueOf(e));
    }
    for (int l = 0; l < Levels; ++l)
        m_boxes[std::size_t(l)].resize(std::size_t(1) << (3 * (8 - Shifts[l])));
    m_candidates.resize(m_entries.size());
    for (std::size_t i = 0; i < m_entries.size(); ++i)
        m_candidates[i] = std::uint32_t(i);
}

void PaletteMatcher::build(Box& Target, int Shift, TColor C, std::uint32_t First,
                           std::uint32_t Count) {
    const std::int32_t size = 1 << Shift;
    const std::int32_t rLo = (RedOf(C) >> Shift) << Shift, rHi = rLo + size - 1;
    const std::int32_t gLo = (GreenOf(C) >> Shift) << Shift, gHi = gLo + size - 1;
    const std::int32_t bLo = (BlueOf(C) >> Shift) << Shift, bHi = bLo + size - 1;
    m_near.resize(Count);
    std::int32_t threshold = std::numeric_limits<std::int32_t>::max();
    for (std::uint32_t j = 0; j < Count; ++j) {
        const std::uint32_t i = m_candidates[First + j];
        const std::int32_t r = m_red[i], g = m_green[i], b = m_blue[i];
        const std::int32_t nr = nearTo(r, rLo, rHi), ng = nearTo(g, gLo, gHi),
                           nb = nearTo(b, bLo, bHi);
        const std::int32_t fr = farFrom(r, rLo, rHi), fg = farFrom(g, gLo, gHi),
                           fb = farFrom(b, bLo, bHi);
        m_near[j] = nr * nr + ng * ng + nb * nb;
        threshold = std::min(threshold, fr * fr + fg * fg + fb * fb);
    }
    // Appending may move the vector, so the source range is read by position.
    const std::uint32_t start = std::uint32_t(m_candidates.size());
    for (std::uint32_t j = 0; j < Count; ++j)
        if (m_near[j] <= threshold) m_candidates.push_back(m_candidates[First + j]);
    Target.First = start;
    Target.Count = std::uint32_t(m_candidates.size()) - start;
    Target.Built = true;
}

const PaletteMatcher::Box& PaletteMatcher::box(int Level, TColor C) {
    Box& b = m_boxes[std::size_t(Level)][std::size_t(boxIndex(C, Shifts[Level]))];
    if (b.Built) return b;
    if (Level == 0) {
        build(b, Shifts[0], C, 0, std::uint32_t(m_entries.size()));
    } else {
        const Box& outer = box(Level - 1, C);
        build(b, Shifts[Level], C, outer.First, outer.Count);
    }
    return b;
}

TColor PaletteMatcher::nearest(TColor C) {
    C &= 0xFFFFFFu;
    if (m_entries.empty()) return C;
    // Icons are mostly runs of one colour.
    if (m_haveLast && C == m_lastIn) return m_lastOut;
    const Box& b = box(Levels - 1, C);
    const std::int32_t r = RedOf(C), g = GreenOf(C), bl = BlueOf(C);
    std::int32_t best = std::numeric_limits<std::int32_t>::max();
    std::uint32_t bestIndex = 0;
    for (std::uint32_t j = b.First; j < b.First + b.Count; ++j) {
        const std::uint32_t i = m_candidates[j];
        const std::int32_t dr = m_red[i] - r, dg = m_green[i] - g, db = m_blue[i] - bl;
        const std::int32_t d = dr * dr + dg * dg + db * db;
        if (d < best) {
            best = d;
            bestIndex = i;
        }
    }
    m_haveLast = true;
    m_lastIn = C;
    m_lastOut = best == 0 ? C : m_entries[bestIndex];
    return m_lastOut;
}
