#pragma once

#include "document/IconFrame.h"

#include <QString>
#include <cstdint>
#include <optional>
#include <vector>

class IconDocument;

// The questions the frame commands ask: a rate, the sequence, the title and
// author. The window answers with dialogs, tests from a script; nothing here
// opens a window itself.
class FramePrompt {
public:
    virtual ~FramePrompt() = default;
    // The rate in jiffies (1/60 s) for the selected frames, Current shown first.
    virtual std::optional<std::uint32_t> askRate(std::uint32_t Current) = 0;
    // The steps of Document's animation; empty steps mean "play in order".
    virtual std::optional<std::vector<FrameStep>> askSequence(const IconDocument& Document) = 0;
    struct Texts {
        QString Title;
        QString Author;
    };
    virtual std::optional<Texts> askProperties(const Texts& Current) = 0;
};
