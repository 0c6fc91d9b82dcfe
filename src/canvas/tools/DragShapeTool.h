#pragma once

#include "canvas/tools/Tool.h"

// The shapes placed by one drag, from the press pixel to the mouse: a rubber
// band while the button is held, drawn once more at the release and
// committed. Preview and commit go through the same draw().
class DragShapeTool : public Tool {
public:
    StrokeEnd press(ToolEnv& Env, QPoint Pixel, const WorkShift& Shift) override;
    void drag(ToolEnv& Env, QPoint Pixel, const WorkShift& Shift) override;
    StrokeEnd release(ToolEnv& Env, QPoint Pixel, const WorkShift& Shift) override;

protected:
    // Draws the shape from corner S to corner C into the WorkBitmap.
    virtual void draw(ToolEnv& Env, QPoint S, QPoint C) = 0;
    // Rectangle-like shapes take the fill option, Shift for squares and,
    // where offered, the centred mode; the line takes none of them.
    virtual bool boxShape() const { return true; }
    virtual bool centred(ToolEnv&) const { return false; }

private:
    void place(ToolEnv& Env, QPoint Pixel, const WorkShift& Shift);
};

// The corners of a box shape dragged from D to C: with Shift the shorter
// side sets both sides (the longer one keeps its direction); Centred makes D
// the centre.
void boxCorners(QPoint D, QPoint& C, bool Shift, bool Centred, QPoint& S);
