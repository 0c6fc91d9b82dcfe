#include "widgets/TavroMenuLayout.h"

#include <algorithm>

namespace {

// (left, top, right, bottom) with right and bottom left out.
QRect box(int Left, int Top, int Right, int Bottom) {
    return QRect(QPoint(Left, Top), QPoint(Right - 1, Bottom - 1));
}

} // namespace

int tavroGlyphColumnWidth(const TavroItemKind& Kind) {
    return Kind.ImageListWidth > 0 ? Kind.ImageListWidth + 2 : 12;
}

TavroItemLayout layoutTavroItem(const QRect& R, const TavroItemKind& Kind) {
    const int left = R.left(), top = R.top();
    const int right = left + R.width(), bottom = top + R.height();
    const bool images = !Kind.Bar && Kind.ImageListWidth > 0;
    const int imgW = tavroGlyphColumnWidth(Kind);
    const int checkW = images ? imgW : 8;
    const bool rtl = Kind.RightToLeft;
    int tl = left, tr = right;

    TavroItemLayout out;
    if (images) {
        out.GlyphColumn =
            rtl ? box(right - imgW, top, right, bottom) : box(left, top, left + imgW, bottom);
        (rtl ? tr : tl) += rtl ? -imgW : imgW;
    }
    if (Kind.Bar) {
        (rtl ? tr : tl) += rtl ? -6 : 6;
    } else {
        const int near = images ? 4 : 12;
        if (rtl) {
            tr -= near;
            tl += 12;
        } else {
            tl += near;
            tr -= 12;
        }
    }
    out.Text = box(tl, top, tr, bottom);
    out.GlyphPos = rtl ? QPoint(right - imgW + 1, top + 1) : QPoint(left + 1, top + 1);
    // Mirrored exactly, so the right-to-left box stays inside the item.
    out.CheckBox = rtl ? box(right - checkW + 1, top + 1, right - 1, bottom - 1)
                       : box(left + 1, top + 1, left + checkW - 1, bottom - 1);
    // As large as a check box of the desktop, yet inside the column with
    // room to spare: a box as tall as the item would read as a bar.
    const int column = images ? imgW : 12;
    const int side = std::max(1, std::min({14, column - 2, R.height() - 6}));
    const int markLeft = rtl ? right - column + (column - side) / 2 : left + (column - side) / 2;
    out.CheckMark = QRect(markLeft, top + (R.height() - side) / 2, side, side);
    const int y = top / 2 + bottom / 2;
    out.Separator = rtl ? QLine(tl - 12, y, tr, y) : QLine(tl, y, tr + 12, y);
    return out;
}
