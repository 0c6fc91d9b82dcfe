#pragma once

#include "canvas/tools/GradientStops.h"

#include <QImage>

// The picture the gradient bar shows: 201 x 38, opaque.
constexpr int GradientBarWidth = GradientPositions;
constexpr int GradientBarHeight = 38;

// Draws every column of the gradient over the bar background ("Use
// Files\Tra.bmp"), so partly transparent colours let the background show
// through. The background is taken as opaque; where it is missing or smaller
// than the bar, white shows instead, and the gradient still covers the whole
// bar.
QImage RenderGradientBar(const GradientColours& colours, const QImage& background);
