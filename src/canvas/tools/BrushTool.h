#pragma once

#include "canvas/tools/Tool.h"

// The brush footprint stamped along the mouse path, one stamp per pixel step
// of the longer axis; the footprint under the mouse is previewed on every move.
class BrushTool : public Tool {
public:
    StrokeEnd press(ToolEnv& Env, QPoint Pixel, const WorkShift& Shift) override;
    void hover(ToolEnv& Env, QPoint Pixel, const WorkShift& Shift) override;
    void drag(ToolEnv& Env, QPoint Pixel, const WorkShift& Shift) override;
    StrokeEnd release(ToolEnv& Env, QPoint Pixel, const WorkShift& Shift) override;

private:
    static void stamp(ToolEnv& Env, double X, double Y);
};
