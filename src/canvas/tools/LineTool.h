#pragma once

#include "canvas/tools/DragShapeTool.h"

// A straight line from the press pixel; hard-edged it stops before the mouse
// pixel, antialiased it covers both ends.
class LineTool : public DragShapeTool {
protected:
    void draw(ToolEnv& Env, QPoint S, QPoint C) override;
    bool boxShape() const override { return false; }
};
