#include "tools/PencilTool.h"

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
    TBitmap32& work = Env.work();
    // A release away from the last move still joins up with the stroke.
    work.LineTo(Pixel.x(), Pixel.y());
    work.PutPixel(Pixel.x(), Pixel.y(), work.PenColor);
    return StrokeEnd::CommitAndRecord;
}
