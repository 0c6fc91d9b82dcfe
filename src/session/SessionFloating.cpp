#include "session/EditSession.h"

// The floating selection's side of the image commands. Until the session
// holds a floating selection there is nothing to drop or discard; the
// selection code fills these in:
//
//  * dropFloatingSelection(): before another image becomes active, or a new
//    or duplicated image is added. The selection is drawn into the WorkBitmap
//    (StretchDraw at SelectionRect), CleanBitmap := WorkBitmap,
//    RefreshThumbnail(), then it is discarded, PastedSelection := false and
//    SelTim stops. No undo entry is made: the history is about to restart.
//
//  * discardFloatingSelection(): before undo and redo, and when the active
//    image is removed. The selection goes away unmerged, PastedSelection :=
//    false and SelTim stops.

void EditSession::dropFloatingSelection() {}

void EditSession::discardFloatingSelection() {}

TBitmap32* EditSession::floatingTarget() { return nullptr; }

void EditSession::finishFloatingEffect() {}

void EditSession::moveFloatingSelection(QPoint) {}
