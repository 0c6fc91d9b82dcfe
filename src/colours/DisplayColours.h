#pragma once

#include "pixel/TColor32.h"

#include <optional>

// The three "&Options" commands that choose how the work view shows
// transparent pixels, inverted pixels and the grid.
enum class DisplayColour { TraColor, InvColor, GridColor };

// What the window must redo after a display colour was chosen.
struct DisplayColourUpdate {
    bool Changed = false;           // the dialog closed with OK
    bool RebuildColoursBox = false; // the marker cells show the colour
    bool RenderWorkView = false;
};

// Stores the dialog's answer Chosen (empty on Cancel: nothing changes) in
// Setting, the caller's TraColor, InvColor or GridColor. The dialog was
// initialised with Setting. No pixel is touched: pixels that carried the old
// inverted colour count as transparent from then on, in the view and in the
// file alike.
DisplayColourUpdate chooseDisplayColour(DisplayColour Which, std::optional<TColor> Chosen,
                                        TColor& Setting);
