#pragma once

#include "effects/ui/EffectForm.h"

// "Spatter": the radius of the spatter, with a preview that spatters the
// target shown over the dialog colour (the same kind of spatter as OK
// applies, not the same pixels).
class TSpatFrm : public EffectForm {
    Q_OBJECT
public:
    explicit TSpatFrm(QWidget* Parent = nullptr);

    // Takes the target (kept until the dialog hides), puts the radius at its
    // minimum and draws the preview.
    void FormShow(const TBitmap32& Target);
    int radius() const;

    QSlider* RTr() const { return m_r.Track; }
    QLabel* rlbl() const { return m_r.Value; }

private:
    void drawPreview(const TBitmap32& Target) override;

    Slider m_r;
};
