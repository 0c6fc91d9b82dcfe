#include "canvas/tools/PickTool.h"

StrokeEnd PickTool::press(ToolEnv& Env, QPoint Pixel, const WorkShift&) {
    // Outside the image this reads 0: transparent black.
    const TColor32 p = Env.work().GetPixel(Pixel.x(), Pixel.y());
    if (Env.Press.LeftButtonDown)
        Env.Ctx.setForegroundColor32(p);
    else
        Env.Ctx.setBackgroundColor32(p);
    return StrokeEnd::Keep;
}
