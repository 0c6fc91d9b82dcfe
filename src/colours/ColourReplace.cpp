#include "colours/ColourReplace.h"

#include "pixel/TBitmap32.h"

void ChangeColorFToB(TBitmap32& Bitmap, TColor32 F, TColor32 B) {
    for (TColor32& p : Bitmap.Bits)
        if (p == F) p = B;
}

void ReplaceColorsFAndB(TBitmap32& Bitmap, TColor32 F, TColor32 B) {
    for (TColor32& p : Bitmap.Bits) {
        if (p == F)
            p = B;
        else if (p == B)
            p = F;
    }
}

void changecolClick(TBitmap32& WorkBitmap, TBitmap32& CleanBitmap, TColor32 F, TColor32 B) {
    WorkBitmap.Assign(CleanBitmap);
    ChangeColorFToB(WorkBitmap, F, B);
    CleanBitmap.Assign(WorkBitmap);
}

void colcovertClick(TBitmap32& WorkBitmap, TBitmap32& CleanBitmap, TColor32 F, TColor32 B) {
    WorkBitmap.Assign(CleanBitmap);
    ReplaceColorsFAndB(WorkBitmap, F, B);
    CleanBitmap.Assign(WorkBitmap);
}
