#pragma once

#include "colours/ColourState.h"
#include "colours/ColoursBox.h"
#include "pixel/TBitmap32.h"

#include <Qt>

// What the colours panel's widgets may read and do: the two drawing colours,
// the palette box, and the clicks that change them. The session implements
// it; the panel tells its widgets when the colours or the box changed.
class ColourEditing {
public:
    virtual ~ColourEditing() = default;
    virtual ColourState colours() const = 0;
    virtual void setColours(const ColourState& State) = 0;
    // The alpha slider writes the pens' alphas here as it moves.
    virtual TBitmap32& WorkBitmap() = 0;
    virtual const ColoursBox& coloursBox() const = 0;
    virtual void ColorsBoxMouseDown(int X, int Y, Qt::MouseButton Button) = 0;
    // A click on a swatch: the right button swaps, any other asks.
    virtual void pecolMouseDown(ColourSlot Slot, Qt::MouseButton Button) = 0;
};
