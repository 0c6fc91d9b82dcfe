#pragma once

#include "canvas/tools/Tool.h"

// While the button is down, every tick of SprayTim scatters 11 dots around
// the mouse pixel.
class SprayTool : public Tool {
public:
    void tick(ToolEnv& Env) override;
    bool usesTimer() const override { return true; }
    StrokeEnd release(ToolEnv& Env, QPoint Pixel, const WorkShift& Shift) override;

    static constexpr int DotsPerTick = 11;
};
