#include "canvas/tools/PencilTool.h"

StrokeEnd PencilTool::press(ToolEnv& Env, QPoint Pixel, const WorkShift&) {
    Env.work().MoveTo(Pixel.x(), Pixel.y());
    Env.Ctx.commit();
    return StrokeEnd::Keep;
}

void PencilTool::drag(ToolEnv& Env, QPoint Pixel, const WorkShift&) {
    TBitmap32& work = Env.work();
    work.LineTo(Pixel.x(), Pixel.y());
    Env.Ctx.commit();
    work.PutPixel(Pixel.x(), Pixel.y(), work.PenColor);
}

StrokeEnd PencilTool::release(ToolEnv& Env, QPoint Pixel, const WorkShift&) {
    // The release pixel is the last one the mouse moved to: it is set, and
    // the stroke up to it was committed by the moves.
    TBitmap32& work = Env.work();
    work.PutPixel(Pixel.x(), Pixel.y(), work.PenColor);
    return StrokeEnd::CommitAndRecord;
}
