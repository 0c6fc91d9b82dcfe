#pragma once

#include "canvas/tools/Tool.h"

// The fill tool: a click fills the connected area of the clicked pixel's exact
// colour, solid with the pen colour of the pressed button or with the
// gradient of the options. The whole change happens at the press; the release
// adds nothing of its own.
class FillTool : public Tool {
public:
    StrokeEnd press(ToolEnv& Env, QPoint Pixel, const WorkShift& Shift) override;
};
