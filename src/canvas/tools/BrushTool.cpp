#include "canvas/tools/BrushTool.h"

#include "canvas/tools/AAPlot.h"
#include "canvas/tools/ToolOptions.h"

#include <cstdlib>

void BrushTool::stamp(ToolEnv& Env, double X, double Y) {
    const ToolOptions& o = Env.options();
    BrushStamp(Env.work(), o.Brush, o.Anti, X, Y);
}

void BrushTool::paintAt(ToolEnv& Env, QPoint Pixel) {
    stamp(Env, Pixel.x(), Pixel.y());
}

void BrushTool::hover(ToolEnv& Env, QPoint Pixel, const WorkShift&) {
    stamp(Env, Pixel.x(), Pixel.y());
}

void BrushTool::paintPath(ToolEnv& Env, QPoint From, QPoint To) {
    const int lx = From.x(), ly = From.y();
    const int x = To.x(), y = To.y();
    const int dx = x - lx, dy = y - ly;
    // Stamps run in increasing order; the current pixel is stamped, the last
    // one was stamped by the previous event.
    if (std::abs(dx) > std::abs(dy)) {
        const int from = dx > 0 ? lx + 1 : x, to = dx > 0 ? x : lx - 1;
        for (int i = from; i <= to; ++i)
            stamp(Env, i, double(i - lx) * dy / dx + ly);
    } else if (dy != 0) {
        const int from = dy > 0 ? ly + 1 : y, to = dy > 0 ? y : ly - 1;
        for (int j = from; j <= to; ++j)
            stamp(Env, double(j - ly) * dx / dy + lx, j);
    }
}
