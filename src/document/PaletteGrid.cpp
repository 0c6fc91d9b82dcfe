#include "document/PaletteGrid.h"

#include "pixel/TBitmap32.h"

namespace PaletteGrid {

PaletteGridLayout layout(int Entries) {
    PaletteGridLayout l;
    switch (Entries) {
    case 2:
        l.CellWidth = 60, l.CellHeight = 30;
        break;
    case 16:
        l.CellWidth = 30, l.CellHeight = 30;
        break;
    case 256:
        l.CellWidth = 15, l.CellHeight = 10;
        break;
    default:
        break;
    }
    l.CellsPerRow = Width / l.CellWidth;
    l.Rows = Entries <= 0 ? 0 : (Entries + l.CellsPerRow - 1) / l.CellsPerRow;
    l.PictureHeight = l.Rows * l.CellHeight;
    return l;
}

QRect cellRect(const PaletteGridLayout& Layout, int Index) {
    const int x = (Index % Layout.CellsPerRow) * Layout.CellWidth;
    const int y = (Index / Layout.CellsPerRow) * Layout.CellHeight;
    return TRect(x, y, x + Layout.CellWidth, y + Layout.CellHeight);
}

int hitTest(const PaletteGridLayout& Layout, int Entries, QPoint Pos) {
    if (Pos.x() < 0 || Pos.y() < 0 || Pos.x() >= Layout.CellsPerRow * Layout.CellWidth) return -1;
    const int i = (Pos.y() / Layout.CellHeight) * Layout.CellsPerRow + Pos.x() / Layout.CellWidth;
    return i < Entries ? i : -1;
}

void drawCell(QImage& Target, const QRect& Cell, TColor Colour) {
    const QRgb fill =
        qRgb(int(Colour & 0xFF), int((Colour >> 8) & 0xFF), int((Colour >> 16) & 0xFF));
    const QRect r = Cell.intersected(Target.rect());
    for (int y = r.top(); y < r.top() + r.height(); ++y)
        for (int x = r.left(); x < r.left() + r.width(); ++x) {
            const bool edge = x == Cell.left() || y == Cell.top() || x == RectRight(Cell) - 1 ||
                              y == RectBottom(Cell) - 1;
            Target.setPixel(x, y, edge ? qRgb(0, 0, 0) : fill);
        }
}

QImage draw(const PalettePicture& Palette) {
    const PaletteGridLayout l = layout(Palette.count());
    QImage img(Width, l.PictureHeight, QImage::Format_RGB32);
    img.fill(Qt::white);
    for (int i = 0; i < Palette.count(); ++i)
        drawCell(img, cellRect(l, i), Palette.entry(i));
    return img;
}

} // namespace PaletteGrid
