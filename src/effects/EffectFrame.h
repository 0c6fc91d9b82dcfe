#pragma once

#include "effects/EffectContext.h"
#include "effects/EffectPrompt.h"

#include <functional>

// The frame every effect of the Effects menu runs in, and the menu's
// handlers. An effect changes the floating selection when there is one and
// the active image otherwise; a change of the image is one undo step, a
// change of the selection records nothing.
class EffectFrame {
public:
    explicit EffectFrame(EffectContext& Context) : m_context(Context) {}

    // Who answers the dialog effects; without one they do nothing.
    void setPrompt(EffectPrompt* Prompt) { m_prompt = Prompt; }
    EffectPrompt* prompt() const { return m_prompt; }

    // Drops any tool preview from the work copy and returns the EffectTarget.
    TBitmap32& BeginEffect();
    // The floating selection when one exists, else the work copy.
    TBitmap32& EffectTarget();
    bool onSelection() { return m_context.floatingTarget() != nullptr; }
    // Commits and records the image's change (or settles the selection's),
    // then repaints now and once more shortly after.
    void FinishEffect();
    // BeginEffect, Change on the EffectTarget, FinishEffect.
    void runEffect(const std::function<void(TBitmap32&)>& Change);

    // --- the direct effects ---
    void Invert1Click();
    void InvertAlpha1Click();
    void GrayScale1Click();
    void Saturation1Click();
    void AddColorNoise1Click();
    void AddColorNoisewithAlpha1Click();
    void AddPenNoise1Click();
    void Blur1Click();
    // The four emboss entries; Tag is the entry's (0, 20, 2 or 22).
    void opLeft1Click(int Tag);
    void Cloclwise1Click();
    void CounterClockwise1Click();
    void FlipHorizentall1Click();
    void FlipVertical1Click();

    // --- the dialog effects: nothing changes unless the dialog says OK ---
    void ColorL1Click();
    void ImageBalance1Click();
    void Spray1Click();
    void Custom1Click();
    void Shadow1Click();
    void SmoothStretch1Click();

private:
    // BeginEffect, then Ask on the target; with an answer, Apply and
    // FinishEffect.
    template <class Ask, class Apply> void runDialogEffect(Ask ask, Apply apply);
    void runQuarterTurn(void (*Turn)(TBitmap32&));

    EffectContext& m_context;
    EffectPrompt* m_prompt = nullptr;
};
