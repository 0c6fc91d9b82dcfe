#include "canvas/tools/FillTool.h"

#include "canvas/tools/FillOptions.h"
#include "canvas/tools/GradientFill.h"

StrokeEnd FillTool::press(ToolEnv& Env, QPoint Pixel, const WorkShift&) {
    TBitmap32& work = Env.work();
    const int x = Pixel.x(), y = Pixel.y();
    work.BrushColor = work.PenColor;
    const FillOptions& options = Env.fill();
    switch (options.FillMode) {
    case FillOptions::Mode::Solid:
        work.FloodFill(x, y, work.GetPixel(x, y));
        // Committed and recorded by the controller, which also snaps a blended
        // fill to the palette like any blended stroke.
        return StrokeEnd::CommitAndRecord;
    case FillOptions::Mode::Linear:
        LinearGradientFill(work, x, y, options.Gradient.table(Env.Press.LeftButtonDown),
                           options.angle());
        break;
    case FillOptions::Mode::Conical:
        ConicalGradientFill(work, x, y, options.Gradient.table(Env.Press.LeftButtonDown));
        break;
    }
    // A gradient brings colours of its own: snapped to the palette whatever
    // the blend switch, before it is recorded.
    return StrokeEnd::CommitFitAndRecord;
}
