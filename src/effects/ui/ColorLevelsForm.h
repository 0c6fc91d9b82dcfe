#pragma once

#include "effects/Adjustments.h"
#include "effects/ui/EffectForm.h"

// "Color Levels": an offset for each of red, green, blue and alpha, with a
// live preview of the target over the dialog colour.
class TColLevFrm : public EffectForm {
    Q_OBJECT
public:
    explicit TColLevFrm(QWidget* Parent = nullptr);

    // Takes the target (kept until the dialog hides), puts every slider at 0
    // and draws the preview.
    void FormShow(const TBitmap32& Target);
    ColorLevelsParams params() const;

    QSlider* RTr() const { return m_r.Track; }
    QSlider* GTr() const { return m_g.Track; }
    QSlider* BTr() const { return m_b.Track; }
    QSlider* ATr() const { return m_a.Track; }
    QLabel* rlbl() const { return m_r.Value; }
    QLabel* albl() const { return m_a.Value; }

private:
    void drawPreview(const TBitmap32& Target) override;

    Slider m_r, m_g, m_b, m_a;
};
