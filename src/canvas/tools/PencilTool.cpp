#include "canvas/tools/PencilTool.h"

void PencilTool::paintAt(ToolEnv& Env, QPoint Pixel) {
    Env.work().MoveTo(Pixel.x(), Pixel.y());
}

void PencilTool::paintPath(ToolEnv& Env, QPoint, QPoint To) {
    // The pen position is where the previous segment ended.
    Env.work().LineTo(To.x(), To.y());
}

void PencilTool::markAfterMove(ToolEnv& Env, QPoint Pixel) {
    TBitmap32& work = Env.work();
    work.PutPixel(Pixel.x(), Pixel.y(), work.PenColor);
}

StrokeEnd PencilTool::release(ToolEnv& Env, QPoint Pixel, const WorkShift&) {
    // The release pixel is the last one the mouse moved to: it is set, and
    // the stroke up to it was committed by the moves.
    TBitmap32& work = Env.work();
    work.PutPixel(Pixel.x(), Pixel.y(), work.PenColor);
    return StrokeEnd::CommitAndRecord;
}
