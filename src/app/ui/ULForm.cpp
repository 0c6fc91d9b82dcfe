#include "app/ui/ULForm.h"

#include "session/Hint.h"

#include <QPushButton>
#include <QSpinBox>

TULForm::TULForm(QWidget* Parent) : QDialog(Parent) {
    setObjectName(QStringLiteral("ULForm"));
    setWindowFlags(windowFlags() & ~Qt::WindowContextHelpButtonHint);
    setFixedSize(225, 42);

    Ed = new QSpinBox(this);
    Ed->setObjectName(QStringLiteral("Ed"));
    Ed->setMinimum(1);
    Ed->setGeometry(8, 10, 57, 22);

    OK = new QPushButton(tr("OK"), this);
    OK->setObjectName(QStringLiteral("OK"));
    OK->setDefault(true);
    OK->setGeometry(72, 8, 70, 26);
    applyHint(OK, tr("Applies changes and closes dialog box."));
    connect(OK, &QPushButton::clicked, this, &QDialog::accept);

    Cancel = new QPushButton(tr("Cancel"), this);
    Cancel->setObjectName(QStringLiteral("Cancel"));
    Cancel->setGeometry(148, 8, 70, 26);
    applyHint(Cancel, tr("Closes dialog box without applying changes."));
    connect(Cancel, &QPushButton::clicked, this, &QDialog::reject);
}

std::optional<int> TULForm::ask(const QString& Caption, int Position, int Maximum) {
    setWindowTitle(Caption);
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
