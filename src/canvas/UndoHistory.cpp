#include "canvas/UndoHistory.h"

#include <algorithm>

UndoHistory::UndoHistory(int UndoMax) {
    setUndoMax(UndoMax);
}

void UndoHistory::setUndoMax(int UndoMax) {
    m_undoMax = std::clamp(UndoMax, MinUndoMax, MaxUndoMax);
}

UndoNode UndoHistory::makeNode(const TBitmap32& WorkBitmap, const PalettePicture& Palette,
                               ColourFormat Format, bool StoredAsPng) const {
    UndoNode node;
    node.Snapshot.Assign(WorkBitmap);
    // The clip region is a borrowed handle of the moment; a recorded state
    // must not hold on to it.
    node.Snapshot.ClipRegion = nullptr;
    node.SavedPalette = Palette;
    node.SavedFormat = Format;
    node.SavedStoredAsPng = StoredAsPng;
    return node;
}

void UndoHistory::keepHotSpot(UndoNode& Node, const IconImage& Image) {
    Node.SavedHotSpotX = Image.HotSpotX;
    Node.SavedHotSpotY = Image.HotSpotY;
}

void UndoHistory::renumber() {
    for (std::size_t i = 0; i < m_nodes.size(); ++i)
        m_nodes[i].Position = int(i);
}

void UndoHistory::ResetUndo(const TBitmap32& WorkBitmap, const IconImage& Image) {
    ResetUndo(WorkBitmap, Image.Palette, Image.Format, Image.StoredAsPng);
    keepHotSpot(m_nodes.back(), Image);
}

void UndoHistory::ResetUndo(const TBitmap32& WorkBitmap, const PalettePicture& Palette,
                            ColourFormat Format, bool StoredAsPng) {
    UndoNode first = makeNode(WorkBitmap, Palette, Format, StoredAsPng);
    m_nodes.clear();
    m_nodes.push_back(std::move(first));
    m_current = 0;
}

void UndoHistory::PushUndo(const TBitmap32& WorkBitmap, const IconImage& Image) {
    PushUndo(WorkBitmap, Image.Palette, Image.Format, Image.StoredAsPng);
    keepHotSpot(m_nodes[std::size_t(m_current)], Image);
}

void UndoHistory::amendCurrent(const TBitmap32& WorkBitmap, const IconImage& Image) {
    if (m_current < 0) return;
    UndoNode node = makeNode(WorkBitmap, Image.Palette, Image.Format, Image.StoredAsPng);
    keepHotSpot(node, Image);
    node.Position = m_current;
    m_nodes[std::size_t(m_current)] = std::move(node);
}

void UndoHistory::amendCurrentHotSpot(std::uint8_t X, std::uint8_t Y) {
    if (m_current < 0) return;
    m_nodes[std::size_t(m_current)].SavedHotSpotX = X;
    m_nodes[std::size_t(m_current)].SavedHotSpotY = Y;
}

void UndoHistory::PushUndo(const TBitmap32& WorkBitmap, const PalettePicture& Palette,
                           ColourFormat Format, bool StoredAsPng) {
    // Built before the history changes, so a failed copy leaves it intact.
    UndoNode node = makeNode(WorkBitmap, Palette, Format, StoredAsPng);
    if (m_nodes.empty()) {
        // Nothing was shown before: the change simply starts the history.
        m_nodes.push_back(std::move(node));
        m_current = 0;
        return;
    }
    m_nodes.erase(m_nodes.begin() + m_current + 1, m_nodes.end());
    m_nodes.push_back(std::move(node));
    if (UndoCount() > m_undoMax) m_nodes.erase(m_nodes.begin(), m_nodes.end() - m_undoMax);
    m_current = UndoCount() - 1;
    renumber();
}

const UndoNode* UndoHistory::UndoAExecute() {
    if (!canUndo()) return nullptr;
    --m_current;
    return &m_nodes[std::size_t(m_current)];
}

const UndoNode* UndoHistory::RedoAExecute() {
    if (!canRedo()) return nullptr;
    ++m_current;
    return &m_nodes[std::size_t(m_current)];
}

const UndoNode* UndoHistory::UndoCurrent() const {
    return m_current < 0 ? nullptr : &m_nodes[std::size_t(m_current)];
}

void UndoHistory::clear() {
    m_nodes.clear();
    m_current = -1;
}

namespace {

// Assign, but the target keeps its own clip, Blend and InvertClip: those are
// the editor's current settings, not part of a recorded state.
void assignKeepingSwitches(TBitmap32& Target, const TBitmap32& Source) {
    const QRegion* clip = Target.ClipRegion;
    const bool blend = Target.Blend;
    const bool invertClip = Target.InvertClip;
    Target.Assign(Source);
    Target.ClipRegion = clip;
    Target.Blend = blend;
    Target.InvertClip = invertClip;
}

} // namespace

UndoRestore restoreUndoNode(const UndoNode& Node, TBitmap32& WorkBitmap, TBitmap32& CleanBitmap,
                            IconImage& Image) {
    UndoRestore result;
    result.SameFormat = Node.SavedFormat == Image.Format;
    assignKeepingSwitches(WorkBitmap, Node.Snapshot);
    Image.Palette = Node.SavedPalette;
    Image.Format = Node.SavedFormat;
    Image.StoredAsPng = Node.SavedStoredAsPng;
    Image.HotSpotX = Node.SavedHotSpotX;
    Image.HotSpotY = Node.SavedHotSpotY;
    result.SizeChanged =
        WorkBitmap.Width != CleanBitmap.Width || WorkBitmap.Height != CleanBitmap.Height;
    assignKeepingSwitches(CleanBitmap, WorkBitmap);
    return result;
}
