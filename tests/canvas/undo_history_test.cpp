#include "canvas/UndoHistory.h"

#include <QRegion>
#include <algorithm>
#include <gtest/gtest.h>
#include <utility>
#include <vector>

namespace {

// A bitmap whose every pixel is Fill, so a state is recognisable by one value.
TBitmap32 filled(TColor32 Fill, int Width = 4, int Height = 3) {
    TBitmap32 b(Width, Height);
    std::fill(b.Bits.begin(), b.Bits.end(), Fill);
    return b;
}

// A small history driver: the session's side of a change reduced to "the
// WorkBitmap now holds state k".
struct Editor {
    UndoHistory history;
    IconImage image;
    TBitmap32 work = filled(0xFF000000);
    TBitmap32 clean = filled(0xFF000000);

    explicit Editor(int UndoMax) : history(UndoMax) { history.ResetUndo(work, image); }
    void change(TColor32 State) {
        work = filled(State, work.Width, work.Height);
        clean = work;
        history.PushUndo(work, image);
    }
    TColor32 undo() {
        const UndoNode* node = history.UndoAExecute();
        EXPECT_NE(node, nullptr);
        if (node) restoreUndoNode(*node, work, clean, image);
        return work.GetPixel(0, 0);
    }
    TColor32 redo() {
        const UndoNode* node = history.RedoAExecute();
        EXPECT_NE(node, nullptr);
        if (node) restoreUndoNode(*node, work, clean, image);
        return work.GetPixel(0, 0);
    }
    void expectPositions() {
        for (int i = 0; i < history.UndoCount(); ++i)
            EXPECT_EQ((history.UndoHead() + i)->Position, i);
    }
};

} // namespace

TEST(UndoHistory, KeepsAtMostUndoMaxEntriesAndStopsAtTheOldest) {
    Editor e(3);
    EXPECT_FALSE(e.history.canUndo());
    EXPECT_FALSE(e.history.canRedo());
    for (TColor32 s : {0xFF000001u, 0xFF000002u, 0xFF000003u, 0xFF000004u})
        e.change(s);

    EXPECT_EQ(e.history.UndoCount(), 3);
    e.expectPositions();
    EXPECT_TRUE(e.history.canUndo());
    EXPECT_FALSE(e.history.canRedo());
    EXPECT_EQ(e.undo(), 0xFF000003u);
    EXPECT_EQ(e.undo(), 0xFF000002u);
    EXPECT_FALSE(e.history.canUndo());
    EXPECT_TRUE(e.history.canRedo());
    EXPECT_EQ(e.history.UndoAExecute(), nullptr); // at the oldest: nothing moves
    EXPECT_EQ(e.history.UndoCurrent()->Position, 0);

    EXPECT_EQ(e.redo(), 0xFF000003u);
    EXPECT_EQ(e.redo(), 0xFF000004u);
    EXPECT_FALSE(e.history.canRedo());
    EXPECT_EQ(e.history.RedoAExecute(), nullptr);
}

TEST(UndoHistory, ChangeAfterUndoDropsTheRedoEntries) {
    Editor e(10);
    e.change(0xFF0000AAu);
    e.change(0xFF0000BBu);
    e.change(0xFF0000CCu);
    e.undo();
    e.undo();
    ASSERT_TRUE(e.history.canRedo());

    e.change(0xFF0000DDu);
    EXPECT_FALSE(e.history.canRedo());
    EXPECT_EQ(e.history.UndoCount(), 3);
    e.expectPositions();
    EXPECT_EQ(e.undo(), 0xFF0000AAu);
    EXPECT_EQ(e.undo(), 0xFF000000u);
    EXPECT_EQ(e.redo(), 0xFF0000AAu);
    EXPECT_EQ(e.redo(), 0xFF0000DDu);
    EXPECT_FALSE(e.history.canRedo());
}

