#include "canvas/tools/EraserTool.h"

#include "canvas/tools/ToolOptions.h"

namespace {

std::vector<bool> footprintMask(const TBitmap32& Work, const QRect& R) {
    std::vector<bool> marked(std::size_t(Work.Width) * std::size_t(Work.Height), false);
    const QRect r = R.intersected(Work.BoundsRect());
    for (int y = r.top(); y <= r.bottom(); ++y)
        for (int x = r.left(); x <= r.right(); ++x)
            marked[std::size_t(y) * std::size_t(Work.Width) + std::size_t(x)] = true;
    return marked;
}

} // namespace

QRect EraserTool::footprint(QPoint Pixel, int W, int H) {
    const int left = Pixel.x() - W / 2, top = Pixel.y() - H / 2;
    return TRect(left, top, left + W, top + H);
}

void EraserTool::drawFootprint(TBitmap32& Work, QPoint Pixel, int W, int H) {
    Work.Rectangle(footprint(Pixel, W, H));
}

void EraserTool::paintAt(ToolEnv& Env, QPoint Pixel) {
    TBitmap32& work = Env.work();
    const ToolOptions& o = Env.options();
    const int w = o.eraserWidth(), h = o.eraserHeight();
    work.PenColor = work.BrushColor;
    if (Env.Press.LeftButtonDown)
        drawFootprint(work, Pixel, w, h);
    else
        // The colour of the pressed button's other side: the foreground for
        // the right button. The moves that follow replace the foreground.
        replaceColour(work, footprintMask(work, footprint(Pixel, w, h)), work.BrushColor,
                      Env.Ctx.backgroundColor32());
}

void EraserTool::hover(ToolEnv& Env, QPoint Pixel, const WorkShift&) {
    TBitmap32& work = Env.work();
    const ToolOptions& o = Env.options();
    work.PenColor = work.BrushColor;
    drawFootprint(work, Pixel, o.eraserWidth(), o.eraserHeight());
}

void EraserTool::paintPath(ToolEnv& Env, QPoint From, QPoint To) {
    TBitmap32& work = Env.work();
    const ToolOptions& o = Env.options();
    const int w = o.eraserWidth(), h = o.eraserHeight();
    // The hover step previewed this footprint and the reset took it away; it
    // is painted again below, together with the quadrilaterals, so that no
    // pixel is painted twice by one event (which a blended, half-transparent
    // colour would show).
    const std::vector<bool> marked = sweep(work, From, To, w, h);
    if (Env.Press.LeftButtonDown) {
        const TColor32 back = work.BrushColor;
        for (int y = 0; y < work.Height; ++y)
            for (int x = 0; x < work.Width; ++x)
                if (marked[std::size_t(y) * std::size_t(work.Width) + std::size_t(x)])
                    work.PutPixel(x, y, back);
    } else {
        replaceColour(work, marked, Env.Ctx.foregroundColor32(), Env.Ctx.backgroundColor32());
    }
}

void EraserTool::markAfterMove(ToolEnv& Env, QPoint Pixel) {
    const ToolOptions& o = Env.options();
    drawFootprint(Env.work(), Pixel, o.eraserWidth(), o.eraserHeight());
}

std::vector<bool> EraserTool::sweep(const TBitmap32& Work, QPoint From, QPoint To, int W, int H) {
    std::vector<bool> marked = footprintMask(Work, footprint(To, W, H));
    const QRect l = footprint(From, W, H), c = footprint(To, W, H);
    // Corner pixels of the footprints (right column and bottom row inclusive).
    auto tl = [](const QRect& r) { return QPoint(r.left(), r.top()); };
    auto br = [](const QRect& r) { return QPoint(r.right(), r.bottom()); };
    auto bl = [](const QRect& r) { return QPoint(r.left(), r.bottom()); };
    auto tr = [](const QRect& r) { return QPoint(r.right(), r.top()); };
    TBitmap32 mask(Work.Width, Work.Height);
    mask.Blend = false;
    mask.PenColor = mask.BrushColor = 0xFFFFFFFFu;
    mask.Polygon({tl(l), tl(c), br(c), br(l)});
    mask.Polygon({bl(l), bl(c), tr(c), tr(l)});
    for (std::size_t i = 0; i < marked.size(); ++i)
        if (mask.Bits[i] != 0) marked[i] = true;
    return marked;
}

void EraserTool::replaceColour(TBitmap32& work, const std::vector<bool>& Marked, TColor32 From,
                               TColor32 To) {
    // Exactly From, alpha included, becomes To, never blended.
    for (int y = 0; y < work.Height; ++y)
        for (int x = 0; x < work.Width; ++x) {
            const std::size_t i = std::size_t(y) * std::size_t(work.Width) + std::size_t(x);
            if (Marked[i] && work.Bits[i] == From) work.SetPixel(x, y, To);
        }
}
