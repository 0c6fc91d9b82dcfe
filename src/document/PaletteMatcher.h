#pragma once

#include "pixel/TColor32.h"

#include <array>
#include <cstdint>
#include <vector>

// Answers NearestPaletteColor for many colours against one palette with the
// very same result as the plain search (nearest by Euclidean RGB distance, the
// lowest index among equally near entries), but without testing every entry.
//
// The RGB cube is split into boxes. For a box, an entry can be nearest to some
// point inside only if its smallest possible distance to the box is no larger
// than the smallest of all entries' largest distances to the box. Those
// candidates are kept in index order, so a strict "less than" over them keeps
// the first of equally near entries. Boxes come in three sizes, each box
// built when first touched from the candidates of the box it lies in (a
// subset of those, by the same argument), so a picture with few colours costs
// little and one with colours everywhere stays cheap too.
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
    static constexpr int Levels = 3;
    const Box& box(int Level, TColor C);
    void build(Box& Target, int Shift, TColor C, std::uint32_t First, std::uint32_t Count);

    std::vector<TColor> m_entries;
    std::vector<std::int32_t> m_red, m_green, m_blue;
    // 4, 8 and 16 boxes a side (64, 32 and 16 levels each).
    std::array<std::vector<Box>, Levels> m_boxes;
    std::vector<std::uint32_t> m_candidates; // all entries first, then every box's
    std::vector<std::int32_t> m_near;
    bool m_haveLast = false;
    TColor m_lastIn = 0, m_lastOut = 0;
};
