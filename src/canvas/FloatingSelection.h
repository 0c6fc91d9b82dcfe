#pragma once

#include "pixel/TBitmap32.h"

#include <QPoint>
#include <QRect>
#include <optional>

// A rectangle of pixels lifted out of the active image or pasted into it. It
// lies over the image at a rectangle of its own until it is dropped into the
// image or discarded; the image's records never hold it before that.
//
// The rectangle changes only through the operations below, so every change
// of place or size (a drag, an effect that gives the pixels a new size) goes
// through one owner.
class FloatingSelection {
public:
    FloatingSelection() = default;
    // Pixels pasted (or captured) into Rect: nothing of them is recorded.
    static FloatingSelection pasted(TBitmap32 Pixels, const QRect& Rect);
    // Pixels lifted out of the image at Rect. They are remembered as they
    // came, so that cancelling the lift can put them back where they were.
    static FloatingSelection lifted(TBitmap32 Pixels, const QRect& Rect);

    // The pixels at their own size; they are drawn scaled into
    // SelectionRect(). Effects change them in place.
    TBitmap32 Pixels;

    // Built with TRect(): Right and Bottom exclusive. It may lie partly or
    // wholly outside the image, and stretching may leave it without width or
    // height, in which case nothing of it is drawn.
    const QRect& SelectionRect() const { return m_rect; }
    // Moving changes all four edges.
    void moveBy(QPoint Step) { m_rect.translate(Step); }
    // Stretching changes only the right and bottom edges.
    void stretchBy(int DX, int DY);
    // An effect that gave the pixels a new size (a turn, a contract) places
    // them anew.
    void place(const QRect& Rect) { m_rect = Rect; }

    // Came from Paste (or a screen capture): nothing of it is in the undo
    // history yet, and cancelling it leaves the image as it is.
    bool PastedSelection() const { return !m_origin.has_value(); }

    // Where a lifted selection came from and what it held then.
    struct Origin {
        TBitmap32 Pixels;
        QRect Rect;
    };
    const std::optional<Origin>& origin() const { return m_origin; }

    // What the view shows of it: the pixels scaled into a buffer the size of
    // the rectangle (empty when the rectangle has no width or height).
    TBitmap32 shownPixels() const;

private:
    QRect m_rect;
    std::optional<Origin> m_origin;
};
