#include "canvas/tools/RoundRectTool.h"

#include "canvas/tools/AAShapes.h"
#include "canvas/tools/ToolOptions.h"

void RoundRectTool::draw(ToolEnv& Env, QPoint S, QPoint C) {
    TBitmap32& work = Env.work();
    const ToolOptions& o = Env.options();
    const int ew = o.roundWidth(), eh = o.roundHeight();
    if (o.Anti)
        AARoundRect(work, Env.Map, S.x(), S.y(), C.x(), C.y(), ew, eh);
    else
        work.RoundRect(S.x(), S.y(), C.x(), C.y(), ew, eh);
}
