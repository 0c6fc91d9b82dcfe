#pragma once

#include "pixel/TBitmap32.h"

#include <QRect>
#include <QString>

// What the effect frame may reach of the editing session: the pixels to
// change and the few steps that finish a change.
class EffectContext {
public:
    virtual ~EffectContext() = default;
    // The work copy of the active image, its preview dropped first when
    // Reset is true (WorkBitmap := CleanBitmap).
    virtual TBitmap32& workBitmap(bool Reset) = 0;
    // The pixels of the floating selection, or nullptr when there is none.
    virtual TBitmap32* floatingTarget() = 0;
    // The floating selection's rectangle. Effects keep it; only those that
    // give the selection a new size (the turns, Smooth Contract) place it
    // anew, where their own rules put it.
    virtual QRect floatingRect() const = 0;
    virtual void placeFloatingSelection(const QRect& Rect) = 0;
    // The work copy's change is committed, snapped to the palette of a
    // palette image and recorded as one undo step.
    virtual void commitEffect() = 0;
    // The floating selection changed: it is mapped to the palette and the
    // document counts as modified; nothing is recorded.
    virtual void finishFloatingEffect() = 0;
    // The view repaints now and once more shortly after.
    virtual void showEffect() = 0;
    virtual TColor32 foregroundColor32() const = 0;
    virtual int traRange() const = 0;
    // Text for the status bar: why an effect did not run.
    virtual void showStatus(const QString& Text) = 0;
};
