#pragma once

#include "canvas/tools/DragShapeTool.h"

// An ellipse inscribed in the dragged box, or centred on the press pixel
// with CenterE.
class EllipseTool : public DragShapeTool {
protected:
    void draw(ToolEnv& Env, QPoint S, QPoint C) override;
    bool centred(ToolEnv& Env) const override;
};
