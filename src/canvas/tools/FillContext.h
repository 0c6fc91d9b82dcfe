#pragma once

class TBitmap32;

// What the fill tool may touch of the editing session: the bitmap it paints
// into and the steps that finish a change.
class FillContext {
public:
    virtual ~FillContext() = default;
    // The WorkBitmap, its PenColor already set for the pressed button.
    virtual TBitmap32& workBitmap() = 0;
    // CleanBitmap := WorkBitmap.
    virtual void commit() = 0;
    // Snaps the committed image to its palette (nothing for true colour) and
    // copies it back into the WorkBitmap.
    virtual void fitToPalette() = 0;
    virtual void pushUndo() = 0;
};
