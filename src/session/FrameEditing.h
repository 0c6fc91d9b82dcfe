#pragma once

#include <QString>
#include <cstdint>
#include <vector>

class IconDocument;
struct FrameStep;

// What the frame strip and the frame dialogs may read and do. Every command
// but activateFrame is one undo step. Frames are numbered from 0.
class FrameEditing {
public:
    virtual ~FrameEditing() = default;
    virtual const IconDocument& document() const = 0;
    virtual void activateFrame(int Frame) = 0;
    // A new frame after the active one, which it becomes: blank images of the
    // active frame's sizes, formats and hot spots, or a copy of the frame.
    enum class NewFrame { Blank, Copy };
    virtual void addFrame(NewFrame Kind) = 0;
    virtual void removeFrame() = 0;
    virtual void moveFrameUp() = 0;
    virtual void moveFrameDown() = 0;
    // Frame From goes to place To, the frames between shifting by one; the
    // sequence keeps showing the same frames.
    virtual void moveFrame(int From, int To) = 0;
    // Frames show for Rate jiffies; steps of the sequence showing them too.
    virtual void setFrameRates(const std::vector<int>& Frames, std::uint32_t Rate) = 0;
    // Empty: the frames play in order.
    virtual void setSequence(const std::vector<FrameStep>& Steps) = 0;
    // The texts an animated cursor carries; a change, but no undo step.
    virtual void setTitleAndAuthor(const QString& Title, const QString& Author) = 0;
};
