// The frames of an animated cursor. The active frame's images live in the
// document's own list, so everything that edits images sees only them; the
// other frames wait in m_frames until they become active.

#include "document/IconDocument.h"

#include <algorithm>
#include <stdexcept>

void IconDocument::checkFrame(int F) const {
    if (F < 0 || F >= FrameCount()) throw std::out_of_range("frame index out of range");
}

const IconDocument::ImageList& IconDocument::frameImages(int F) const {
    checkFrame(F);
    return F == m_activeFrame ? m_images : m_frames[std::size_t(F)].Images;
}

int IconDocument::frameActiveIndex(int F) const {
    checkFrame(F);
    return F == m_activeFrame ? activeIndex() : m_frames[std::size_t(F)].ActiveIndex;
}

std::uint32_t IconDocument::frameRate(int F) const {
    checkFrame(F);
    return m_frames[std::size_t(F)].Rate;
}

void IconDocument::setFrameRate(int F, std::uint32_t Rate) {
    checkFrame(F);
    m_frames[std::size_t(F)].Rate = Rate;
}

const QByteArray& IconDocument::frameStoredData(int F) const {
    checkFrame(F);
    return m_frames[std::size_t(F)].StoredData;
}

const StoredFrameRead* IconDocument::frameStoredRead(int F) const {
    checkFrame(F);
    return m_frames[std::size_t(F)].StoredRead.get();
}

std::vector<FrameStep> IconDocument::playedSteps() const {
    if (!Sequence.empty()) return Sequence;
    std::vector<FrameStep> steps;
    for (int f = 0; f < FrameCount(); ++f)
        steps.push_back({f, frameRate(f)});
    return steps;
}

void IconDocument::parkActiveFrame() {
    IconFrame& frame = m_frames[std::size_t(m_activeFrame)];
    frame.ActiveIndex = activeIndex();
    frame.Images = std::move(m_images);
    m_images.clear();
    m_active = nullptr;
}

void IconDocument::loadActiveFrame() {
    IconFrame& frame = m_frames[std::size_t(m_activeFrame)];
    m_images = std::move(frame.Images);
    frame.Images.clear();
    renumber(0);
    m_active = m_images[std::size_t(std::clamp(frame.ActiveIndex, 0, ImageCount() - 1))].get();
}

void IconDocument::setActiveFrame(int F) {
    checkFrame(F);
    if (F == m_activeFrame) return;
    parkActiveFrame();
    m_activeFrame = F;
    loadActiveFrame();
}

IconFrame IconDocument::copyFrame(int F) const {
    IconFrame copy;
    for (const auto& image : frameImages(F))
        copy.Images.push_back(std::make_unique<IconImage>(*image));
    copy.ActiveIndex = frameActiveIndex(F);
    copy.Rate = frameRate(F);
    copy.StoredData = frameStoredData(F);
    copy.StoredRead = m_frames[std::size_t(F)].StoredRead;
    return copy;
}

void IconDocument::insertFrame(int Position, IconFrame Frame) {
    if (Frame.Images.empty()) throw std::invalid_argument("a frame needs at least one image");
    for (const auto& image : Frame.Images)
        if (!image) throw std::invalid_argument("a frame holds no empty entries");
    if (Position < 0 || Position > FrameCount())
        throw std::out_of_range("insert position out of range");
    for (int i = 0; i < int(Frame.Images.size()); ++i)
        Frame.Images[std::size_t(i)]->Index = i;
    Frame.ActiveIndex = std::clamp(Frame.ActiveIndex, 0, int(Frame.Images.size()) - 1);
    m_frames.insert(m_frames.begin() + Position, std::move(Frame));
    if (Position <= m_activeFrame) ++m_activeFrame;
    for (FrameStep& s : Sequence)
        if (s.Frame >= Position) ++s.Frame;
}

IconFrame IconDocument::removeFrame(int F) {
    checkFrame(F);
    if (FrameCount() == 1) throw std::logic_error("the only frame of a document cannot be removed");
    const bool wasActive = F == m_activeFrame;
    if (wasActive) parkActiveFrame();
    IconFrame removed = std::move(m_frames[std::size_t(F)]);
    m_frames.erase(m_frames.begin() + F);
    if (wasActive) {
        m_activeFrame = std::min(F, FrameCount() - 1);
        loadActiveFrame();
    } else if (F < m_activeFrame) {
        --m_activeFrame;
    }
    std::vector<FrameStep> kept;
    for (FrameStep s : Sequence) {
        if (s.Frame == F) continue;
        if (s.Frame > F) --s.Frame;
        kept.push_back(s);
    }
    Sequence = std::move(kept);
    return removed;
}

void IconDocument::moveFrame(int From, int To) {
    checkFrame(From);
    checkFrame(To);
    if (From == To) return;
    IconFrame moving = std::move(m_frames[std::size_t(From)]);
    m_frames.erase(m_frames.begin() + From);
    m_frames.insert(m_frames.begin() + To, std::move(moving));
    // Where each old position went.
    const auto moved = [&](int I) {
        if (I == From) return To;
        if (From < To && I > From && I <= To) return I - 1;
        if (To < From && I >= To && I < From) return I + 1;
        return I;
    };
    m_activeFrame = moved(m_activeFrame);
    for (FrameStep& s : Sequence)
        s.Frame = moved(s.Frame);
}

void IconDocument::replaceFrames(std::vector<IconFrame> Frames, int Active) {
    if (Frames.empty()) throw std::invalid_argument("a document needs at least one frame");
    if (Active < 0 || Active >= int(Frames.size()))
        throw std::invalid_argument("the active frame must be one of the new frames");
    for (const IconFrame& frame : Frames) {
        if (frame.Images.empty()) throw std::invalid_argument("a frame needs at least one image");
        for (const auto& image : frame.Images)
            if (!image) throw std::invalid_argument("a frame holds no empty entries");
    }
    m_frames.swap(Frames);
    m_activeFrame = Active;
    m_images.clear();
    loadActiveFrame();
}
