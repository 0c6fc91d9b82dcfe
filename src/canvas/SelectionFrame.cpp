#include "canvas/SelectionFrame.h"

#include "pixel/TBitmap32.h"

#include <algorithm>

std::vector<FrameCell> SelectionFrameCells(const QRect& SelectionRect, int Width, int Height,
                                           int Phase) {
    const int L = SelectionRect.left(), T = SelectionRect.top();
    const int R = RectRight(SelectionRect), B = RectBottom(SelectionRect);
    const int right = std::min(R - 1, Width - 1), bottom = std::min(B - 1, Height - 1);

    std::vector<FrameCell> cells;
    int counter = Phase;
    auto nextColour = [&counter] {
        const TColor colour = counter != 0 ? 0x000000 : 0xFFFFFF;
        counter = (counter + 1) % 2;
        return colour;
    };
    auto draw = [&](int X, int Y) { cells.push_back({QPoint(X, Y), nextColour()}); };

    for (int x = L; x <= right; ++x)
        draw(x, T);
    nextColour();
    if (R <= Width)
        for (int y = T; y <= bottom; ++y)
            draw(right, y);
    nextColour();
    if (B <= Height)
        for (int x = right; x >= L; --x)
            draw(x, bottom);
    nextColour();
    for (int y = bottom; y >= T; --y)
        draw(L, y);
    return cells;
}
