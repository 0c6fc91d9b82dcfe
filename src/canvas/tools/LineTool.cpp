#include "canvas/tools/LineTool.h"

#include "canvas/tools/AAPlot.h"
#include "canvas/tools/ToolOptions.h"

void LineTool::draw(ToolEnv& Env, QPoint S, QPoint C) {
    TBitmap32& work = Env.work();
    if (Env.options().Anti) {
        AALine(work, S.x(), S.y(), C.x(), C.y(), work.PenColor, nullptr);
    } else {
        work.MoveTo(S.x(), S.y());
        work.LineTo(C.x(), C.y());
    }
}
