#pragma once

#include "canvas/tools/FreehandTool.h"

#include <QRect>
#include <vector>

// A rectangular footprint that paints the background colour with the left
// button; with another button it replaces exactly the foreground colour by
// the background colour. Two quadrilaterals join the footprints of
// consecutive mouse positions, so fast strokes leave no gaps.
class EraserTool : public FreehandTool {
public:
    void hover(ToolEnv& Env, QPoint Pixel, const WorkShift& Shift) override;
    bool drawsHoverPreview() const override { return true; }

    // The footprint centred on a pixel, right and bottom exclusive: columns
    // X - W div 2 .. X - W div 2 + W - 1, rows likewise.
    static QRect footprint(QPoint Pixel, int W, int H);

protected:
    void paintAt(ToolEnv& Env, QPoint Pixel) override;
    void paintPath(ToolEnv& Env, QPoint From, QPoint To) override;
    void markAfterMove(ToolEnv& Env, QPoint Pixel) override;

private:
    static void drawFootprint(TBitmap32& Work, QPoint Pixel, int W, int H);
    // Marks (a buffer of Work's size) the two quadrilaterals between the
    // footprints of From and To and the footprint of To.
    static std::vector<bool> sweep(const TBitmap32& Work, QPoint From, QPoint To, int W, int H);
    // Every marked pixel exactly equal to From becomes To.
    static void replaceColour(TBitmap32& Work, const std::vector<bool>& Marked, TColor32 From,
                              TColor32 To);
};
