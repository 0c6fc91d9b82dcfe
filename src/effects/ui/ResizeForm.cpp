#include "effects/ui/ResizeForm.h"

#include "session/Hint.h"
#include "widgets/FormControls.h"

#include <QButtonGroup>
#include <QComboBox>
#include <QGroupBox>
#include <QPushButton>
#include <QSpinBox>

Tresizeform::Tresizeform(QWidget* Parent)
    : EffectForm("resizeform", tr("Resize Icon"), QSize(297, 178), Parent) {
    QStringList items;
    for (int i = 0; i < CustomSizeIndex; ++i)
        items << QStringLiteral("%1 x %1").arg(ResizeItemSize(i));
    items << tr("Custom...");
    const SizeControls size = placeSizeControls(this, items, 3, MinImageSide, MaxImageSide);
    m_sizeC = size.Size;
    m_widthE = size.Width;
    m_heightE = size.Height;
    applyHint(m_sizeC, tr("Specifies icon size."));
    applyHint(m_widthE, tr("Specifies icon width."));
    applyHint(m_heightE, tr("Specifies icon height."));

    const RadioGroup cols =
        makeRadioGroup(this, "Cols", tr("Image Changes"), QRect(8, 56, 281, 81),
                       {tr("No Changes"), tr("Stretch Icon"), tr("Clear Icon")}, 0);
    m_cols = cols.Box;
    m_changes = cols.Buttons;
    applyHint(m_cols, tr("Specifies icon changes after resizing."));

    addButtons(QPoint(136, 144), QPoint(216, 144), "ok", "cancel");
    // The listed size is taken before the dialog closes.
    disconnect(OK(), &QPushButton::clicked, this, &QDialog::accept);
    connect(OK(), &QPushButton::clicked, this, [this] {
        okClick();
        accept();
    });
    connect(m_sizeC, &QComboBox::currentIndexChanged, this, [this] { SizeCChange(); });
}

void Tresizeform::FormShow(int Width, int Height) {
    const int index = ResizeSizeIndex(Width, Height);
    m_sizeC->setCurrentIndex(index);
    if (index == CustomSizeIndex) {
        m_widthE->setValue(Width);
        m_heightE->setValue(Height);
    }
    SizeCChange();
    m_sizeC->setFocus();
}

void Tresizeform::SizeCChange() {
    const bool custom = m_sizeC->currentIndex() == CustomSizeIndex;
    m_widthE->setEnabled(custom);
    m_heightE->setEnabled(custom);
}

void Tresizeform::okClick() {
    m_widthE->interpretText();
    m_heightE->interpretText();
    const int side = ResizeItemSize(m_sizeC->currentIndex());
    if (side == 0) return;
    m_widthE->setValue(side);
    m_heightE->setValue(side);
}

ResizeChoice Tresizeform::choice() const {
    ResizeChoice c;
    c.Width = m_widthE->value();
    c.Height = m_heightE->value();
    c.Change = static_cast<ResizeChange>(std::max(0, m_changes->checkedId()));
    return c;
}
