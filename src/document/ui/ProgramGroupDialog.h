#pragma once

#include "document/ProgramIcons.h"

#include <QDialog>
#include <vector>

class QListWidget;
class QPushButton;

// The chooser of an icon or cursor group inside a Windows program: every
// group as a picture of its largest image, with its name or number and its
// number of images (its sizes as the tooltip). The first group starts
// chosen; a double click chooses and closes.
class ProgramGroupDialog : public QDialog {
    Q_OBJECT
public:
    ProgramGroupDialog(const QString& Program, const std::vector<ProgramGroup>& Groups,
                       QWidget* Parent = nullptr);

    // The index of the group chosen, -1 for none.
    int chosen() const;
    QListWidget* list() const { return m_list; }
    QPushButton* okButton() const { return m_ok; }

private:
    QListWidget* m_list = nullptr;
    QPushButton* m_ok = nullptr;
};
