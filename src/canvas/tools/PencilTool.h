#pragma once

#include "canvas/tools/FreehandTool.h"

// Pixel-wide freehand lines in the pressed button's colour. Each move commits
// the segment up to, not including, the mouse pixel and only shows that pixel;
// the release sets it.
class PencilTool : public FreehandTool {
public:
    StrokeEnd release(ToolEnv& Env, QPoint Pixel, const WorkShift& Shift) override;

protected:
    void paintAt(ToolEnv& Env, QPoint Pixel) override;
    void paintPath(ToolEnv& Env, QPoint From, QPoint To) override;
    void markAfterMove(ToolEnv& Env, QPoint Pixel) override;
};
