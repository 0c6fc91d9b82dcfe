#include "effects/ui/ResizeForm.h"

#include "session/Hint.h"

#include <QButtonGroup>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>
#include <QVBoxLayout>

namespace {

QLabel* label(QWidget* Parent, const char* Name, const QString& Text, int X, int Y) {
    auto* l = new QLabel(Text, Parent);
    l->setObjectName(QLatin1String(Name));
    l->move(X, Y);
    l->adjustSize();
    return l;
}

// The edit and its up-down arrows are one control here.
QSpinBox* sideEdit(QWidget* Parent, const char* Name, int X, const QString& Hint) {
    auto* e = new QSpinBox(Parent);
    e->setObjectName(QLatin1String(Name));
    e->setRange(MinImageSide, MaxImageSide);
    e->setValue(32);
    e->setGeometry(X, 24, 56, 22);
    e->setEnabled(false);
    applyHint(e, Hint);
    return e;
}

} // namespace

Tresizeform::Tresizeform(QWidget* Parent)
    : EffectForm("resizeform", tr("Resize Icon"), QSize(297, 178), Parent) {
    label(this, "Label1", tr("Size:"), 8, 8);
    m_sizeC = new QComboBox(this);
    m_sizeC->setObjectName(QStringLiteral("SizeC"));
    for (int i = 0; i < CustomSizeIndex; ++i)
        m_sizeC->addItem(QStringLiteral("%1 x %1").arg(ResizeItemSize(i)));
    m_sizeC->addItem(tr("Custom..."));
    m_sizeC->setCurrentIndex(3);
    m_sizeC->setGeometry(8, 24, 145, 22);
    applyHint(m_sizeC, tr("Specifies icon size."));

    label(this, "WidthLabel", tr("Width:"), 160, 8);
    m_widthE = sideEdit(this, "WidthE", 160, tr("Specifies icon width."));
    label(this, "HeightLabel", tr("Height:"), 232, 8);
    m_heightE = sideEdit(this, "HeightE", 232, tr("Specifies icon height."));

    m_cols = new QGroupBox(tr("Image Changes"), this);
    m_cols->setObjectName(QStringLiteral("Cols"));
    m_cols->setGeometry(8, 56, 281, 81);
    applyHint(m_cols, tr("Specifies icon changes after resizing."));
    auto* colsLayout = new QVBoxLayout(m_cols);
    colsLayout->setContentsMargins(8, 2, 8, 4);
    colsLayout->setSpacing(0);
    m_changes = new QButtonGroup(this);
    const QStringList changes = {tr("No Changes"), tr("Stretch Icon"), tr("Clear Icon")};
    for (int i = 0; i < changes.size(); ++i) {
        auto* r = new QRadioButton(changes[i], m_cols);
        r->setObjectName(QStringLiteral("Cols%1").arg(i));
        m_changes->addButton(r, i);
        colsLayout->addWidget(r);
    }
    m_changes->button(0)->setChecked(true);

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
