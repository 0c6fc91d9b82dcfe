#pragma once

#include "canvas/tools/CoverageMap.h"
#include "pixel/TBitmap32.h"

#include <QPoint>
#include <array>
#include <vector>

// The antialiased shapes of the shape tools. Each draws into Target with its
// PenColor (outline) and, where Filled is set, its BrushColor (interior),
// writes through PutPixel and clears Map first, so that the shape's own
// strokes never darken a pixel twice.

// The ellipse inscribed in (X1, Y1)-(X2, Y2), right and bottom exclusive. A
// box exactly one pixel wide or high draws nothing.
void AAEllipse(TBitmap32& Target, CoverageMap& Map, int X1, int Y1, int X2, int Y2);

// The rectangle (X1, Y1)-(X2, Y2) with corners rounded by an EW x EH ellipse.
void AARoundRect(TBitmap32& Target, CoverageMap& Map, int X1, int Y1, int X2, int Y2, int EW,
                 int EH);

// The cubic Bezier curve from P[0] to P[3] with control points P[1] and P[2],
// traced through 101 samples joined by antialiased lines. A sample is dropped
// where the map already exceeds TraRange. Moves Target's pen.
void AABezier(TBitmap32& Target, CoverageMap& Map, const std::array<QPoint, 4>& P, int TraRange);

// The closed polygon through Vertices (the last joined back to the first),
// its interior filled by the even-odd rule when Filled is set.
void AAPolygon(TBitmap32& Target, CoverageMap& Map, const std::vector<QPoint>& Vertices);
