#pragma once

#include "canvas/tools/BrushShape.h"
#include "canvas/tools/CoverageMap.h"
#include "pixel/TBitmap32.h"

// The antialiased point and line plotters that the brush and the shape tools
// share. They write single pixels through the target's PutPixel, so Blend
// decides whether the weighted colour is composited or replaces the pixel.

// An antialiased point at a fractional position: Color's alpha is shared
// among the four pixels around it by their overlap. With a map, no pixel gets
// a weight below one it already received during the same shape.
void PlotAA(TBitmap32& Target, TColor32 Color, CoverageMap* Map, double X, double Y);

// An antialiased line. A shallow line plots every column between its ends,
// both included; a steep one plots its rows from the upper end down to, but
// not including, the lower end; a vertical one is hard-edged, ends included.
void AALine(TBitmap32& Target, int X0, int Y0, int X1, int Y1, TColor32 Color, CoverageMap* Map);

// One brush footprint centred at (X, Y) in the target's PenColor: hard-edged
// cells at the rounded positions, or with Anti, antialiased points.
void BrushStamp(TBitmap32& Target, const BrushShape& Shape, bool Anti, double X, double Y);
