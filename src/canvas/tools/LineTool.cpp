#include "tools/LineTool.h"

#include "tools/AAPlot.h"
#include "tools/ToolOptions.h"

void LineTool::draw(ToolEnv& Env, QPoint S, QPoint C) {
    TBitmap32& work = Env.work();
    if (Env.options().Anti) {
        AALine(work, S.x(), S.y(), C.x(), C.y(), work.PenColor, nullptr);
    } else {
        work.MoveTo(S.x(), S.y());
        work.LineTo(C.x(), C.y());
    }
}
