#pragma once

#include "pixel/TBitmap32.h"

#include <QRect>

// Quarter turns and mirror images. The turns give the buffer new pixels and,
// for a non-square picture, a new width and height; its drawing state stays.

// New (Height - 1 - Y, X) := old (X, Y).
void RotateClockwise(TBitmap32& Target);
// New (Y, Width - 1 - X) := old (X, Y).
void RotateCounterclockwise(TBitmap32& Target);
void FlipHorizontal(TBitmap32& Target);
void FlipVertical(TBitmap32& Target);

// Where a floating selection sits once its buffer has become Width x Height
// (after a quarter turn or a contract): the same left and top, the new size.
// Rect and the result are built with TRect().
QRect ResizedSelectionRect(const QRect& Rect, int Width, int Height);
