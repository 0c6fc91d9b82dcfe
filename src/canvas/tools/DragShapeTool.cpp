#include "canvas/tools/DragShapeTool.h"

#include "canvas/tools/ToolOptions.h"

#include <cstdlib>

void boxCorners(QPoint D, QPoint& C, bool Shift, bool Centred, QPoint& S) {
    if (Shift) {
        const int dx = C.x() - D.x(), dy = C.y() - D.y();
        // The square lies on the side the mouse went; taking the sign from
        // the other delta would flip it whenever the deltas' signs differ.
        if (std::abs(dx) <= std::abs(dy))
            C.setY(D.y() + (dy < 0 ? -std::abs(dx) : std::abs(dx)));
        else
            C.setX(D.x() + (dx < 0 ? -std::abs(dy) : std::abs(dy)));
    }
    S = Centred ? QPoint(2 * D.x() - C.x(), 2 * D.y() - C.y()) : D;
}

StrokeEnd DragShapeTool::press(ToolEnv& Env, QPoint, const WorkShift&) {
    if (boxShape()) {
        TBitmap32& work = Env.work();
        if (Env.options().SolidFill)
            work.BrushColor = work.PenColor;
        else
            work.Filled = false;
    }
    return StrokeEnd::Keep;
}

void DragShapeTool::place(ToolEnv& Env, QPoint Pixel, const WorkShift& Shift) {
    const QPoint D = Env.Press.DownPixel;
    QPoint C = Pixel, S = D;
    if (boxShape()) boxCorners(D, C, Shift.Shift, centred(Env), S);
    const QPoint extent = C - S;
    Env.Ctx.showExtent(QString::asprintf("%d,%d", extent.x(), extent.y()));
    draw(Env, S, C);
}

void DragShapeTool::drag(ToolEnv& Env, QPoint Pixel, const WorkShift& Shift) {
    place(Env, Pixel, Shift);
}

StrokeEnd DragShapeTool::release(ToolEnv& Env, QPoint Pixel, const WorkShift& Shift) {
    place(Env, Pixel, Shift);
    return StrokeEnd::CommitAndRecord;
}
