#include "canvas/tools/FreehandTool.h"

StrokeEnd FreehandTool::press(ToolEnv& Env, QPoint Pixel, const WorkShift&) {
    // A hover preview must not be taken into the stroke.
    Env.Ctx.reset();
    paintAt(Env, Pixel);
    Env.Ctx.commit();
    return StrokeEnd::Keep;
}

void FreehandTool::drag(ToolEnv& Env, QPoint Pixel, const WorkShift&) {
    Env.Ctx.reset();
    paintPath(Env, Env.Press.LastPixel, Pixel);
    Env.Ctx.commit();
    markAfterMove(Env, Pixel);
}

StrokeEnd FreehandTool::release(ToolEnv&, QPoint, const WorkShift&) {
    return StrokeEnd::ResetAndRecord;
}
