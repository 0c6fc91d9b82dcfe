#pragma once

#include <QDialog>
#include <optional>

class QLabel;
class QPushButton;
class QSpinBox;

// The small prompt for one number setting (undo level, transparency alpha
// range): an edit with an up-down control from 1 to the given maximum. The
// question stands above the edit as well as in the title bar, which some
// desktops do not show for small dialogs.
class TULForm : public QDialog {
    Q_OBJECT
public:
    explicit TULForm(QWidget* Parent = nullptr);

    // Shows the prompt modally; empty when cancelled.
    std::optional<int> ask(const QString& Caption, int Position, int Maximum);

    QLabel* Question = nullptr;
    QSpinBox* Ed = nullptr; // the edit and its up-down control in one
    QPushButton* OK = nullptr;
    QPushButton* Cancel = nullptr;

protected:
    void showEvent(QShowEvent* Event) override;

private:
    void layoutControls();
};
