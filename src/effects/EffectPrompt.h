#pragma once

#include "effects/Adjustments.h"
#include "effects/Resize.h"
#include "effects/Shadow.h"
#include "pixel/TBitmap32.h"

#include <QSize>
#include <optional>

// Asks for the values of an effect that has a dialog: the dialogs in the
// program, a script in tests. Each question is shown the pixels the effect is
// about to change (the dialog previews them) and is empty when cancelled. The
// effect itself is applied by the caller, with the same function the preview
// used.
class EffectPrompt {
public:
    virtual ~EffectPrompt() = default;
    virtual std::optional<ColorLevelsParams> askColorLevels(const TBitmap32& Target) = 0;
    virtual std::optional<BalanceParams> askBalance(const TBitmap32& Target) = 0;
    // The spatter radius.
    virtual std::optional<int> askSpatter(const TBitmap32& Target) = 0;
    // The angle in degrees, counterclockwise.
    virtual std::optional<int> askRotation(const TBitmap32& Target) = 0;
    // Colour is the RGB of the shadow; TraRange decides which pixels of the
    // target cast one. The answer carries Colour back.
    virtual std::optional<ShadowParams> askShadow(const TBitmap32& Target, TColor Colour,
                                                  int TraRange) = 0;
    // The contracted size, at most the target's own.
    virtual std::optional<QSize> askSmoothContract(const TBitmap32& Target) = 0;
    // The new size of a Width x Height image and what becomes of its picture.
    virtual std::optional<ResizeChoice> askResize(int Width, int Height) = 0;
};