TEST(UndoHistory, WithUndoMaxOneUndoStaysDisabled) {
    Editor e(1);
    e.change(0xFF123456u);
    EXPECT_EQ(e.history.UndoCount(), 1);
    EXPECT_FALSE(e.history.canUndo());
    EXPECT_FALSE(e.history.canRedo());
    EXPECT_EQ(e.history.UndoAExecute(), nullptr);
    EXPECT_EQ(e.history.UndoCurrent()->Snapshot.GetPixel(0, 0), 0xFF123456u);
}

TEST(UndoHistory, LoweringTheLevelKeepsTheHistoryUntilTheNextChange) {
    Editor e(10);
    for (TColor32 s = 1; s <= 7; ++s)
        e.change(0xFF000000u | s);
    ASSERT_EQ(e.history.UndoCount(), 8);

    e.history.setUndoMax(2);
    EXPECT_EQ(e.history.UndoMax(), 2);
    EXPECT_EQ(e.history.UndoCount(), 8);
    EXPECT_EQ(e.undo(), 0xFF000006u); // still reachable after lowering
    e.redo();

    e.change(0xFF000008u);
    EXPECT_EQ(e.history.UndoCount(), 2);
    e.expectPositions();
    EXPECT_EQ(e.undo(), 0xFF000007u);
    EXPECT_FALSE(e.history.canUndo());
}

TEST(UndoHistory, UndoMaxIsClampedToItsRange) {
    for (auto [given, kept] : {std::pair{0, 1}, {-5, 1}, {1, 1}, {999, 999}, {1000, 999}}) {
        SCOPED_TRACE(given);
        UndoHistory h(given);
        EXPECT_EQ(h.UndoMax(), kept);
    }
}

TEST(UndoHistory, UndoAcrossASizeAndFormatChangeRestoresBoth) {
    Editor e(10);
    e.image.Format = 4;
    e.image.Palette = PalettePicture::fromEntries(std::vector<TColor>(16, 0x0000FF));
    e.work = filled(0xFF0000FFu, 2, 5);
    e.clean = e.work;
    e.history.ResetUndo(e.work, e.image);

    // A resize that also changed the format, as a format change would.
    e.image.Format = 32;
    e.image.Palette = PalettePicture::fromEntries(std::vector<TColor>(320, 0x00FF00));
    e.work = filled(0x80FF0000u, 7, 3);
    e.clean = e.work;
    e.history.PushUndo(e.work, e.image);

    const UndoNode* node = e.history.UndoAExecute();
    ASSERT_NE(node, nullptr);
    const UndoRestore r = restoreUndoNode(*node, e.work, e.clean, e.image);
    EXPECT_TRUE(r.SizeChanged);
    EXPECT_FALSE(r.SameFormat);
    EXPECT_EQ(e.work.Width, 2);
    EXPECT_EQ(e.work.Height, 5);
    EXPECT_TRUE(e.clean.samePixels(e.work));
    EXPECT_EQ(e.image.Format, 4);
    EXPECT_EQ(e.image.Palette.count(), 16);
    EXPECT_EQ(e.image.Palette.entry(15), 0x0000FFu);

    node = e.history.RedoAExecute();
    ASSERT_NE(node, nullptr);
    const UndoRestore back = restoreUndoNode(*node, e.work, e.clean, e.image);
    EXPECT_TRUE(back.SizeChanged);
    EXPECT_FALSE(back.SameFormat);
    EXPECT_EQ(e.work.Width, 7);
    EXPECT_EQ(e.work.GetPixel(6, 2), 0x80FF0000u);
    EXPECT_EQ(e.image.Format, 32);
    EXPECT_EQ(e.image.Palette.count(), 320);
}

TEST(UndoHistory, AnUnchangedSizeAndFormatIsReportedAsSuch) {
    Editor e(10);
    e.change(0xFF00FF00u);
    const UndoNode* node = e.history.UndoAExecute();
    ASSERT_NE(node, nullptr);
    const UndoRestore r = restoreUndoNode(*node, e.work, e.clean, e.image);
    EXPECT_FALSE(r.SizeChanged);
    EXPECT_TRUE(r.SameFormat);
}

