#pragma once

#include "effects/ui/EffectForm.h"

class QSpinBox;

// "Smooth Contract": the smaller (or equal) size to shrink the target to. It
// starts at the target's own size every time.
class Tsomform : public EffectForm {
    Q_OBJECT
public:
    explicit Tsomform(QWidget* Parent = nullptr);

    void FormShow(const TBitmap32& Target);
    QSize contractedSize() const;

    QSpinBox* WidthE() const { return m_width; }
    QSpinBox* HeightE() const { return m_height; }

private:
    void drawPreview(const TBitmap32&) override {}

    QSpinBox* m_width = nullptr;
    QSpinBox* m_height = nullptr;
};
