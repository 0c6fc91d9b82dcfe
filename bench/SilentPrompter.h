#pragma once

#include "session/Prompter.h"

// Nothing in a benchmark run asks a question: every one is cancelled.
class SilentPrompter : public Prompter {
public:
    MessageAnswer message(const QString&, MessageKind, MessageButtons) override {
        return MessageAnswer::Cancel;
    }
    std::optional<FileChoice> openFile(const FileDialogRequest&) override { return {}; }
    std::optional<FileChoice> saveFile(const FileDialogRequest&) override { return {}; }
    std::optional<TColor> chooseColor(TColor, CustomColours&) override { return {}; }
    std::optional<QFont> chooseFont(const QFont&) override { return {}; }
    std::optional<int> chooseProgramGroup(const QString&,
                                          const std::vector<ProgramGroup>&) override {
        return {};
    }
};
