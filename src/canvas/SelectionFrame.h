#pragma once

#include "pixel/TColor32.h"

#include <QPoint>
#include <QRect>
#include <vector>

// One cell of the marching frame around a floating selection.
struct FrameCell {
    QPoint Cell;   // image pixel
    TColor Colour; // black or white
};

inline bool operator==(const FrameCell& A, const FrameCell& B) {
    return A.Cell == B.Cell && A.Colour == B.Colour;
}

// The frame cells of a selection, walked clockwise from the top-left corner,
// alternating black and white starting from Phase (0: white first). Each
// corner adds one silent step so the pattern turns the corner unbroken.
// Columns and rows past the right and bottom edge of a Width x Height image
// are left out; a selection past the left or top edge keeps its negative
// cells, which fall outside the view.
std::vector<FrameCell> SelectionFrameCells(const QRect& SelectionRect, int Width, int Height,
                                           int Phase);
