#pragma once

#include "effects/Adjustments.h"
#include "effects/ui/EffectForm.h"

class QCheckBox;

// "Balance": brightness, contrast and gamma for the checked colour channels,
// with a live preview of the target over the dialog colour. The check boxes
// keep their state from one showing to the next.
class TBalFrm : public EffectForm {
    Q_OBJECT
public:
    explicit TBalFrm(QWidget* Parent = nullptr);

    // Takes the target (kept until the dialog hides), puts every slider at 0
    // and draws the preview.
    void FormShow(const TBitmap32& Target);
    BalanceParams params() const;

    QSlider* BTr() const { return m_b.Track; }
    QSlider* CTr() const { return m_c.Track; }
    QSlider* GTr() const { return m_g.Track; }
    QLabel* clbl() const { return m_c.Value; }
    QCheckBox* rch() const { return m_rch; }
    QCheckBox* gch() const { return m_gch; }
    QCheckBox* bch() const { return m_bch; }

private:
    void drawPreview(const TBitmap32& Target) override;

    Slider m_b, m_c, m_g;
    QCheckBox* m_rch = nullptr;
    QCheckBox* m_gch = nullptr;
    QCheckBox* m_bch = nullptr;
};
