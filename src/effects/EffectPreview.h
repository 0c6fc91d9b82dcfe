#pragma once

#include "effects/Adjustments.h"
#include "pixel/TBitmap32.h"

#include <QColor>
#include <QImage>

// The dialogs' preview pictures: the adjusted target shown at its own size
// over the dialog's face colour, as a 24-bit picture.

// Each pixel of Adjusted mixed onto Face by its alpha; alpha 0 leaves Face.
QImage PreviewOnFace(const TBitmap32& Adjusted, const QColor& Face);

// The target after Color Levels, over Face; the adjusted alpha decides.
QImage ColorLevelsPreview(const TBitmap32& Target, const ColorLevelsParams& Params,
                          const QColor& Face);
// The target after Balance, over Face.
QImage BalancePreview(const TBitmap32& Target, const BalanceParams& Params, const QColor& Face);
// The target over Face, then spattered in the picture itself: the same kind of
// spatter as OK applies, not the same pixels (the generator is reseeded).
QImage SpatterPreview(const TBitmap32& Target, int Radius, const QColor& Face);
