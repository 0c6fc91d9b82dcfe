#pragma once

// The enabled states of the commands that follow the editing state rather
// than being built or not: undo and redo follow the history, removing an image
// needs a second image, the palette needs a palette format, Paste needs a
// picture on the clipboard, the storage can be chosen for 32-bit images below
// 256 pixels.
struct CommandStates {
    bool UndoA = false;
    bool RedoA = false;
    bool RemoveIA = false;
    bool PalA = false;
    bool PasteA = false;
    bool StoredAsPng1 = false;        // enabled
    bool StoredAsPng1Checked = false; // the active image is written as PNG

    bool operator==(const CommandStates& O) const {
        return UndoA == O.UndoA && RedoA == O.RedoA && RemoveIA == O.RemoveIA && PalA == O.PalA &&
               PasteA == O.PasteA && StoredAsPng1 == O.StoredAsPng1 &&
               StoredAsPng1Checked == O.StoredAsPng1Checked;
    }
    bool operator!=(const CommandStates& O) const { return !(*this == O); }
};
