#include "effects/ui/EffectDialogs.h"

#include "effects/ui/BalanceForm.h"
#include "effects/ui/ColorLevelsForm.h"
#include "effects/ui/ResizeForm.h"
#include "effects/ui/RotateForm.h"
#include "effects/ui/ShadowForm.h"
#include "effects/ui/SmoothContractForm.h"
#include "effects/ui/SpatterForm.h"

template <class Form> Form& EffectDialogs::made(QPointer<Form>& Kept) {
    if (!Kept) Kept = new Form(m_parent);
    return *Kept;
}

TColLevFrm& EffectDialogs::colLevFrm() {
    return made(m_colLev);
}

TBalFrm& EffectDialogs::balFrm() {
    return made(m_bal);
}

TSpatFrm& EffectDialogs::spatFrm() {
    return made(m_spat);
}

TRotFrm& EffectDialogs::rotFrm() {
    return made(m_rot);
}

Tshadform& EffectDialogs::shadform() {
    return made(m_shad);
}

Tsomform& EffectDialogs::somform() {
    return made(m_som);
}

Tresizeform& EffectDialogs::resizeform() {
    return made(m_resize);
}

std::optional<ColorLevelsParams> EffectDialogs::askColorLevels(const TBitmap32& Target) {
    TColLevFrm& f = colLevFrm();
    f.FormShow(Target);
    if (!f.runModal()) return std::nullopt;
    return f.params();
}

std::optional<BalanceParams> EffectDialogs::askBalance(const TBitmap32& Target) {
    TBalFrm& f = balFrm();
    f.FormShow(Target);
    if (!f.runModal()) return std::nullopt;
    return f.params();
}

std::optional<int> EffectDialogs::askSpatter(const TBitmap32& Target) {
    TSpatFrm& f = spatFrm();
    f.FormShow(Target);
    if (!f.runModal()) return std::nullopt;
    return f.radius();
}

std::optional<int> EffectDialogs::askRotation(const TBitmap32& Target) {
    TRotFrm& f = rotFrm();
    f.FormShow(Target);
    if (!f.runModal()) return std::nullopt;
    return f.angle();
}

std::optional<ShadowParams> EffectDialogs::askShadow(const TBitmap32& Target, TColor Colour,
                                                     int TraRange) {
    Tshadform& f = shadform();
    f.FormShow(Target, Colour, TraRange);
    if (!f.runModal()) return std::nullopt;
    return f.params();
}

std::optional<QSize> EffectDialogs::askSmoothContract(const TBitmap32& Target) {
    Tsomform& f = somform();
    f.FormShow(Target);
    if (!f.runModal()) return std::nullopt;
    return f.contractedSize();
}

std::optional<ResizeChoice> EffectDialogs::askResize(int Width, int Height) {
    Tresizeform& f = resizeform();
    f.FormShow(Width, Height);
    if (!f.runModal()) return std::nullopt;
    return f.choice();
}
