#include "session/SessionFrames.h"

#include "document/IconDocument.h"
#include "document/Thumbnail.h"
#include "document/file/AniFile.h"

#include <algorithm>
#include <memory>

namespace {

// Frame edits kept for undo; each may hold a whole frame.
constexpr std::size_t MaxFrameEdits = 100;

// The frame with every pixel transparent black: same sizes, formats,
// palettes and hot spots, nothing of a file behind it.
void makeBlank(IconFrame& Frame) {
    for (auto& image : Frame.Images) {
        std::fill(image->Pixels.Bits.begin(), image->Pixels.Bits.end(), 0u);
        image->StoredData.clear();
        image->Thumbnail = MakeThumbnail(*image);
    }
    Frame.StoredData.clear();
    Frame.StoredRead.reset();
}

} // namespace

SessionFrames::SessionFrames(FrameHost& Host, QObject* Parent) : QObject(Parent), m_host(Host) {}

const IconDocument& SessionFrames::document() const {
    return m_host.frameDocument();
}

void SessionFrames::activateFrame(int Frame) {
    IconDocument& doc = m_host.frameDocument();
    if (Frame < 0 || Frame >= doc.FrameCount() || Frame == doc.activeFrame()) return;
    m_host.leaveFrame();
    doc.setActiveFrame(Frame);
    m_host.showFrame();
    emit framesChanged();
}

void SessionFrames::apply(const std::function<void()>& Change) {
    m_host.leaveFrame();
    Change();
    m_host.showFrame();
    m_host.framesEdited();
    emit framesChanged();
}

void SessionFrames::record(std::function<void()> Do, std::function<void()> Undo) {
    m_edits.resize(std::size_t(m_done));
    m_edits.push_back({std::move(Undo), Do});
    if (m_edits.size() > MaxFrameEdits) m_edits.erase(m_edits.begin());
    m_done = int(m_edits.size());
    apply(Do);
}

void SessionFrames::addFrame(NewFrame Kind) {
    IconDocument& doc = m_host.frameDocument();
    if (doc.FrameCount() >= int(AniFile::MaxFrames)) return;
    // The copy takes what the working copies show.
    m_host.leaveFrame();
    const int at = doc.activeFrame() + 1;
    auto held = std::make_shared<IconFrame>(doc.copyFrame(doc.activeFrame()));
    if (Kind == NewFrame::Blank) makeBlank(*held);
    const std::vector<FrameStep> before = doc.Sequence;
    record(
        [&doc, held, at] {
            doc.insertFrame(at, std::move(*held));
            doc.setActiveFrame(at);
        },
        [&doc, held, at, before] {
            *held = doc.removeFrame(at);
            doc.Sequence = before;
            doc.setActiveFrame(at - 1);
        });
}

void SessionFrames::removeFrame() {
    IconDocument& doc = m_host.frameDocument();
    if (doc.FrameCount() < 2) return;
    const int at = doc.activeFrame();
    auto held = std::make_shared<IconFrame>();
    const std::vector<FrameStep> before = doc.Sequence;
    record([&doc, held, at] { *held = doc.removeFrame(at); },
           [&doc, held, at, before] {
               doc.insertFrame(at, std::move(*held));
               doc.Sequence = before;
               doc.setActiveFrame(at);
           });
}

void SessionFrames::moveFrameUp() {
    const int at = m_host.frameDocument().activeFrame();
    moveFrame(at, at - 1);
}

void SessionFrames::moveFrameDown() {
    const int at = m_host.frameDocument().activeFrame();
    moveFrame(at, at + 1);
}

void SessionFrames::moveFrame(int From, int To) {
    IconDocument& doc = m_host.frameDocument();
    const int n = doc.FrameCount();
    if (From == To || From < 0 || To < 0 || From >= n || To >= n) return;
    record([&doc, From, To] { doc.moveFrame(From, To); },
           [&doc, From, To] { doc.moveFrame(To, From); });
}

void SessionFrames::setFrameRates(const std::vector<int>& Frames, std::uint32_t Rate) {
    IconDocument& doc = m_host.frameDocument();
    std::vector<std::pair<int, std::uint32_t>> before;
    for (int f : Frames)
        if (f >= 0 && f < doc.FrameCount() && doc.frameRate(f) != Rate)
            before.emplace_back(f, doc.frameRate(f));
    std::vector<FrameStep> steps = doc.Sequence;
    for (FrameStep& s : steps)
        if (std::find(Frames.begin(), Frames.end(), s.Frame) != Frames.end()) s.Rate = Rate;
    if (before.empty() && steps == doc.Sequence) return;
    const std::vector<FrameStep> stepsBefore = doc.Sequence;
    record(
        [&doc, before, steps, Rate] {
            for (const auto& fr : before)
                doc.setFrameRate(fr.first, Rate);
            doc.Sequence = steps;
        },
        [&doc, before, stepsBefore] {
            for (const auto& fr : before)
                doc.setFrameRate(fr.first, fr.second);
            doc.Sequence = stepsBefore;
        });
}

void SessionFrames::setSequence(const std::vector<FrameStep>& Steps) {
    IconDocument& doc = m_host.frameDocument();
    if (Steps == doc.Sequence || Steps.size() > AniFile::MaxSteps) return;
    for (const FrameStep& s : Steps)
        if (s.Frame < 0 || s.Frame >= doc.FrameCount()) return;
    const std::vector<FrameStep> before = doc.Sequence;
    record([&doc, Steps] { doc.Sequence = Steps; }, [&doc, before] { doc.Sequence = before; });
}

void SessionFrames::setTitleAndAuthor(const QString& Title, const QString& Author) {
    IconDocument& doc = m_host.frameDocument();
    if (doc.Title == Title && doc.Author == Author) return;
    doc.Title = Title;
    doc.Author = Author;
    m_host.framesEdited();
}

// The edit is copied out first: leaving the frame may record an image edit,
// which ends what could be redone here.
void SessionFrames::undo() {
    if (!canUndo()) return;
    --m_done;
    const std::function<void()> change = m_edits[std::size_t(m_done)].Undo;
    apply(change);
}

void SessionFrames::redo() {
    if (!canRedo()) return;
    ++m_done;
    const std::function<void()> change = m_edits[std::size_t(m_done - 1)].Redo;
    apply(change);
}

void SessionFrames::dropRedo() {
    m_edits.resize(std::size_t(m_done));
}

void SessionFrames::clear() {
    m_edits.clear();
    m_done = 0;
    emit framesChanged();
}
