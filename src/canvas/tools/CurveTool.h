#pragma once

#include "canvas/tools/ClickSequenceTool.h"

#include <array>

// A cubic Bezier curve placed by four clicks: start point, end point, first
// control point, second control point. A right click after the first click
// cancels; until the fourth click the curve lives only as a preview.
class CurveTool : public ClickSequenceTool {
public:
    StrokeEnd press(ToolEnv& Env, QPoint Pixel, const WorkShift& Shift) override;
    void hover(ToolEnv& Env, QPoint Pixel, const WorkShift& Shift) override;

    // P0 start, P1 and P2 control points, P3 end, in PolyBezier's order.
    const std::array<QPoint, 4>& points() const { return m_points; }

private:
    void drawCurve(ToolEnv& Env);
    std::array<QPoint, 4> m_points{};
};
