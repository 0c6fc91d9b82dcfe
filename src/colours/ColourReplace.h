#pragma once

#include "pixel/TColor32.h"

class TBitmap32;

// The two tool-panel buttons that recolour the committed image. Pixels are
// compared in all 32 bits, so a colour with another alpha is left alone; the
// new value is written as it is, never blended.

// "Change Color F to B": every pixel equal to F becomes B.
void ChangeColorFToB(TBitmap32& Bitmap, TColor32 F, TColor32 B);
// "Replace Colors F and B": pixels equal to F become B and pixels equal to B
// become F.
void ReplaceColorsFAndB(TBitmap32& Bitmap, TColor32 F, TColor32 B);

// changecolClick / colcovertClick on the working copies: the WorkBitmap drops
// any tool preview by taking the CleanBitmap, is recoloured, and the
// CleanBitmap takes the result. A floating selection is not part of either
// copy and stays as it is. The session then runs PushUndo and RenderWorkView.
void changecolClick(TBitmap32& WorkBitmap, TBitmap32& CleanBitmap, TColor32 F, TColor32 B);
void colcovertClick(TBitmap32& WorkBitmap, TBitmap32& CleanBitmap, TColor32 F, TColor32 B);
