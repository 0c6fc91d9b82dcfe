#pragma once

// The enabled states of the commands that follow the editing state rather
// than being built or not: undo and redo follow the history, removing an image
// needs a second image, the palette needs a palette format, Paste needs a
// picture on the clipboard.
struct CommandStates {
    bool UndoA = false;
    bool RedoA = false;
    bool RemoveIA = false;
    bool PalA = false;
    bool PasteA = false;

    bool operator==(const CommandStates& O) const {
        return UndoA == O.UndoA && RedoA == O.RedoA && RemoveIA == O.RemoveIA && PalA == O.PalA &&
               PasteA == O.PasteA;
    }
    bool operator!=(const CommandStates& O) const { return !(*this == O); }
};
