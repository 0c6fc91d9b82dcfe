#pragma once

#include "effects/Shadow.h"
#include "effects/ui/EffectForm.h"

class QCheckBox;
class QSpinBox;

// "Shadow": where the first layer of the shadow lies, how many layers, their
// alpha and whether they are softened, with a live preview. The values stay
// from one showing to the next.
class Tshadform : public EffectForm {
    Q_OBJECT
public:
    explicit Tshadform(QWidget* Parent = nullptr);

    // Takes the target and the shadow's colour, works out which pixels cast
    // a shadow (alpha above TraRange) and draws the preview.
    void FormShow(const TBitmap32& Target, TColor Colour, int TraRange);
    ShadowParams params() const;

    QSpinBox* shadLe() const { return m_left; }
    QSpinBox* shaTe() const { return m_top; }
    QSpinBox* shaCe() const { return m_count; }
    QSpinBox* shaAe() const { return m_alpha; }
    QCheckBox* Smo() const { return m_smo; }

private:
    void drawPreview(const TBitmap32& Target) override;
    QSpinBox* addEdit(const char* Name, const QString& Caption, int Top, int Min, int Max,
                      int Start, const QString& Hint);

    QSpinBox* m_left = nullptr;
    QSpinBox* m_top = nullptr;
    QSpinBox* m_count = nullptr;
    QSpinBox* m_alpha = nullptr;
    QCheckBox* m_smo = nullptr;
    OpacityMask m_mask;
    TColor m_colour = 0;
};
