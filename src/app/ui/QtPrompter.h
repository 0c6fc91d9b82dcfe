#pragma once

#include "session/Prompter.h"

#include <QPointer>
#include <QWidget>

// The Prompter of the running program: the platform's message boxes and file,
// colour and font dialogs, modal over the main window.
class QtPrompter : public Prompter {
public:
    explicit QtPrompter(QWidget* Parent = nullptr) : m_parent(Parent) {}
    void setParent(QWidget* Parent) { m_parent = Parent; }

    MessageAnswer message(const QString& Text, MessageKind Kind, MessageButtons Buttons) override;
    std::optional<FileChoice> openFile(const FileDialogRequest& Request) override;
    std::optional<FileChoice> saveFile(const FileDialogRequest& Request) override;
    std::optional<TColor> chooseColor(TColor Initial, CustomColours& Custom) override;
    std::optional<QFont> chooseFont(const QFont& Initial) override;
    std::optional<int> chooseProgramGroup(const QString& Program,
                                          const std::vector<ProgramGroup>& Groups) override;

    // "Desc|*.a;*.b|..." as the name filters of a Qt file dialog.
    static QStringList nameFilters(const QString& Filter);

private:
    std::optional<FileChoice> runFileDialog(const FileDialogRequest& Request, bool Save);

    QPointer<QWidget> m_parent;
};
