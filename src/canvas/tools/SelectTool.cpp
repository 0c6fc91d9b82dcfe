#include "canvas/tools/SelectTool.h"

#include <algorithm>
#include <utility>

namespace {

constexpr int CrossCursor = 22, MoveCursor = 23, RightCursor = 29, BottomCursor = 30,
              CornerCursor = 31;

TColor32 inverse(TColor32 C) {
    return SetAlpha(0xFFFFFFu - Color32ToColor(C), 255);
}

} // namespace

SelectHandle HandleAt(const QRect& SelectionRect, QPoint Pixel) {
    const int L = SelectionRect.left(), T = SelectionRect.top();
    const int R = RectRight(SelectionRect), B = RectBottom(SelectionRect);
    const int X = Pixel.x(), Y = Pixel.y();
    const bool inColumns = L <= X && X <= R - 2, onRightEdge = X == R - 1;
    const bool inRows = T <= Y && Y <= B - 2, onBottomEdge = Y == B - 1;
    if (inColumns && inRows) return SelectHandle::Move;
    if (onRightEdge && inRows) return SelectHandle::Right;
    if (inColumns && onBottomEdge) return SelectHandle::Bottom;
    if (onRightEdge && onBottomEdge) return SelectHandle::Corner;
    return SelectHandle::None;
}

int HandleCursor(SelectHandle Handle) {
    switch (Handle) {
    case SelectHandle::Move:
        return MoveCursor;
    case SelectHandle::Right:
        return RightCursor;
    case SelectHandle::Bottom:
        return BottomCursor;
    case SelectHandle::Corner:
        return CornerCursor;
    case SelectHandle::None:
        break;
    }
    return CrossCursor;
}

void DrawRubberBand(TBitmap32& Work, QPoint From, QPoint To) {
    if (From.x() == To.x() || From.y() == To.y()) return;
    const int x1 = std::min(From.x(), To.x()), x2 = std::max(From.x(), To.x());
    const int y1 = std::min(From.y(), To.y()), y2 = std::max(From.y(), To.y());
    // The bottom and right edges read the pixels just inside them, after the
    // top and left edges have been written: a band two pixels high shows its
    // top row inverted twice along the bottom.
    for (int x = x1; x <= x2; ++x) {
        Work.SetPixel(x, y1, inverse(Work.GetPixel(x, y1)));
        Work.SetPixel(x, y2, inverse(Work.GetPixel(x, y2 - 1)));
    }
    for (int y = y1 + 1; y <= y2 - 1; ++y) {
        Work.SetPixel(x1, y, inverse(Work.GetPixel(x1, y)));
        Work.SetPixel(x2, y, inverse(Work.GetPixel(x2 - 1, y)));
    }
}

void SelectTool::showHandle(SelectHandle Handle) {
    m_handle = Handle;
    m_selection.setWorkCursor(HandleCursor(Handle));
}

void SelectTool::selected(ToolEnv&) {
    m_handle = SelectHandle::None;
}

StrokeEnd SelectTool::press(ToolEnv&, QPoint Pixel, const WorkShift&) {
    // Taken afresh at the press pixel: the selection may have come or moved
    // (a paste, an effect) since the mouse last hovered.
    FloatingSelection* floating = m_selection.floatingSelection();
    showHandle(floating ? HandleAt(floating->SelectionRect(), Pixel) : SelectHandle::None);
    if (m_handle == SelectHandle::None) {
        if (floating) m_selection.DropSelection();
    } else {
        m_selection.setSelTimInterval(0);
    }
    return StrokeEnd::Keep;
}

void SelectTool::hover(ToolEnv& Env, QPoint Pixel, const WorkShift&) {
    // During a drag the handle taken at the press stays.
    if (Env.Press.MouseIsDown) return;
    const FloatingSelection* floating = m_selection.floatingSelection();
    const SelectHandle h =
        floating ? HandleAt(floating->SelectionRect(), Pixel) : SelectHandle::None;
    if (h != m_handle) showHandle(h);
}

void SelectTool::drag(ToolEnv& Env, QPoint Pixel, const WorkShift&) {
    FloatingSelection* floating = m_selection.floatingSelection();
    if (m_handle == SelectHandle::None || !floating) {
        DrawRubberBand(Env.work(), Env.Press.DownPixel, Pixel);
        return;
    }
    const QPoint step = Pixel - Env.Press.LastPixel;
    if (m_handle == SelectHandle::Move) {
        floating->moveBy(step);
        return;
    }
    floating->stretchBy(m_handle != SelectHandle::Bottom ? step.x() : 0,
                        m_handle != SelectHandle::Right ? step.y() : 0);
    const QRect& r = floating->SelectionRect();
    Env.Ctx.showExtent(QString::asprintf("%d,%d", r.width(), r.height()));
}

StrokeEnd SelectTool::release(ToolEnv& Env, QPoint Pixel, const WorkShift&) {
    if (m_handle != SelectHandle::None) {
        // A move or stretch ends; nothing is recorded until the drop.
        m_selection.setSelTimInterval(500);
        return StrokeEnd::Keep;
    }
    const QPoint down = Env.Press.DownPixel;
    // A click, or a drag along one row or column, makes no selection.
    if (Pixel.x() == down.x() || Pixel.y() == down.y()) return StrokeEnd::Keep;
    lift(Env, TRect(std::min(Pixel.x(), down.x()), std::min(Pixel.y(), down.y()),
                    std::max(Pixel.x(), down.x()) + 1, std::max(Pixel.y(), down.y()) + 1));
    return StrokeEnd::Keep;
}

void SelectTool::lift(ToolEnv& Env, const QRect& Rect) {
    TBitmap32 pixels(Rect.width(), Rect.height());
    // Copied as they are: composited onto the new buffer's transparent black,
    // pixels of alpha 0 would lose their colour, and with it the screen-
    // inverting pixels, which are alpha 0 in the inverted colour. Parts of
    // the rectangle outside the image read as 0.
    pixels.Blend = false;
    pixels.CopyRect(TRect(0, 0, Rect.width(), Rect.height()), Env.work(), Rect);
    pixels.Blend = true;

    // The hole left behind takes the background colour, alpha included: with
    // the default transparent black it is transparent.
    TBitmap32& clean = Env.Ctx.cleanBitmap();
    const TColor32 back = Env.Ctx.backgroundColor32();
    clean.PenColor = back;
    clean.BrushColor = back;
    clean.Filled = true;
    clean.Blend = false;
    clean.Rectangle(Rect);
    clean.Blend = Env.work().Blend;

    m_selection.floatSelection(FloatingSelection::lifted(std::move(pixels), Rect));
    Env.Ctx.reset();
}
