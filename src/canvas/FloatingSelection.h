#pragma once

#include "pixel/TBitmap32.h"

#include <QRect>

// A rectangle of pixels lifted out of the active image or pasted into it. It
// lies over the image at a rectangle of its own until it is dropped into the
// image or discarded; the image's records never hold it before that.
struct FloatingSelection {
    // The pixels at their own size; they are drawn scaled into SelectionRect.
    TBitmap32 Pixels;
    // Built with TRect(): Right and Bottom exclusive. It may lie partly or
    // wholly outside the image, and stretching may leave it without width or
    // height, in which case nothing of it is drawn.
    QRect SelectionRect;
    // Came from Paste (or a screen capture): nothing of it is in the undo
    // history yet.
    bool PastedSelection = false;
};
