#pragma once

#include "canvas/tools/FreehandTool.h"

// The brush footprint stamped along the mouse path, one stamp per pixel step
// of the longer axis; the footprint under the mouse is previewed on every move.
class BrushTool : public FreehandTool {
public:
    void hover(ToolEnv& Env, QPoint Pixel, const WorkShift& Shift) override;
    bool drawsHoverPreview() const override { return true; }

protected:
    void paintAt(ToolEnv& Env, QPoint Pixel) override;
    void paintPath(ToolEnv& Env, QPoint From, QPoint To) override;

private:
    static void stamp(ToolEnv& Env, double X, double Y);
};
