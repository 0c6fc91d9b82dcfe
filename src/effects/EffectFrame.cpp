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

// A quarter turn gives a selection the turned size of its pixels with the
// same left and top, whatever it was stretched to.
void EffectFrame::runQuarterTurn(void (*Turn)(TBitmap32&)) {
    runEffect([this, Turn](TBitmap32& T) {
        Turn(T);
        if (onSelection())
            m_context.placeFloatingSelection(
                ResizedSelectionRect(m_context.floatingRect(), T.Width, T.Height));
    });
}

void EffectFrame::Cloclwise1Click() {
    runQuarterTurn(RotateClockwise);
}

void EffectFrame::CounterClockwise1Click() {
    runQuarterTurn(RotateCounterclockwise);
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
    // A turned selection becomes the square around it, whatever the angle,
    // so each turn grows it; past the bound it stays as it is.
    if (const TBitmap32* selection = m_context.floatingTarget();
        selection &&
        RotationSquareSide(selection->Width, selection->Height) > MaxRotatedSelectionSide) {
        m_context.showStatus(
            QStringLiteral("The selection is too large to rotate: turned, it would be "
                           "larger than %1 x %1 pixels.")
                .arg(MaxRotatedSelectionSide));
        return;
    }
    runDialogEffect([this](const TBitmap32& T) { return m_prompt->askRotation(T); },
                    [this](TBitmap32& T, int Angle) {
                        if (!onSelection()) {
                            RotateWithinImage(T, Angle);
                            return;
                        }
                        // The selection becomes the whole turned square and
                        // grows around its centre.
                        QRect r = m_context.floatingRect();
                        RotateSelection(T, r, Angle);
                        m_context.placeFloatingSelection(r);
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
                            QRect r = m_context.floatingRect();
                            SmoothContractSelection(T, r, Size.width(), Size.height());
                            m_context.placeFloatingSelection(r);
                        } else {
                            SmoothContractImage(T, Size.width(), Size.height());
                        }
                    });
}
