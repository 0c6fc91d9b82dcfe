#pragma once

#include "effects/Resize.h"
#include "effects/ui/EffectForm.h"

class QButtonGroup;
class QComboBox;
class QGroupBox;
class QSpinBox;

// "Resize Icon": a listed square size or a custom width and height, and what
// becomes of the picture. The list starts on the image's own size at every
// showing; the custom size and the "Image Changes" choice stay from one
// showing to the next.
class Tresizeform : public EffectForm {
    Q_OBJECT
public:
    explicit Tresizeform(QWidget* Parent = nullptr);

    void FormShow(int Width, int Height);
    // Enables the custom size edits exactly while "Custom..." is chosen.
    void SizeCChange();
    // A listed size becomes the width and height.
    void okClick();
    ResizeChoice choice() const;

    QComboBox* SizeC() const { return m_sizeC; }
    QSpinBox* WidthE() const { return m_widthE; }
    QSpinBox* HeightE() const { return m_heightE; }
    QGroupBox* Cols() const { return m_cols; }
    QButtonGroup* ColsItems() const { return m_changes; }

private:
    void drawPreview(const TBitmap32&) override {}

    QComboBox* m_sizeC = nullptr;
    QSpinBox* m_widthE = nullptr;
    QSpinBox* m_heightE = nullptr;
    QGroupBox* m_cols = nullptr;
    QButtonGroup* m_changes = nullptr;
};
