#pragma once

#include "canvas/tools/Tool.h"

// Sets the active image's hot spot to the clicked pixel.
class HotSpotTool : public Tool {
public:
    StrokeEnd press(ToolEnv& Env, QPoint Pixel, const WorkShift& Shift) override;
};
