#pragma once

#include "pixel/TBitmap32.h"

#include <QRect>

// Rotation by a whole number of degrees, counterclockwise on screen, with
// nearest-pixel sampling.

// The largest side a floating selection may reach by turning. Each turn grows
// it by about the square root of two; unbounded, a few dozen turns would ask
// for gigabytes. This is well past anything an icon needs.
constexpr int MaxRotatedSelectionSide = 1024;

// The side of the square that holds a W x H picture at any angle: its
// diagonal, rounded.
int RotationSquareSide(int Width, int Height);

// Dest becomes a cleared D x D square (D = RotationSquareSide) holding Source
// turned by Angle degrees around the source point (Width div 2, Height div 2),
// which lands on the square's point (D div 2, D div 2). Destination pixels
// whose source lies outside stay transparent black. Dest keeps its drawing
// state and may be Source itself.
void RotateImage(const TBitmap32& Source, TBitmap32& Dest, int Angle);

// The image keeps its size: it receives the centre Width x Height part of the
// rotated square; what turns out of it is cut off.
void RotateWithinImage(TBitmap32& Target, int Angle);

// A floating selection becomes the whole rotated square and grows around its
// centre: Rect (built with TRect()) moves left and up by half the growth.
void RotateSelection(TBitmap32& Selection, QRect& Rect, int Angle);
