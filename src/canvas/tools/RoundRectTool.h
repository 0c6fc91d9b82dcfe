#pragma once

#include "canvas/tools/DragShapeTool.h"

// A rectangle with corners rounded by the RoundP ellipse.
class RoundRectTool : public DragShapeTool {
protected:
    void draw(ToolEnv& Env, QPoint S, QPoint C) override;
};
