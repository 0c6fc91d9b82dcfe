#include "canvas/tools/BrushShape.h"

#include <QColor>
#include <cstring>

namespace {

// Row by row, dy = -3 at the top, dx = -3 at the left.
const char* const Presets[BrushShape::PresetCount][7] = {
    {".......", ".......", "..XXX..", "..XXX..", "..XXX..", ".......", "......."},
    {".......", ".XXXXX.", ".XXXXX.", ".XXXXX.", ".XXXXX.", ".XXXXX.", "......."},
    {".......", ".......", "...X...", "..XXX..", "...X...", ".......", "......."},
    {".......", "..XXX..", ".XXXXX.", ".XXXXX.", ".XXXXX.", "..XXX..", "......."},
    {".......", ".XX....", ".XXX...", "..XXX..", "...XXX.", "....XX.", "......."},
    {".......", "....XX.", "...XXX.", "..XXX..", ".XXX...", ".XX....", "......."},
};

} // namespace

BrushShape BrushShape::preset(int Number) {
    if (Number < 1 || Number > PresetCount) Number = 1;
    return fromRows(Presets[Number - 1]);
}

BrushShape BrushShape::fromRows(const char* const Rows[7]) {
    BrushShape s;
    for (int dy = -Reach; dy <= Reach; ++dy)
        for (int dx = -Reach; dx <= Reach; ++dx) {
            const char* row = Rows[dy + Reach];
            s.set(dx, dy, std::strlen(row) > std::size_t(dx + Reach) && row[dx + Reach] == 'X');
        }
    return s;
}

bool BrushShape::contains(int dx, int dy) const {
    return inRange(dx) && inRange(dy) && m_cells[std::size_t((dy + Reach) * 7 + dx + Reach)];
}

void BrushShape::set(int dx, int dy, bool On) {
    if (inRange(dx) && inRange(dy)) m_cells[std::size_t((dy + Reach) * 7 + dx + Reach)] = On;
}

bool BrushShape::clickAt(int X, int Y) {
    if (X < 0 || Y < 0 || X % Cell == 0 || Y % Cell == 0) return false;
    const int dx = X / Cell - Reach, dy = Y / Cell - Reach;
    if (!inRange(dx) || !inRange(dy)) return false;
    set(dx, dy, !contains(dx, dy));
    return true;
}

QImage BrushShape::picture() const {
    QImage img(PictureWidth, PictureHeight, QImage::Format_RGB32);
    img.fill(Qt::white);
    const QRgb black = qRgb(0, 0, 0), grey = qRgb(0x80, 0x80, 0x80);
    const int gridEnd = 7 * Cell; // last grid line
    for (int y = 0; y <= gridEnd; ++y)
        for (int x = 0; x <= gridEnd; ++x) {
            if (x % Cell == 0 || y % Cell == 0)
                img.setPixel(x, y, black);
            else if (contains(x / Cell - Reach, y / Cell - Reach))
                img.setPixel(x, y, grey);
        }
    return img;
}
