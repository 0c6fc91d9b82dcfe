#pragma once

#include "effects/ui/EffectForm.h"

class TRotatableImage;

// "Rotate Image": an angle of 0 to 360 degrees counterclockwise; the preview
// turns the target, shown over the dialog colour, as the slider moves.
class TRotFrm : public EffectForm {
    Q_OBJECT
public:
    explicit TRotFrm(QWidget* Parent = nullptr);

    // Takes the target, gives the preview its picture and puts the angle at 0.
    void FormShow(const TBitmap32& Target);
    int angle() const;

    QSlider* RTr() const { return m_r.Track; }
    QLabel* rlbl() const { return m_r.Value; }
    TRotatableImage* img() const { return m_rotatable; }

private:
    void drawPreview(const TBitmap32& Target) override;
    void RTrChange(int Position);

    Slider m_r;
    TRotatableImage* m_rotatable = nullptr;
};
