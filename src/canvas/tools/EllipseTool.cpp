#include "canvas/tools/EllipseTool.h"

#include "canvas/tools/AAShapes.h"
#include "canvas/tools/ToolOptions.h"

void EllipseTool::draw(ToolEnv& Env, QPoint S, QPoint C) {
    TBitmap32& work = Env.work();
    if (Env.options().Anti)
        AAEllipse(work, Env.Map, S.x(), S.y(), C.x(), C.y());
    else
        work.Ellipse(S.x(), S.y(), C.x(), C.y());
}

bool EllipseTool::centred(ToolEnv& Env) const {
    return Env.options().CenterE;
}
