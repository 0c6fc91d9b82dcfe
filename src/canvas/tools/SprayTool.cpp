#include "canvas/tools/SprayTool.h"

#include "pixel/Random.h"
#include "canvas/tools/ToolOptions.h"

#include <cmath>

namespace {
constexpr double Pi = 3.14159265358979323846;
}

void SprayTool::tick(ToolEnv& Env) {
    TBitmap32& work = Env.work();
    const QPoint centre = Env.Press.LastPixel;
    Randomize();
    // Each dot's distance is drawn below the previous one's, the first below
    // the radius: the dots crowd towards the centre.
    int d = Env.options().sprayRadius();
    for (int i = 0; i < DotsPerTick; ++i) {
        const double a = Random(360) * Pi / 180.0;
        d = Random(d);
        work.PutPixel(centre.x() + RoundHalfEven(std::cos(a) * d),
                      centre.y() + RoundHalfEven(std::sin(a) * d), work.PenColor);
    }
    Env.Ctx.commit();
}

StrokeEnd SprayTool::release(ToolEnv&, QPoint, const WorkShift&) {
    return StrokeEnd::CommitAndRecord;
}
