#pragma once

#include "pixel/TBitmap32.h"

#include <QRect>

// Shrinking with bilinear weights: every source pixel spreads its alpha over
// the up to four destination pixels around its scaled position and is
// composited over what has arrived there before.

// A new Width x Height buffer (Blend on) holding Source contracted. Width and
// Height are limited to 1 .. Source's own; at the same size every pixel of
// alpha above 0 comes through unchanged and fully transparent ones become
// transparent black.
TBitmap32 SmoothContract(const TBitmap32& Source, int Width, int Height);

// The image keeps its size: the contracted picture lands in its top-left
// corner and the rest becomes transparent black. Target keeps its drawing
// state.
void SmoothContractImage(TBitmap32& Target, int Width, int Height);

// A floating selection takes the contracted size; Rect (built with TRect())
// keeps its left and top.
void SmoothContractSelection(TBitmap32& Selection, QRect& Rect, int Width, int Height);
