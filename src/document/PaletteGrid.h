#pragma once

#include "document/PalettePicture.h"

#include <QImage>
#include <QPoint>
#include <QRect>

// How a palette is laid out as cells in a picture 120 pixels wide, entry 0 top
// left, left to right, then the next row.
struct PaletteGridLayout {
    int CellWidth = 10;
    int CellHeight = 10;
    int CellsPerRow = 12;
    int Rows = 0;
    int PictureHeight = 0;
};

namespace PaletteGrid {

constexpr int Width = 120;

// 2 entries: 60 x 30 cells; 16: 30 x 30; 256: 15 x 10. Any other count gets
// 10 x 10 cells, as the colours panel draws it.
PaletteGridLayout layout(int Entries);
// The cell of entry Index as (left, top, right-exclusive, bottom-exclusive).
QRect cellRect(const PaletteGridLayout& Layout, int Index);
// The entry under a click at Pos, or -1 when the click lies outside the cells.
int hitTest(const PaletteGridLayout& Layout, int Entries, QPoint Pos);
inline int hitTest(const PalettePicture& Palette, QPoint Pos) {
    return hitTest(layout(Palette.count()), Palette.count(), Pos);
}

// One cell: filled with Colour and outlined with a 1-pixel black line along its
// outermost columns and rows. Parts outside Target are dropped.
void drawCell(QImage& Target, const QRect& Cell, TColor Colour);
// The whole grid, 120 x PictureHeight, white where no cell lies.
QImage draw(const PalettePicture& Palette);

} // namespace PaletteGrid
