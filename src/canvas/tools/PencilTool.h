#pragma once

#include "canvas/tools/Tool.h"

// Pixel-wide freehand lines in the pressed button's colour. Each move commits
// the segment up to, not including, the mouse pixel and only shows that pixel;
// the release sets it.
class PencilTool : public Tool {
public:
    StrokeEnd press(ToolEnv& Env, QPoint Pixel, const WorkShift& Shift) override;
    void drag(ToolEnv& Env, QPoint Pixel, const WorkShift& Shift) override;
    StrokeEnd release(ToolEnv& Env, QPoint Pixel, const WorkShift& Shift) override;
};
