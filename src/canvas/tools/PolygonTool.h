#pragma once

#include "canvas/tools/ClickSequenceTool.h"

#include <vector>

// A closed polygon: each click adds a vertex, a double click draws the
// polygon through them, a right click after the first vertex cancels. The
// vertex table grows as needed.
class PolygonTool : public ClickSequenceTool {
public:
    StrokeEnd press(ToolEnv& Env, QPoint Pixel, const WorkShift& Shift) override;
    void hover(ToolEnv& Env, QPoint Pixel, const WorkShift& Shift) override;
    StrokeEnd doubleClick(ToolEnv& Env) override;

    // PolygonCount: vertices clicked so far; -1 right after a cancel or a
    // finish, until the next press.
    int count() const { return m_step; }
    const std::vector<QPoint>& vertices() const { return m_points; }

private:
    void segment(ToolEnv& Env, QPoint From, QPoint To);
    std::vector<QPoint> m_points;
};
