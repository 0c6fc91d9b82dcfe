#include "FillTool.h"

#include "GradientFill.h"
#include "TBitmap32.h"

#include <algorithm>

void FillTool::setAngle(int degrees) {
    m_angle = std::clamp(degrees, 0, MaxAngle);
}

void FillTool::press(FillContext& context, int X, int Y, bool leftButton) {
    TBitmap32& work = context.workBitmap();
    work.BrushColor = work.PenColor;
    switch (m_mode) {
    case Mode::Solid:
        work.FloodFill(X, Y, work.GetPixel(X, Y));
        break;
    case Mode::Linear:
        LinearGradientFill(work, X, Y, m_gradient.table(leftButton), m_angle);
        break;
    case Mode::Conical:
        ConicalGradientFill(work, X, Y, m_gradient.table(leftButton));
        break;
    }
    context.commit();
    // A gradient brings colours of its own; a blended solid fill is snapped
    // at the release like any other blended stroke.
    if (m_mode != Mode::Solid) context.fitToPalette();
    context.pushUndo();
}
