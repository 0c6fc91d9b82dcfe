#pragma once

#include <QDialog>

class QPushButton;

// The About box: the program's picture, name, version and credits.
class TAboutBox : public QDialog {
    Q_OBJECT
public:
    explicit TAboutBox(QWidget* Parent = nullptr);

    QPushButton* OKButton = nullptr;
};
