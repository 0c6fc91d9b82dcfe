#pragma once

#include <QImage>
#include <array>

// The brush footprint: a 7 x 7 pattern of offsets (dx, dy), each -3 .. 3.
// It is also the model of the brush-shape editor BrusI, a 36 x 37 picture of
// 5 x 5-pixel cells with black grid lines, grey cells in the brush and white
// cells outside it.
class BrushShape {
public:
    static constexpr int Reach = 3; // offsets run -Reach .. Reach
    static constexpr int Cell = 5;  // editor cell size, grid line included
    static constexpr int PictureWidth = 36;
    static constexpr int PictureHeight = 37;
    static constexpr int PresetCount = 6;

    BrushShape() = default; // no cell in the brush
    // The shapes of the buttons Brush1 (the initial 3 x 3 square) to Brush6;
    // any other number gives Brush1.
    static BrushShape preset(int Number);
    static BrushShape fromRows(const char* const Rows[7]); // 'X' marks a cell

    bool contains(int dx, int dy) const;
    void set(int dx, int dy, bool On);
    bool operator==(const BrushShape& Other) const { return m_cells == Other.m_cells; }
    bool operator!=(const BrushShape& Other) const { return !(*this == Other); }

    // BrusIMouseUp: a click at (X, Y) of the editor picture toggles the cell
    // under it; clicks on a grid line or outside the 7 x 7 cells change
    // nothing. Returns whether the shape changed.
    bool clickAt(int X, int Y);
    // The editor picture (and the preset buttons' glyphs).
    QImage picture() const;

private:
    static bool inRange(int d) { return d >= -Reach && d <= Reach; }
    std::array<bool, 49> m_cells{};
};
