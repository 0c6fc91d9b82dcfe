#pragma once

#include "canvas/tools/GradientModel.h"

#include <algorithm>

// The fill tool's option panel PatilP: the fill mode, the linear gradient's
// angle and the gradient of the gradient bar. The session owns one for the
// whole run; the panel binds to it and the fill tool reads it at each click.
struct FillOptions {
    enum class Mode { Solid, Linear, Conical }; // Fill1, Fill2, Fill3
    static constexpr int MaxAngle = 179;        // AngUP, in steps of 5
    static constexpr int AngleStep = 5;

    Mode FillMode = Mode::Solid;
    int Angle = 0; // degrees
    GradientModel Gradient;

    int angle() const { return std::clamp(Angle, 0, MaxAngle); }
};
