#include "images/ui/NewIconForm.h"

#include "session/Hint.h"
#include "widgets/FormControls.h"

#include <QButtonGroup>
#include <QComboBox>
#include <QGroupBox>
#include <QPushButton>
#include <QSpinBox>

TNewicofrm::TNewicofrm(QWidget* Parent) : QDialog(Parent) {
    setObjectName(QStringLiteral("Newicofrm"));
    setWindowTitle(tr("New Icon"));
    setFixedSize(298, 226);
    setModal(true);

    const SizeControls size = placeSizeControls(this, NewIconOptions::sizeItems(), 3,
                                                NewIconOptions::MinSide, NewIconOptions::MaxSide);
    m_sizeC = size.Size;
    m_widthE = size.Width;
    m_heightE = size.Height;
    applyHint(m_sizeC, tr("Specifies icon size."));
    applyHint(m_widthE, tr("Specifies icon width."));
    applyHint(m_heightE, tr("Specifies icon height."));

    const RadioGroup cols = makeRadioGroup(this, "Cols", tr("Image Colors"), QRect(8, 56, 281, 129),
                                           NewIconOptions::formatItems(), 4);
    m_cols = cols.Box;
    m_formats = cols.Buttons;
    applyHint(m_cols, tr("Specifies icon color format."));

    m_ok = new QPushButton(tr("OK"), this);
    m_ok->setObjectName(QStringLiteral("ok"));
    m_ok->setGeometry(136, 192, 75, 25);
    m_ok->setDefault(true);
    applyHint(m_ok, tr("Creates a new icon and closes dialog box."));
    m_cancel = new QPushButton(tr("Cancel"), this);
    m_cancel->setObjectName(QStringLiteral("cancel"));
    m_cancel->setGeometry(216, 192, 75, 25);
    applyHint(m_cancel, tr("Closes dialog box without creating new icon."));

    connect(m_sizeC, &QComboBox::currentIndexChanged, this, [this] { SizeCChange(); });
    connect(m_ok, &QPushButton::clicked, this, &QDialog::accept);
    connect(m_cancel, &QPushButton::clicked, this, &QDialog::reject);
}

void TNewicofrm::SizeCChange() {
    const bool custom = m_sizeC->currentIndex() == NewIconOptions::CustomIndex;
    m_widthE->setEnabled(custom);
    m_heightE->setEnabled(custom);
}

NewIconOptions TNewicofrm::options() const {
    NewIconOptions o;
    o.SizeIndex = m_sizeC->currentIndex();
    o.CustomWidth = m_widthE->value();
    o.CustomHeight = m_heightE->value();
    o.FormatIndex = m_formats->checkedId();
    return o;
}

void TNewicofrm::setOptions(const NewIconOptions& Options) {
    m_sizeC->setCurrentIndex(Options.SizeIndex);
    m_widthE->setValue(Options.CustomWidth);
    m_heightE->setValue(Options.CustomHeight);
    if (QAbstractButton* b = m_formats->button(Options.FormatIndex)) b->setChecked(true);
    SizeCChange();
}

std::optional<NewIconChoice> TNewicofrm::ask() {
    if (parentWidget()) {
        // Centred on the main window.
        const QRect p = parentWidget()->frameGeometry();
        move(p.center() - rect().center());
    }
    m_sizeC->setFocus();
    if (exec() != QDialog::Accepted) return std::nullopt;
    // A number typed but not yet confirmed still counts.
    m_widthE->interpretText();
    m_heightE->interpretText();
    return options().choice();
}

TNewicofrm& NewIconDialogPrompt::form() {
    if (!m_form) m_form = new TNewicofrm(m_parent);
    return *m_form;
}

std::optional<NewIconChoice> NewIconDialogPrompt::askNewIcon() {
    return form().ask();
}
