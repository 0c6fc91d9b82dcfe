#include "canvas/tools/HotSpotTool.h"

StrokeEnd HotSpotTool::press(ToolEnv& Env, QPoint Pixel, const WorkShift&) {
    // The work view can be larger than the image; a hot spot outside the
    // image would be written into the file as a wrapped byte.
    if (Env.work().inside(Pixel.x(), Pixel.y())) Env.Ctx.setHotSpot(Pixel);
    return StrokeEnd::Keep;
}
