#pragma once

#include "effects/EffectPrompt.h"

// Answers the effects' dialogs from fixed answers; an answer left empty is a
// Cancel. Records what the last question was shown.
struct ScriptedEffects : EffectPrompt {
    std::optional<ColorLevelsParams> levels;
    std::optional<BalanceParams> balance;
    std::optional<int> spatter;
    std::optional<int> rotation;
    std::optional<ShadowParams> shadow;
    std::optional<QSize> contract;
    std::optional<ResizeChoice> resize;

    int asked = 0;
    QSize shownSize;
    TColor shownColour = 0;
    int shownTraRange = -1;

    template <class T> std::optional<T> answer(const TBitmap32& Target, const std::optional<T>& A) {
        ++asked;
        shownSize = QSize(Target.Width, Target.Height);
        return A;
    }
    std::optional<ColorLevelsParams> askColorLevels(const TBitmap32& T) override {
        return answer(T, levels);
    }
    std::optional<BalanceParams> askBalance(const TBitmap32& T) override {
        return answer(T, balance);
    }
    std::optional<int> askSpatter(const TBitmap32& T) override { return answer(T, spatter); }
    std::optional<int> askRotation(const TBitmap32& T) override { return answer(T, rotation); }
    std::optional<ShadowParams> askShadow(const TBitmap32& T, TColor Colour,
                                          int TraRange) override {
        shownColour = Colour;
        shownTraRange = TraRange;
        return answer(T, shadow);
    }
    std::optional<QSize> askSmoothContract(const TBitmap32& T) override {
        return answer(T, contract);
    }
    std::optional<ResizeChoice> askResize(int Width, int Height) override {
        ++asked;
        shownSize = QSize(Width, Height);
        return resize;
    }
};
