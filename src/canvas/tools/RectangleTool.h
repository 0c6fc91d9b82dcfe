#pragma once

#include "canvas/tools/DragShapeTool.h"

// A rectangle, outlined or solid, always hard-edged.
class RectangleTool : public DragShapeTool {
protected:
    void draw(ToolEnv& Env, QPoint S, QPoint C) override;
};
