#include "effects/EffectFrame.h"

#include "effects/ColourEffects.h"
#include "effects/CustomRotation.h"
#include "effects/NeighbourEffects.h"
#include "effects/NoiseEffects.h"
#include "effects/Orientation.h"
#include "effects/SmoothContract.h"

TBitmap32& EffectFrame::BeginEffect() {
    m_context.workBitmap(true);
    return EffectTarget();
}

TBitmap32& EffectFrame::EffectTarget() {
    if (TBitmap32* selection = m_context.floatingTarget()) return *selection;
    return m_context.workBitmap(false);
}

void EffectFrame::FinishEffect() {
    if (onSelection())
        m_context.finishFloatingEffect();
    else
        m_context.commitEffect();
    m_context.showEffect();
}

void EffectFrame::runEffect(const std::function<void(TBitmap32&)>& Change) {
    Change(BeginEffect());
    FinishEffect();
}

template <class Ask, class Apply> void EffectFrame::runDialogEffect(Ask ask, Apply apply) {
    TBitmap32& target = BeginEffect();
    if (!m_prompt) return;
    const auto answer = ask(target);
    if (!answer) return;
    apply(target, *answer);
    FinishEffect();
}

void EffectFrame::Invert1Click() {
    runEffect(Invert);
}

void EffectFrame::InvertAlpha1Click() {
    runEffect(InvertAlpha);
}

void EffectFrame::GrayScale1Click() {
    runEffect(Grayscale);
}

void EffectFrame::Saturation1Click() {
    runEffect(Saturation);
}

void EffectFrame::AddColorNoise1Click() {
    runEffect(AddColorNoise);
}

void EffectFrame::AddColorNoisewithAlpha1Click() {
    runEffect(AddColorNoiseWithAlpha);
}

void EffectFrame::AddPenNoise1Click() {
    runEffect(AddPenNoise);
}

void EffectFrame::Blur1Click() {
    runEffect(Blur);
}

void EffectFrame::opLeft1Click(int Tag) {
    const auto direction = static_cast<EmbossDirection>(Tag);
    switch (direction) {
    case EmbossDirection::TopLeft:
    case EmbossDirection::TopRight:
    case EmbossDirection::BottomLeft:
    case EmbossDirection::BottomRight:
        runEffect([direction](TBitmap32& T) { Emboss(T, direction); });
        break;
    }
}

// The quarter turns give a selection its new size with the same left and
// top; finishing the effect fits its rectangle to that size.
void EffectFrame::Cloclwise1Click() {
    runEffect(RotateClockwise);
}

void EffectFrame::CounterClockwise1Click() {
    runEffect(RotateCounterclockwise);
}

void EffectFrame::FlipHorizentall1Click() {
    runEffect(FlipHorizontal);
}

void EffectFrame::FlipVertical1Click() {
    runEffect(FlipVertical);
}

void EffectFrame::ColorL1Click() {
    runDialogEffect([this](const TBitmap32& T) { return m_prompt->askColorLevels(T); },
                    [](TBitmap32& T, const ColorLevelsParams& P) { ColorLevels(T, P); });
}

void EffectFrame::ImageBalance1Click() {
    runDialogEffect([this](const TBitmap32& T) { return m_prompt->askBalance(T); },
                    [](TBitmap32& T, const BalanceParams& P) { Balance(T, P); });
}

void EffectFrame::Spray1Click() {
    runDialogEffect([this](const TBitmap32& T) { return m_prompt->askSpatter(T); },
                    [](TBitmap32& T, int Radius) { Spatter(T, Radius); });
}

void EffectFrame::Custom1Click() {
    runDialogEffect([this](const TBitmap32& T) { return m_prompt->askRotation(T); },
                    [this](TBitmap32& T, int Angle) {
                        if (!onSelection()) {
                            RotateWithinImage(T, Angle);
                            return;
                        }
                        // The selection becomes the whole turned square and
                        // grows around its centre.
                        QRect r = TRect(0, 0, T.Width, T.Height);
                        RotateSelection(T, r, Angle);
                        m_context.moveFloatingSelection(r.topLeft());
                    });
}

void EffectFrame::Shadow1Click() {
    const TColor colour = Color32ToColor(m_context.foregroundColor32());
    const int traRange = m_context.traRange();
    runDialogEffect([this, colour, traRange](
                        const TBitmap32& T) { return m_prompt->askShadow(T, colour, traRange); },
                    [colour, traRange](TBitmap32& T, ShadowParams P) {
                        P.Color = colour;
                        DrawShadow(T, ShadowMask(T, traRange), P, T);
                    });
}

void EffectFrame::SmoothStretch1Click() {
    runDialogEffect([this](const TBitmap32& T) { return m_prompt->askSmoothContract(T); },
                    [this](TBitmap32& T, QSize Size) {
                        if (onSelection()) {
                            QRect r = TRect(0, 0, T.Width, T.Height);
                            SmoothContractSelection(T, r, Size.width(), Size.height());
                        } else {
                            SmoothContractImage(T, Size.width(), Size.height());
                        }
                    });
}
