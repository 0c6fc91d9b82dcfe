#include "ScriptedPrompter.h"
#include "SessionTestSupport.h"
#include "canvas/tools/PolygonTool.h"
#include "canvas/tools/ToolInfo.h"
#include "document/DefaultPalette.h"
#include "document/PaletteOps.h"
#include "session/SessionTools.h"

#include <QSignalSpy>
#include <gtest/gtest.h>

namespace {

class SessionUndo : public ::testing::Test {
protected:
    // An untitled document whose history keeps at most UndoMax entries.
    void start(int UndoMax) {
        s.setUndoMax(UndoMax);
        s.NewAExecute(true);
    }
    TColor32 shown() { return s.WorkBitmap().GetPixel(0, 0); }
    bool canUndo() { return s.commandStates().UndoA; }
    bool canRedo() { return s.commandStates().RedoA; }

    ScriptedPrompter prompts;
    EditSession s{prompts, testDataDir()};
};

// Four changes with room for three entries: the oldest states fall off and
// undoing stops at the oldest one kept, restoring the pixels of each.
TEST_F(SessionUndo, KeepsAtMostUndoMaxEntriesAndStopsAtTheOldest) {
    start(3);
    EXPECT_FALSE(canUndo());
    EXPECT_FALSE(canRedo());
    for (TColor32 c : {0xFF000001u, 0xFF000002u, 0xFF000003u, 0xFF000004u})
        paintAll(s, c);
    EXPECT_EQ(s.undoHistory().UndoCount(), 3);
    EXPECT_TRUE(canUndo());

    s.UndoAExecute();
    EXPECT_EQ(shown(), 0xFF000003u);
    EXPECT_TRUE(canUndo());
    EXPECT_TRUE(canRedo());
    s.UndoAExecute();
    EXPECT_EQ(shown(), 0xFF000002u);
    EXPECT_FALSE(canUndo());
    EXPECT_EQ(s.CleanBitmap().GetPixel(0, 0), 0xFF000002u);
    EXPECT_EQ(s.ActiveImage().Pixels.GetPixel(5, 5), 0xFF000002u) << "the record follows";

    s.UndoAExecute(); // disabled: nothing happens
    EXPECT_EQ(shown(), 0xFF000002u);

    s.RedoAExecute();
    s.RedoAExecute();
    EXPECT_EQ(shown(), 0xFF000004u);
    EXPECT_FALSE(canRedo());
    EXPECT_TRUE(canUndo());
}

TEST_F(SessionUndo, AChangeAfterUndoDropsTheRedoEntries) {
    start(10);
    paintAll(s, 0xFF000001u);
    paintAll(s, 0xFF000002u);
    s.UndoAExecute();
    ASSERT_TRUE(canRedo());
    paintAll(s, 0xFF0000AAu);
    EXPECT_FALSE(canRedo());
    EXPECT_EQ(s.undoHistory().UndoCount(), 3);
    s.UndoAExecute();
    EXPECT_EQ(shown(), 0xFF000001u);
}

TEST_F(SessionUndo, WithOneEntryUndoStaysDisabled) {
    start(1);
    paintAll(s, 0xFF000001u);
    EXPECT_EQ(s.undoHistory().UndoCount(), 1);
    EXPECT_FALSE(canUndo());
    EXPECT_FALSE(canRedo());
    EXPECT_TRUE(s.document().Modified);
}

TEST_F(SessionUndo, ALowerLevelTrimsOnlyAtTheNextChange) {
    start(10);
    for (TColor32 c = 1; c <= 7; ++c)
        paintAll(s, 0xFF000000u | c);
    ASSERT_EQ(s.undoHistory().UndoCount(), 8);
    s.setUndoMax(2);
    EXPECT_EQ(s.undoHistory().UndoCount(), 8);
    s.UndoAExecute();
    s.UndoAExecute();
    EXPECT_EQ(shown(), 0xFF000005u) << "all eight entries still reachable";
    s.RedoAExecute();
    s.RedoAExecute();
    paintAll(s, 0xFF0000FFu);
    EXPECT_EQ(s.undoHistory().UndoCount(), 2);
    s.UndoAExecute();
    EXPECT_EQ(shown(), 0xFF000007u);
    EXPECT_FALSE(canUndo());
}

// PushUndo writes the committed pixels into the record and its thumbnail and
// marks the document changed; the list is told which item to redraw.
TEST_F(SessionUndo, RecordingRefreshesTheRecordAndThumbnail) {
    start(10);
    QSignalSpy items(&s, &EditSession::imageItemChanged);
    s.WorkBitmap().SetPixel(3, 4, 0xFF0000FFu);
    s.commit();
    s.WorkBitmap().SetPixel(9, 9, 0xFF00FF00u); // a preview, never committed
    s.PushUndo();
    EXPECT_EQ(s.ActiveImage().Pixels.GetPixel(3, 4), 0xFF0000FFu);
    EXPECT_EQ(s.ActiveImage().Pixels.GetPixel(9, 9), 0u);
    EXPECT_EQ(s.ActiveImage().Thumbnail.pixel(3, 4) & 0xFFFFFFu, 0xFF0000u); // QRgb: red high
    EXPECT_TRUE(s.document().Modified);
    ASSERT_EQ(items.count(), 1);
    EXPECT_EQ(items.front().front().toInt(), 0);
}

TEST_F(SessionUndo, UndoAcrossASizeChangeRestoresSizeCaptionAndZoom) {
    start(10);
    paintAll(s, 0xFF000001u);
    // A resize as the resize command makes it.
    s.WorkBitmap().SetSize(48, 20);
    s.commit();
    s.ActiveImage().Caption = QStringLiteral("48 x 20  (TCA)");
    s.PushUndo();

    QSignalSpy resized(&s, &EditSession::workResized);
    QSignalSpy formats(&s, &EditSession::formatChanged);
    s.UndoAExecute();
    EXPECT_EQ(s.WorkBitmap().Width, 32);
    EXPECT_EQ(s.CleanBitmap().Height, 32);
    EXPECT_EQ(s.ActiveImage().Pixels.Width, 32);
    EXPECT_EQ(s.ActiveImage().Caption, QStringLiteral("32 x 32  (TCA)"));
    EXPECT_EQ(resized.count(), 1);
    EXPECT_EQ(formats.count(), 0);

    s.RedoAExecute();
    EXPECT_EQ(s.WorkBitmap().Width, 48);
    EXPECT_EQ(s.ActiveImage().Caption, QStringLiteral("48 x 20  (TCA)"));
    EXPECT_EQ(resized.count(), 2);

    // Same size: the caption keeps whatever it had.
    s.ActiveImage().Caption = QStringLiteral("48 x 20 (TCA)");
    paintAll(s, 0xFF000002u);
    s.UndoAExecute();
    EXPECT_EQ(s.ActiveImage().Caption, QStringLiteral("48 x 20 (TCA)"));
    EXPECT_EQ(resized.count(), 2);
}

TEST_F(SessionUndo, UndoAcrossAFormatChangeRestoresPaletteFormatAndSwatches) {
    start(10);
    // Into 2 colours, as the format command does it.
    const PalettePicture twoColours = DefaultPalette(1, testDataDir());
    s.ActiveImage().Format = 1;
    s.ActiveImage().Palette = twoColours;
    s.updateCommandStates();
    s.PushUndo();
    // Back to true colour, with a colour the palette does not hold.
    s.ActiveImage().Format = 32;
    s.ActiveImage().Palette = DefaultPalette(32, testDataDir());
    s.updateCommandStates();
    s.PushUndo();
    s.setForegroundColor32(0x80A0C0D0u);
    s.setBackgroundColor32(0x00202020u);

    QSignalSpy formats(&s, &EditSession::formatChanged);
    QSignalSpy boxes(&s, &EditSession::coloursBoxChanged);
    s.UndoAExecute();
    EXPECT_EQ(s.ActiveImage().Format, 1);
    EXPECT_EQ(s.ActiveImage().Palette.entries(), twoColours.entries());
    EXPECT_TRUE(s.commandStates().PalA);
    EXPECT_EQ(formats.count(), 1);
    EXPECT_GE(boxes.count(), 1);
    EXPECT_EQ(s.coloursBox().paletteHeight(), 30) << "the box shows the two colours";
    EXPECT_EQ(s.ActiveImage().Caption, QStringLiteral("32 x 32  (2)"));
    // Both swatches take the nearest palette entry; the alphas stay.
    const TColor fg = NearestPaletteColor(0xA0C0D0u, 1, twoColours);
    EXPECT_EQ(s.ForegroundColor32(), SetAlpha(fg, 0x80));
    EXPECT_EQ(s.BackgroundColor32(), SetAlpha(NearestPaletteColor(0x202020u, 1, twoColours), 0));
    EXPECT_EQ(s.WorkBitmap().PenColor, s.ForegroundColor32());

    s.RedoAExecute();
    EXPECT_EQ(s.ActiveImage().Format, 32);
    EXPECT_FALSE(s.commandStates().PalA);
    EXPECT_EQ(formats.count(), 2);
}

TEST_F(SessionUndo, AnotherImageStartsAnEmptyHistory) {
    start(10);
    s.appendNewImage({16, 16, 32});
    paintAll(s, 0xFF000001u);
    ASSERT_TRUE(canUndo());
    s.ActivateImage(0, false);
    EXPECT_FALSE(canUndo());
    EXPECT_FALSE(canRedo());
    s.ActivateImage(1, false);
    EXPECT_FALSE(canUndo());
    EXPECT_FALSE(canRedo());
    EXPECT_EQ(s.undoHistory().UndoCount(), 1);
    EXPECT_EQ(shown(), 0xFF000001u) << "the change itself stays";
}

// A polygon still being clicked into place lives only as a preview: leaving
// the image, duplicating it or saving never takes its lines for the image,
// and its clicks start again on the next image.
TEST_F(SessionUndo, AnUnfinishedPolygonNeverReachesTheImage) {
    start(10);
    s.appendNewImage({16, 16, 32});
    paintAll(s, 0xFF000001u);
    SessionTools& t = s.tools();
    const auto polygonAt = [&](QPoint A, QPoint B) {
        t.controller().freeClick(PolygonTag);
        for (const QPoint p : {A, B}) {
            t.controller().WorkMouseDown(p, WorkButton::Left, WorkShift{});
            t.controller().WorkMouseUp(p, WorkButton::Left, WorkShift{});
        }
        t.controller().WorkMouseMove(QPoint(8, 12), WorkShift{});
        ASSERT_NE(s.WorkBitmap().GetPixel(2, 2), 0xFF000001u) << "rubber band shown";
    };
    const auto polygon = [&] {
        return static_cast<PolygonTool*>(t.controller().tool(PolygonTag));
    };

    polygonAt(QPoint(2, 2), QPoint(12, 2));
    s.Duplicate1Click();
    EXPECT_EQ(s.document().image(1).Pixels.GetPixel(2, 2), 0xFF000001u);
    EXPECT_EQ(s.document().image(2).Pixels.GetPixel(2, 2), 0xFF000001u);
    EXPECT_EQ(polygon()->count(), 0);

    s.ActivateImage(1, false);
    polygonAt(QPoint(2, 2), QPoint(12, 2));
    s.ActivateImage(0, false);
    EXPECT_EQ(s.document().image(1).Pixels.GetPixel(2, 2), 0xFF000001u);
    EXPECT_EQ(polygon()->count(), 0);
    // A move on the next image previews nothing of the old clicks.
    t.controller().WorkMouseMove(QPoint(5, 5), WorkShift{});
    EXPECT_TRUE(s.WorkBitmap().samePixels(s.CleanBitmap()));

    // Undo in the middle of a polygon gives it up too.
    s.ActivateImage(1, false);
    paintAll(s, 0xFF000002u);
    polygonAt(QPoint(2, 2), QPoint(12, 2));
    s.UndoAExecute();
    EXPECT_EQ(s.WorkBitmap().GetPixel(2, 2), 0xFF000001u);
    EXPECT_EQ(polygon()->count(), 0);
}

} // namespace
