#include "EditSession.h"

// The history of the active image starts over whenever another image is shown.
// Until the history is kept, there is nothing to undo or redo.
void EditSession::ResetUndo() {
    setUndoStates(false, false);
}