TEST(UndoHistory, EntriesBehaveAsFullCopies) {
    Editor e(10);
    e.image.Palette = PalettePicture::fromEntries({0x000000, 0xFFFFFF});
    e.image.Format = 1;
    e.change(0xFF111111u);

    // Later edits of the working copy or of the palette must not reach the
    // recorded states.
    e.work.SetPixel(1, 1, 0xFF999999u);
    e.image.Palette.setEntry(1, 0x123456);
    const UndoNode* current = e.history.UndoCurrent();
    EXPECT_EQ(current->Snapshot.GetPixel(1, 1), 0xFF111111u);
    EXPECT_EQ(current->SavedPalette.entry(1), 0xFFFFFFu);

    // And restoring an entry hands out a copy: painting over it afterwards
    // leaves the entry for the next redo intact.
    EXPECT_EQ(e.undo(), 0xFF000000u);
    e.work.SetPixel(0, 0, 0xFF777777u);
    e.clean.SetPixel(0, 0, 0xFF777777u);
    EXPECT_EQ(e.redo(), 0xFF111111u);
    EXPECT_EQ(e.undo(), 0xFF000000u);
    EXPECT_EQ(e.work.GetPixel(1, 1), 0xFF000000u);
}

TEST(UndoHistory, RestoringKeepsTheEditorsDrawingSwitches) {
    Editor e(10);
    const QRegion oldClip(0, 0, 1, 1);
    e.work.ClipRegion = &oldClip;
    e.work.Blend = false; // "Blend Colors" was up when the first state was recorded
    e.history.ResetUndo(e.work, e.image);
    EXPECT_EQ(e.history.UndoCurrent()->Snapshot.ClipRegion, nullptr);

    e.work.ClipRegion = nullptr;
    e.work.Blend = true;
    e.clean.Blend = true;
    e.change(0xFF0000EEu);
    e.undo();
    EXPECT_EQ(e.work.ClipRegion, nullptr);
    EXPECT_TRUE(e.work.Blend);
    EXPECT_TRUE(e.clean.Blend);
}

TEST(UndoHistory, ANewActivationStartsAnEmptyHistory) {
    Editor e(10);
    e.change(0xFF0000A1u);
    e.change(0xFF0000A2u);
    e.undo();
    ASSERT_TRUE(e.history.canUndo());
    ASSERT_TRUE(e.history.canRedo());

    e.work = filled(0xFF00BEEFu, 9, 9); // the other image
    e.history.ResetUndo(e.work, e.image);
    EXPECT_EQ(e.history.UndoCount(), 1);
    EXPECT_FALSE(e.history.canUndo());
    EXPECT_FALSE(e.history.canRedo());
    EXPECT_EQ(e.history.UndoCurrent(), e.history.UndoHead());
    EXPECT_EQ(e.history.UndoCurrent()->Snapshot.Width, 9);
}

TEST(UndoHistory, AnEmptyHistoryRefusesUndoAndStartsWithTheFirstChange) {
    UndoHistory h;
    EXPECT_TRUE(h.empty());
    EXPECT_EQ(h.UndoCurrent(), nullptr);
    EXPECT_EQ(h.UndoAExecute(), nullptr);
    EXPECT_EQ(h.RedoAExecute(), nullptr);
    EXPECT_FALSE(h.canUndo());
    EXPECT_FALSE(h.canRedo());

    IconImage image;
    h.PushUndo(filled(0xFF000042u), image);
    EXPECT_EQ(h.UndoCount(), 1);
    EXPECT_FALSE(h.canUndo());

    h.clear();
    EXPECT_TRUE(h.empty());
    EXPECT_FALSE(h.canRedo());
}
