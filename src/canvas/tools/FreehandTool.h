#pragma once

#include "canvas/tools/Tool.h"

// The shape the freehand tools share: the press paints at the mouse pixel and
// commits; every move paints the path from the previous pixel to the current
// one onto the committed state and commits again, then may show a mark at the
// mouse that is not kept; the release records the stroke.
class FreehandTool : public Tool {
public:
    StrokeEnd press(ToolEnv& Env, QPoint Pixel, const WorkShift& Shift) override;
    void drag(ToolEnv& Env, QPoint Pixel, const WorkShift& Shift) override;
    // The moves committed everything; only the mark at the mouse goes.
    StrokeEnd release(ToolEnv& Env, QPoint Pixel, const WorkShift& Shift) override;

protected:
    virtual void paintAt(ToolEnv& Env, QPoint Pixel) = 0;
    // From the previous pixel (painted already) to To.
    virtual void paintPath(ToolEnv& Env, QPoint From, QPoint To) = 0;
    // Shown after a move's commit, gone at the next move.
    virtual void markAfterMove(ToolEnv&, QPoint /*Pixel*/) {}
};
