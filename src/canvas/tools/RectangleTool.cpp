#include "canvas/tools/RectangleTool.h"

void RectangleTool::draw(ToolEnv& Env, QPoint S, QPoint C) {
    Env.work().Rectangle(S.x(), S.y(), C.x(), C.y());
}
