#pragma once

#include "document/IconImage.h"
#include "document/PalettePicture.h"
#include "pixel/TBitmap32.h"

#include <vector>

// One recorded state of the active image: what undo and redo put back.
// The caption and the image's place in the list are not part of it; they are
// document structure, which the history does not record. The hot spot is:
// a stretch moves it with the pixels, and undoing the stretch must bring
// back the one that belonged to the smaller picture.
struct UndoNode {
    TBitmap32 Snapshot;          // size and pixels of the WorkBitmap
    PalettePicture SavedPalette; // the image's palette (or colour chart)
    ColourFormat SavedFormat = 32;
    bool SavedStoredAsPng = false; // how the image is kept in the file
    std::uint8_t SavedHotSpotX = 0;
    std::uint8_t SavedHotSpotY = 0;
    int Position = 0; // 0-based, counted from the oldest entry
};

// The linear history of one activation of one image.
//
// Entries are values owned by the history: recording copies the pixels, so
// nothing the caller does to its bitmaps afterwards reaches a recorded state.
// Palettes are QImage based and therefore share their data implicitly until
// one side writes, which behaves exactly like a copy.
//
// The history is held by the edit session, which drives it like this:
//
//  * ResetUndo() whenever a new image is shown (activation, New, Open), after
//    the WorkBitmap holds that image. Both UndoA and RedoA are then disabled.
//
//  * PushUndo() after every finished change, once the result is in both the
//    CleanBitmap and the WorkBitmap. Before it the session refreshes the
//    image record and its thumbnail from the CleanBitmap; after it the
//    session sets the document's Modified flag. UndoA/RedoA follow
//    canUndo()/canRedo().
//
//  * UndoAExecute()/RedoAExecute() only while UndoA/RedoA are enabled (both
//    return null otherwise and change nothing). A floating selection is no
//    entry: while one floats, the session's first Undo takes back only the
//    selection (a paste goes, a lift puts its pixels back) and does not call
//    the history; Redo discards it unmerged before stepping forward.
//    The session then calls restoreUndoNode() and, from its result:
//      - if the size changed or the format differs: the list caption becomes
//        ImageCaption ("%d x %d  %s", two blanks), ZoomToFit and a repaint;
//      - always: RenderWorkView, Modified set, RefreshThumbnail,
//        RebuildColoursBox;
//      - if the format differs: the "Image C&olors" entry whose Tag equals the
//        format is checked (image 18 on the checked entry only), PalA enabled
//        exactly for formats below 24, and for those formats the two swatches
//        take NearestPaletteColor of their colours (their label text colours
//        follow, see ColourState).
class UndoHistory {
public:
    static constexpr int MinUndoMax = 1;
    static constexpr int MaxUndoMax = 999;
    static constexpr int DefaultUndoMax = 10;

    explicit UndoHistory(int UndoMax = DefaultUndoMax);

    // The most entries kept, the initial one included (so 10 allows nine undo
    // steps). Lowering it trims nothing now: a longer history is cut at the
    // next PushUndo. Values outside 1..999 are clamped.
    int UndoMax() const { return m_undoMax; }
    void setUndoMax(int UndoMax);

    // Discards everything and starts over with the state being shown.
    void ResetUndo(const TBitmap32& WorkBitmap, const IconImage& Image);
    void ResetUndo(const TBitmap32& WorkBitmap, const PalettePicture& Palette, ColourFormat Format,
                   bool StoredAsPng = false);

    // Records the state being shown as the newest entry: redo entries are
    // dropped, then the oldest entries beyond UndoMax.
    void PushUndo(const TBitmap32& WorkBitmap, const IconImage& Image);
    void PushUndo(const TBitmap32& WorkBitmap, const PalettePicture& Palette, ColourFormat Format,
                  bool StoredAsPng = false);

    // The entry being shown takes the state now shown instead: a change
    // that is not a step of its own (the hot spot tool, a cancelled lift)
    // is then what undo and redo come back to. Nothing for an empty history.
    void amendCurrent(const TBitmap32& WorkBitmap, const IconImage& Image);
    void amendCurrentHotSpot(std::uint8_t X, std::uint8_t Y);

    // Steps back / forward and returns the entry to show, or null when there
    // is nowhere to go. The pointer stays valid until the next PushUndo,
    // ResetUndo or clear().
    const UndoNode* UndoAExecute();
    const UndoNode* RedoAExecute();

    bool canUndo() const { return m_current > 0; }
    bool canRedo() const { return m_current >= 0 && m_current + 1 < UndoCount(); }

    int UndoCount() const { return int(m_nodes.size()); }
    bool empty() const { return m_nodes.empty(); }
    // The entry whose state is being shown; null only for an empty history.
    const UndoNode* UndoCurrent() const;
    const UndoNode* UndoHead() const { return m_nodes.empty() ? nullptr : &m_nodes.front(); }
    // Frees every entry (shutdown, or before the document is replaced).
    void clear();

private:
    UndoNode makeNode(const TBitmap32& WorkBitmap, const PalettePicture& Palette,
                      ColourFormat Format, bool StoredAsPng) const;
    static void keepHotSpot(UndoNode& Node, const IconImage& Image);
    void renumber();

    std::vector<UndoNode> m_nodes; // oldest first
    int m_current = -1;            // index into m_nodes, -1 when empty
    int m_undoMax = DefaultUndoMax;
};

// What putting an entry back changed, for the session's window side.
struct UndoRestore {
    bool SameFormat = true;   // the entry's format equals the image's before
    bool SizeChanged = false; // the restored size differs from the CleanBitmap's
};

// Puts Node back into the working copies and the image: WorkBitmap and
// CleanBitmap take its size and pixels, the image its palette, format,
// storage and hot spot.
// The working copies keep their own drawing state (pen, brush, font, clip
// region, Blend and InvertClip), so the "Blend Colors" setting and any clip
// in use survive an undo whatever they were when the entry was made. The
// image's Pixels are left to RefreshThumbnail.
UndoRestore restoreUndoNode(const UndoNode& Node, TBitmap32& WorkBitmap, TBitmap32& CleanBitmap,
                            IconImage& Image);
