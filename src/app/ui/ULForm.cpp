#include "app/ui/ULForm.h"

#include "session/Hint.h"

#include <QLabel>
#include <QPushButton>
#include <QSpinBox>

#include <algorithm>

TULForm::TULForm(QWidget* Parent) : QDialog(Parent) {
    setObjectName(QStringLiteral("ULForm"));
    setWindowFlags(windowFlags() & ~Qt::WindowContextHelpButtonHint);

    Question = new QLabel(this);
    Question->setObjectName(QStringLiteral("Question"));

    Ed = new QSpinBox(this);
    Ed->setObjectName(QStringLiteral("Ed"));
    Ed->setMinimum(1);
    Question->setBuddy(Ed);

    OK = new QPushButton(tr("OK"), this);
    OK->setObjectName(QStringLiteral("OK"));
    OK->setDefault(true);
    applyHint(OK, tr("Applies changes and closes dialog box."));
    connect(OK, &QPushButton::clicked, this, &QDialog::accept);

    Cancel = new QPushButton(tr("Cancel"), this);
    Cancel->setObjectName(QStringLiteral("Cancel"));
    applyHint(Cancel, tr("Closes dialog box without applying changes."));
    connect(Cancel, &QPushButton::clicked, this, &QDialog::reject);
    layoutControls();
}

void TULForm::layoutControls() {
    // The row of the edit and the buttons as designed (225 x 42), moved
    // down under the question; wider only for a question that needs it.
    constexpr int Margin = 8;
    Question->adjustSize();
    const int row = Margin + Question->height() + 6;
    Question->move(Margin, Margin);
    Ed->setGeometry(Margin, row + 2, 57, 22);
    OK->setGeometry(72, row, 70, 26);
    Cancel->setGeometry(148, row, 70, 26);
    setFixedSize(std::max(225, Question->width() + 2 * Margin), row + 26 + Margin);
}

std::optional<int> TULForm::ask(const QString& Caption, int Position, int Maximum) {
    setWindowTitle(Caption);
    Question->setText(tr("%1 (1 to %2):").arg(Caption).arg(Maximum));
    layoutControls();
    Ed->setMaximum(Maximum);
    Ed->setValue(Position);
    Ed->selectAll();
    if (exec() != QDialog::Accepted) return std::nullopt;
    Ed->interpretText();
    return Ed->value();
}

void TULForm::showEvent(QShowEvent* Event) {
    applyHint(Ed, windowTitle().startsWith(QLatin1Char('U'))
                      ? tr("Specifies undo level.")
                      : tr("Specifies transparency alpha range."));
    Ed->setFocus();
    QDialog::showEvent(Event);
}
