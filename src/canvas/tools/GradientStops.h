#pragma once

#include "pixel/TColor32.h"

#include <array>

// Gradient positions run 0 .. 200: position 0 is the first end colour, 200 the
// last, anything between may carry a colour stop.
constexpr int GradientLastPosition = 200;
constexpr int GradientPositions = GradientLastPosition + 1;

// The colour definition of one gradient: which positions carry a colour and
// which colour. Positions 0 and 200 are always set.
struct ColourStops {
    std::array<TColor32, GradientPositions> colour{};
    std::array<bool, GradientPositions> set{};
};

// Every position's colour: set positions yield exactly their colour, the
// positions between two set ones interpolate each channel linearly.
using GradientColours = std::array<TColor32, GradientPositions>;
GradientColours interpolateStops(const ColourStops& stops);

// The 256 colours a gradient fill picks from. Entry i is the colour at position
// Trunc(i * 200 / 255); a fill started with any button but the left one gets
// the table reversed.
using GradientTable = std::array<TColor32, 256>;
GradientTable makeGradientTable(const GradientColours& colours, bool leftButton);
