#pragma once

#include <QDialog>
#include <optional>

class QPushButton;
class QSpinBox;

// The small prompt for one number setting (undo level, transparency alpha
// range): an edit with an up-down control from 1 to the given maximum.
class TULForm : public QDialog {
    Q_OBJECT
public:
    explicit TULForm(QWidget* Parent = nullptr);

    // Shows the prompt modally; empty when cancelled.
    std::optional<int> ask(const QString& Caption, int Position, int Maximum);

    QSpinBox* Ed = nullptr; // the edit and its up-down control in one
    QPushButton* OK = nullptr;
    QPushButton* Cancel = nullptr;

protected:
    void showEvent(QShowEvent* Event) override;
};
