#pragma once

#include "canvas/tools/Tool.h"

// Takes the colour under the mouse, alpha included, as the foreground colour
// (left button) or the background colour (any other); after the release the
// tool used before it is chosen again.
class PickTool : public Tool {
public:
    StrokeEnd press(ToolEnv& Env, QPoint Pixel, const WorkShift& Shift) override;
    bool returnsToPreviousTool() const override { return true; }
};
