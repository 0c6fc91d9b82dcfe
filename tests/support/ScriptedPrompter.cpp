#include "ScriptedPrompter.h"

#include <gtest/gtest.h>

ScriptedPrompter::~ScriptedPrompter() {
    EXPECT_TRUE(allAnswered()) << "scripted answers were left unused";
}

MessageAnswer ScriptedPrompter::message(const QString& Text, MessageKind Kind,
                                        MessageButtons Buttons) {
    messages.push_back({Text, Kind, Buttons});
    if (m_messages.empty()) {
        ADD_FAILURE() << "unexpected message: " << Text.toStdString();
        return (Buttons & mbCancel) ? MessageAnswer::Cancel : MessageAnswer::OK;
    }
    const MessageAnswer a = m_messages.front();
    m_messages.pop_front();
    return a;
}

namespace {
template <class T> std::optional<T> next(std::deque<std::optional<T>>& Queue, const char* What) {
    if (Queue.empty()) {
        ADD_FAILURE() << "unexpected " << What;
        return std::nullopt;
    }
    const std::optional<T> v = Queue.front();
    Queue.pop_front();
    return v;
}
} // namespace

std::optional<FileChoice> ScriptedPrompter::openFile(const FileDialogRequest& Request) {
    fileRequests.push_back(Request);
    return next(m_open, "open file dialog");
}

std::optional<FileChoice> ScriptedPrompter::saveFile(const FileDialogRequest& Request) {
    fileRequests.push_back(Request);
    return next(m_save, "save file dialog");
}

std::optional<TColor> ScriptedPrompter::chooseColor(TColor, CustomColours&) {
    return next(m_colors, "colour dialog");
}

std::optional<QFont> ScriptedPrompter::chooseFont(const QFont&) {
    return next(m_fonts, "font dialog");
}

std::optional<int> ScriptedPrompter::chooseProgramGroup(const QString&,
                                                        const std::vector<ProgramGroup>& Groups) {
    QStringList labels;
    for (const ProgramGroup& g : Groups)
        labels << g.Label;
    groupOffers.push_back(labels);
    return next(m_groups, "program group chooser");
}
