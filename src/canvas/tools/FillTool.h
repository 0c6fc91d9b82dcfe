#pragma once

#include "FillContext.h"
#include "GradientModel.h"

// The fill tool: a click fills the connected area of the clicked pixel's exact
// colour, solid or with the gradient of the gradient bar. Its options are the
// fill mode, the linear gradient's angle and the gradient itself; the option
// panel binds to them.
class FillTool {
public:
    enum class Mode {
        Solid,
        Linear,
        Conical
    }; // "Solid Fill", "Linear Gradient", "Conical Gradient"
    static constexpr int MaxAngle = 179;
    static constexpr int AngleStep = 5;

    Mode mode() const { return m_mode; }
    void setMode(Mode mode) { m_mode = mode; }
    int angle() const { return m_angle; }
    void setAngle(int degrees); // clamped to 0 .. 179
    GradientModel& gradient() { return m_gradient; }
    const GradientModel& gradient() const { return m_gradient; }

    // The press at pixel (X, Y) does the whole fill, committed and recorded for
    // undo; the release adds nothing of its own. The solid fill paints with
    // the WorkBitmap's PenColor; a gradient is reversed for any button but the
    // left one.
    void press(FillContext& context, int X, int Y, bool leftButton);

private:
    Mode m_mode = Mode::Solid;
    int m_angle = 0;
    GradientModel m_gradient;
};
