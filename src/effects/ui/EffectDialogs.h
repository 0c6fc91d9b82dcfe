#pragma once

#include "effects/EffectPrompt.h"

#include <QPointer>

class QWidget;
class TBalFrm;
class TColLevFrm;
class TRotFrm;
class TSpatFrm;
class Tresizeform;
class Tshadform;
class Tsomform;

// The program's answers to the effects' questions: the dialogs, each made on
// first use as a child of Parent and kept from then on (so the values that
// persist between showings do).
class EffectDialogs : public EffectPrompt {
public:
    explicit EffectDialogs(QWidget* Parent) : m_parent(Parent) {}

    std::optional<ColorLevelsParams> askColorLevels(const TBitmap32& Target) override;
    std::optional<BalanceParams> askBalance(const TBitmap32& Target) override;
    std::optional<int> askSpatter(const TBitmap32& Target) override;
    std::optional<int> askRotation(const TBitmap32& Target) override;
    std::optional<ShadowParams> askShadow(const TBitmap32& Target, TColor Colour,
                                          int TraRange) override;
    std::optional<QSize> askSmoothContract(const TBitmap32& Target) override;
    std::optional<ResizeChoice> askResize(int Width, int Height) override;

    TColLevFrm& colLevFrm();
    TBalFrm& balFrm();
    TSpatFrm& spatFrm();
    TRotFrm& rotFrm();
    Tshadform& shadform();
    Tsomform& somform();
    Tresizeform& resizeform();

private:
    template <class Form> Form& made(QPointer<Form>& Kept);

    QPointer<QWidget> m_parent;
    QPointer<TColLevFrm> m_colLev;
    QPointer<TBalFrm> m_bal;
    QPointer<TSpatFrm> m_spat;
    QPointer<TRotFrm> m_rot;
    QPointer<Tshadform> m_shad;
    QPointer<Tsomform> m_som;
    QPointer<Tresizeform> m_resize;
};
