#pragma once

#include "pixel/TBitmap32.h"

// The effects that read a pixel's neighbours.

// A 3 x 3 box average read from a copy of the buffer. The box shrinks at the
// edges (divisor 4 in a corner, 6 on an edge, 9 inside). A neighbour of alpha
// 0 adds nothing to any sum but still counts, so transparency fades and
// darkens the edge of a shape; the centre always adds its own RGB.
void Blur(TBitmap32& Target);

// The four emboss entries; the value is the menu entry's Tag, which encodes
// the neighbour offset as ((Tag div 10) - 1, (Tag mod 10) - 1).
enum class EmbossDirection { TopLeft = 0, TopRight = 20, BottomLeft = 2, BottomRight = 22 };

// Each colour channel becomes (255 - neighbour + own) div 2, with the
// neighbour at the direction's offset; alpha stays. Pixels whose neighbour
// lies outside become (127, 127, 127). Done in place, visiting the pixels so
// that every neighbour is read before it changes.
void Emboss(TBitmap32& Target, EmbossDirection Direction);
