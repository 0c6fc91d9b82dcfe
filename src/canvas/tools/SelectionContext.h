#pragma once

#include "canvas/FloatingSelection.h"

// What the select tool may do with the floating selection besides what every
// tool may do: read and move it, drop it into the image, float a new one, hold
// or run its marching frame, and show the cursor of the handle under the
// mouse. The session implements it.
class SelectionContext {
public:
    virtual ~SelectionContext() = default;

    // The floating selection, or null when there is none.
    virtual FloatingSelection* floatingSelection() = 0;
    // DropSelection: merges it into the image, records the result and
    // discards it.
    virtual void DropSelection() = 0;
    // A new selection floats over the image with its frame marching.
    virtual void floatSelection(FloatingSelection Selection) = 0;
    // SelTim's interval: 0 holds the frame while the selection is being moved
    // or stretched, 500 lets it march again.
    virtual void setSelTimInterval(int Milliseconds) = 0;
    // The cursor Work shows, by its registered number.
    virtual void setWorkCursor(int Number) = 0;
};
