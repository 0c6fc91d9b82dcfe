#pragma once

#include "canvas/FloatingSelection.h"
#include "document/IconDocument.h"
#include "document/file/Transparency.h"
#include "pixel/TBitmap32.h"
#include "session/ProgramSettings.h"

// What the work view shows of the session: the active image, its two working
// copies, the display settings, the transparency rules and the floating
// selection. The session implements it; connectWorkView wires the session's
// signals.
class WorkDisplay {
public:
    virtual ~WorkDisplay() = default;
    virtual IconImage& ActiveImage() = 0;
    virtual const ProgramSettings& settings() const = 0;
    virtual TBitmap32& WorkBitmap() = 0;
    virtual TBitmap32& CleanBitmap() = 0;
    virtual TransparencySettings transparency() const = 0;
    // The floating selection drawn over the image, or nullptr.
    virtual const FloatingSelection* floatingSelection() const = 0;
};
