#pragma once

#include "session/Prompter.h"

#include <deque>
#include <vector>

// A Prompter that answers from a script and never blocks. A question asked with
// no answer left fails the running test and is answered as cancelled; answers
// left over at the end fail it too.
class ScriptedPrompter : public Prompter {
public:
    struct Asked {
        QString Text;
        MessageKind Kind;
        MessageButtons Buttons;
    };

    ~ScriptedPrompter() override;

    // Queue the next answers.
    void answer(MessageAnswer A) { m_messages.push_back(A); }
    void openFileAnswer(std::optional<FileChoice> C) { m_open.push_back(std::move(C)); }
    void saveFileAnswer(std::optional<FileChoice> C) { m_save.push_back(std::move(C)); }
    void colorAnswer(std::optional<TColor> C) { m_colors.push_back(C); }
    void fontAnswer(std::optional<QFont> F) { m_fonts.push_back(std::move(F)); }
    void groupAnswer(std::optional<int> G) { m_groups.push_back(G); }

    // Everything shown so far, in order.
    std::vector<Asked> messages;
    std::vector<FileDialogRequest> fileRequests;
    // The labels of the groups each program chooser offered.
    std::vector<QStringList> groupOffers;

    MessageAnswer message(const QString& Text, MessageKind Kind, MessageButtons Buttons) override;
    std::optional<FileChoice> openFile(const FileDialogRequest& Request) override;
    std::optional<FileChoice> saveFile(const FileDialogRequest& Request) override;
    std::optional<TColor> chooseColor(TColor Initial, CustomColours& Custom) override;
    std::optional<QFont> chooseFont(const QFont& Initial) override;
    std::optional<int> chooseProgramGroup(const QString& Program,
                                          const std::vector<ProgramGroup>& Groups) override;

    bool allAnswered() const {
        return m_messages.empty() && m_open.empty() && m_save.empty() && m_colors.empty() &&
               m_fonts.empty() && m_groups.empty();
    }

private:
    std::deque<MessageAnswer> m_messages;
    std::deque<std::optional<FileChoice>> m_open;
    std::deque<std::optional<FileChoice>> m_save;
    std::deque<std::optional<TColor>> m_colors;
    std::deque<std::optional<QFont>> m_fonts;
    std::deque<std::optional<int>> m_groups;
};
