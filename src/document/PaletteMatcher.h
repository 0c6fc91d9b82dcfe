#pragma once

#include "TColor32.h"

#include <cstdint>
#include <vector>

// Answers NearestPaletteColor for many colours against one palette with the
// very same result as the plain search (nearest by Euclidean RGB distance, the
// lowest index among equally near entries), but without testing every entry.
//
// The RGB cube is split into boxes. For a box, an entry can be nearest to some
// point inside only if its smallest possible distance to the box is no larger
// than the largest possible distance from the box to the entry that is
// farthest-nearest (the smallest of all entries' largest distances). Those
// candidates are kept in index order, so a strict "less than" over them keeps
// the first of equally near entries. Boxes are built when first touched, the
// small ones from the candidates of their big box (a subset of it, by the same
// argument), so a picture with few colours costs little.
//
// Squared integer distances order the entries exactly as the square roots do:
// distinct sums of squares below 3 x 255^2 have square roots far more than a
// rounding step apart.
class PaletteMatcher {
public:
    explicit PaletteMatcher(const std::vector<TColor>& Entries);
    TColor nearest(TColor C);

private:
    struct Box {
        std::uint32_t First = 0;
        std::uint32_t Count = 0;
        bool Built = false;
    };
    const Box& box(TColor C);
    void build(Box& Target, int Shift, TColor C, const std::vector<std::uint32_t>& From);

    std::vector<TColor> m_entries;
    std::vector<std::int32_t> m_rgb; // red, green, blue of each entry
    std::vector<Box> m_coarse;       // 8 x 8 x 8 boxes of 32 levels a side
    std::vector<Box> m_fine;         // 16 x 16 x 16 boxes of 16 levels a side
    std::vector<std::uint32_t> m_candidates;
    std::vector<std::uint32_t> m_all, m_from;
    std::vector<std::int64_t> m_minDist;
    bool m_haveLast = false;
    TColor m_lastIn = 0, m_lastOut = 0;
};
