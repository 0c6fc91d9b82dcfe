#pragma once

#include "session/FramePrompt.h"

class QWidget;
class SequenceDialog;

// FramePrompt answered with dialogs over Parent: a number box for the rate,
// the Sequence dialog, and a small form for title and author.
class QtFramePrompt : public FramePrompt {
public:
    explicit QtFramePrompt(QWidget* Parent) : m_parent(Parent) {}
    std::optional<std::uint32_t> askRate(std::uint32_t Current) override;
    std::optional<std::vector<FrameStep>> askSequence(const IconDocument& Document) override;
    std::optional<Texts> askProperties(const Texts& Current) override;

private:
    QWidget* m_parent;
};
