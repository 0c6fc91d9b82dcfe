#pragma once

#include "images/NewIconPrompt.h"

#include <QDialog>
#include <QPointer>

class QButtonGroup;
class QComboBox;
class QGroupBox;
class QPushButton;
class QSpinBox;

// The "New Icon" dialog: a listed square size or a custom width and height,
// and one of the five colour formats. It is kept between uses, so it opens
// with the last choices.
class TNewicofrm : public QDialog {
    Q_OBJECT
public:
    explicit TNewicofrm(QWidget* Parent = nullptr);

    // Shows the dialog modally; empty on Cancel.
    std::optional<NewIconChoice> ask();

    // The choices the controls show, and setting them (as a use would leave
    // them).
    NewIconOptions options() const;
    void setOptions(const NewIconOptions& Options);

    QComboBox* SizeC() const { return m_sizeC; }
    QSpinBox* WidthE() const { return m_widthE; }
    QSpinBox* HeightE() const { return m_heightE; }
    QGroupBox* Cols() const { return m_cols; }
    QPushButton* ok() const { return m_ok; }
    QPushButton* cancel() const { return m_cancel; }

    void SizeCChange();

private:
    QComboBox* m_sizeC = nullptr;
    QSpinBox* m_widthE = nullptr;
    QSpinBox* m_heightE = nullptr;
    QGroupBox* m_cols = nullptr;
    QButtonGroup* m_formats = nullptr;
    QPushButton* m_ok = nullptr;
    QPushButton* m_cancel = nullptr;
};

// The program's answer to the "New Icon" question: the dialog, made on first
// use as a child of Parent and kept from then on.
class NewIconDialogPrompt : public NewIconPrompt {
public:
    explicit NewIconDialogPrompt(QWidget* Parent) : m_parent(Parent) {}
    std::optional<NewIconChoice> askNewIcon() override;
    TNewicofrm& form();

private:
    QPointer<QWidget> m_parent;
    QPointer<TNewicofrm> m_form;
};
