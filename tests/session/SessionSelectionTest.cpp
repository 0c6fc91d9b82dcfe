#include "FakeClipboard.h"
#include "ScriptedEffects.h"
#include "ScriptedPrompter.h"
#include "SessionTestSupport.h"
#include "canvas/RenderWorkView.h"
#include "canvas/tools/ToolInfo.h"
#include "images/NewIconOptions.h"
#include "session/SessionEffects.h"
#include "session/SessionTools.h"

#include <QImage>
#include <QSignalSpy>
#include <algorithm>
#include <functional>
#include <gtest/gtest.h>
#include <optional>

namespace {

// A different opaque colour at every pixel, so any pixel out of place shows.
TColor32 patternAt(int X, int Y) {
    return 0xFF000000u | TColor32(X * 7 + 1) | (TColor32(Y * 5 + 3) << 8) | 0x400000u;
}

TColor32 inverse(TColor32 C) {
    return 0xFF000000u | (0xFFFFFFu - (C & 0xFFFFFFu));
}

QImage solidPicture(int W, int H, QRgb Colour) {
    QImage p(W, H, QImage::Format_ARGB32);
    p.fill(Colour);
    return p;
}

class SessionSelection : public ::testing::Test {
protected:
    void SetUp() override {
        s.setClipboard(&clip);
        s.effects().setPrompt(&answers);
        s.NewAExecute(true);
        connect();
    }
    void connect() {
        QObject::connect(&s.tools(), &SessionTools::workCursorChanged,
                         [this](int Number) { cursor = Number; });
        QObject::connect(&s.tools(), &SessionTools::extentChanged,
                         [this](const QString& Text) { extent = Text; });
    }
    // The image becomes the pattern, with a fresh history.
    void paintPattern() {
        TBitmap32& w = s.WorkBitmap();
        for (int y = 0; y < w.Height; ++y)
            for (int x = 0; x < w.Width; ++x)
                w.SetPixel(x, y, patternAt(x, y));
        s.commit();
        s.PushUndo();
        s.ResetUndo();
    }
    ToolController& tools() { return s.tools().controller(); }
    void chooseSelect() { ASSERT_TRUE(tools().freeClick(SelectTag)); }
    void hover(QPoint P) { tools().WorkMouseMove(P, WorkShift{}); }
    void press(QPoint P) { tools().WorkMouseDown(P, WorkButton::Left, WorkShift{}); }
    void move(QPoint P) {
        WorkShift held;
        held.Left = true;
        tools().WorkMouseMove(P, held);
    }
    void release(QPoint P) { tools().WorkMouseUp(P, WorkButton::Left, WorkShift{}); }
    void dragSelect(QPoint From, QPoint To) {
        hover(From);
        press(From);
        move(To);
        release(To);
    }
    const FloatingSelection* floating() const { return s.floatingSelection(); }
    int undoCount() const { return s.undoHistory().UndoCount(); }

    // The picture the work view shows at this moment.
    TBitmap32 shown() {
        TBitmap32 work = s.WorkBitmap();
        WorkViewScene scene;
        scene.WorkBitmap = &work;
        scene.CleanBitmap = &s.CleanBitmap();
        if (floating())
            scene.Selection =
                FloatingSelectionOverlay{&floating()->Pixels, floating()->SelectionRect()};
        QImage buffer;
        RenderWorkView(scene, ZoomToFit(64, 64, work.Width, work.Height), buffer);
        return work;
    }

    FakeClipboard clip;
    ScriptedPrompter prompts;
    ScriptedEffects answers;
    EditSession s{prompts, testDataDir()};
    int cursor = 22;
    QString extent;
};

// Only a drag that spans two rows and two columns lifts a rectangle; the
// corners may come in any order and reach past the image, which gives 0.
TEST_F(SessionSelection, ADragLiftsTheRectangleBetweenItsCorners) {
    const struct {
        QPoint From, To;
        std::optional<QRect> Rect;
    } cases[] = {
        {{2, 3}, {5, 3}, std::nullopt},
        {{2, 3}, {2, 9}, std::nullopt},
        {{4, 4}, {4, 4}, std::nullopt},
        {{5, 7}, {2, 3}, TRect(2, 3, 6, 8)},
        {{30, 29}, {33, 31}, TRect(30, 29, 34, 32)},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message()
                     << c.From.x() << "," << c.From.y() << " to " << c.To.x() << "," << c.To.y());
        s.NewAExecute(true);
        paintPattern();
        chooseSelect();
        dragSelect(c.From, c.To);
        EXPECT_EQ(undoCount(), 1) << "lifting records nothing";
        if (!c.Rect) {
            EXPECT_EQ(floating(), nullptr);
            EXPECT_FALSE(s.selTimEnabled());
            continue;
        }
        ASSERT_NE(floating(), nullptr);
        EXPECT_EQ(floating()->SelectionRect(), *c.Rect);
        EXPECT_FALSE(floating()->PastedSelection());
        EXPECT_TRUE(s.selTimEnabled());
        EXPECT_EQ(s.selTimInterval(), 500);
        const TBitmap32& p = floating()->Pixels;
        ASSERT_EQ(p.Width, c.Rect->width());
        ASSERT_EQ(p.Height, c.Rect->height());
        for (int y = 0; y < p.Height; ++y)
            for (int x = 0; x < p.Width; ++x) {
                const int ix = c.Rect->left() + x, iy = c.Rect->top() + y;
                EXPECT_EQ(p.GetPixel(x, y),
                          s.ActiveImage().Pixels.inside(ix, iy) ? patternAt(ix, iy) : 0u);
            }
    }
}

// The hole takes the background colour as it is, alpha included; the image
// record keeps the pixels until the selection is dropped.
TEST_F(SessionSelection, TheLiftedHoleTakesTheBackgroundColour) {
    for (TColor32 back : {0x00000000u, 0xFF112233u, 0x80445566u}) {
        SCOPED_TRACE(back);
        s.NewAExecute(true);
        paintPattern();
        s.setBackgroundColor32(back);
        chooseSelect();
        dragSelect({2, 2}, {5, 4});
        for (int y = 0; y < 8; ++y)
            for (int x = 0; x < 8; ++x) {
                const bool hole = x >= 2 && x <= 5 && y >= 2 && y <= 4;
                EXPECT_EQ(s.CleanBitmap().GetPixel(x, y), hole ? back : patternAt(x, y));
            }
        EXPECT_EQ(s.ActiveImage().Pixels.GetPixel(3, 3), patternAt(3, 3));
        EXPECT_EQ(shown().GetPixel(3, 3), patternAt(3, 3)) << "the selection covers its hole";
    }
    s.setBackgroundColor32(0);
}

// Screen-inverting pixels are alpha 0 in the inverted colour: lifting and
// dropping them in place with "Blend Colors" off keeps them.
TEST_F(SessionSelection, LiftingCopiesPixelsOfAlphaZeroExactly) {
    paintPattern();
    const TColor32 inverted = SetAlpha(s.settings().InvColor, 0);
    s.WorkBitmap().SetPixel(3, 3, inverted);
    s.commit();
    s.tools().controller().BlenClick(false);
    chooseSelect();
    dragSelect({2, 2}, {4, 4});
    EXPECT_EQ(floating()->Pixels.GetPixel(1, 1), inverted);
    tools().freeClick(PenTag);
    EXPECT_EQ(s.CleanBitmap().GetPixel(3, 3), inverted);
    s.tools().controller().BlenClick(true);
}

// Dragging inside moves the selection with its frame held; turning to
// another tool merges it at the new place in one entry, and undo brings back
// the image from before the lift.
TEST_F(SessionSelection, MoveThenToolChangeMergesOnceAndUndoesToBeforeTheLift) {
    paintPattern();
    const TBitmap32 before = s.CleanBitmap();
    chooseSelect();
    dragSelect({2, 2}, {5, 5});
    hover({3, 3});
    EXPECT_EQ(cursor, 23);
    press({3, 3});
    move({8, 5});
    move({13, 8});
    EXPECT_EQ(s.selTimInterval(), 0) << "the frame is held during the drag";
    EXPECT_TRUE(s.selTimEnabled());
    release({13, 8});
    EXPECT_EQ(s.selTimInterval(), 500);
    EXPECT_EQ(floating()->SelectionRect(), TRect(12, 7, 16, 11));
    EXPECT_EQ(undoCount(), 1);

    tools().freeClick(PenTag);
    EXPECT_EQ(floating(), nullptr);
    EXPECT_FALSE(s.selTimEnabled());
    EXPECT_EQ(undoCount(), 2);
    for (int y = 0; y < 16; ++y)
        for (int x = 0; x < 20; ++x) {
            TColor32 expected = patternAt(x, y);
            if (x >= 12 && x < 16 && y >= 7 && y < 11)
                expected = patternAt(x - 10, y - 5);
            else if (x >= 2 && x < 6 && y >= 2 && y < 6)
                expected = 0;
            ASSERT_EQ(s.CleanBitmap().GetPixel(x, y), expected) << x << "," << y;
        }
    EXPECT_EQ(s.ActiveImage().Pixels.GetPixel(12, 7), patternAt(2, 2)) << "recorded";

    s.UndoAExecute();
    EXPECT_TRUE(s.WorkBitmap().samePixels(before));
}

// The last column and row are handles; the cursor shows which one is under
// the mouse.
TEST_F(SessionSelection, HoverShowsTheHandleCursors) {
    paintPattern();
    chooseSelect();
    dragSelect({2, 2}, {5, 5});
    const struct {
        QPoint Pixel;
        int Cursor;
    } cases[] = {{{3, 3}, 23}, {{5, 2}, 29}, {{2, 5}, 30}, {{5, 5}, 31},
                 {{1, 1}, 22}, {{6, 3}, 22}, {{4, 4}, 23}, {{3, 6}, 22}};
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << c.Pixel.x() << "," << c.Pixel.y());
        hover(c.Pixel);
        EXPECT_EQ(cursor, c.Cursor);
    }
}

// Stretching a 4 x 4 selection by its corner to 8 x 8 shows and drops every
// source pixel as a 2 x 2 block; the right and bottom handles stretch one
// side each.
TEST_F(SessionSelection, StretchingScalesTheSelection) {
    paintPattern();
    chooseSelect();
    dragSelect({0, 0}, {3, 3});
    hover({3, 3});
    press({3, 3});
    move({7, 7});
    EXPECT_EQ(extent, QStringLiteral("8,8"));
    release({7, 7});
    EXPECT_EQ(floating()->SelectionRect(), TRect(0, 0, 8, 8));
    EXPECT_EQ(floating()->Pixels.Width, 4) << "the pixels keep their own size";

    hover({7, 3});
    press({7, 3});
    move({9, 3});
    release({9, 3});
    hover({3, 7});
    press({3, 7});
    move({3, 6});
    release({3, 6});
    EXPECT_EQ(floating()->SelectionRect(), TRect(0, 0, 10, 7));
    EXPECT_EQ(extent, QStringLiteral("10,7"));

    hover({9, 6});
    press({9, 6});
    move({7, 7});
    release({7, 7});
    tools().freeClick(PenTag);
    for (int y = 0; y < 8; ++y)
        for (int x = 0; x < 8; ++x)
            ASSERT_EQ(s.CleanBitmap().GetPixel(x, y), patternAt(x / 2, y / 2)) << x << "," << y;
}

// The top and left edges show the inverse of their own pixels, the bottom and
// right edges that of the pixels just inside them, read after the top edge
// has been written.
TEST_F(SessionSelection, TheRubberBandInvertsItsEdges) {
    paintPattern();
    chooseSelect();
    hover({1, 1});
    press({1, 1});
    move({4, 3});
    const TBitmap32& w = s.WorkBitmap();
    for (int y = 0; y < 6; ++y)
        for (int x = 0; x < 6; ++x) {
            TColor32 expected = patternAt(x, y);
            if (x >= 1 && x <= 4 && y == 1) expected = inverse(patternAt(x, 1));
            if (x >= 1 && x <= 4 && y == 3) expected = inverse(patternAt(x, 2));
            if (x == 1 && y == 2) expected = inverse(patternAt(1, 2));
            if (x == 4 && y == 2) expected = inverse(patternAt(3, 2));
            EXPECT_EQ(w.GetPixel(x, y), expected) << x << "," << y;
        }
    move({4, 2}); // two rows: the bottom edge reads the inverted top edge
    EXPECT_EQ(w.GetPixel(2, 1), inverse(patternAt(2, 1)));
    EXPECT_EQ(w.GetPixel(2, 2), patternAt(2, 1));
    move({4, 1});
    EXPECT_TRUE(w.samePixels(s.CleanBitmap())) << "one row: nothing drawn";
    release({4, 1});
    EXPECT_EQ(floating(), nullptr);
}

// Copy hands over the committed image or the selection with every pixel's
// alpha; below 32 bits a pixel under the alpha range goes out black.
TEST_F(SessionSelection, CopyPutsThePictureWithItsAlpha) {
    const struct {
        ColourFormat Format;
        TColor32 Pixel;
        QRgb Expected;
    } cases[] = {
        {24, 0x32112233u, qRgba(0, 0, 0, 50)},
        {24, 0xC8112233u, qRgba(0x33, 0x22, 0x11, 200)},
        {32, 0x32112233u, qRgba(0x33, 0x22, 0x11, 50)},
        {4, 0x00445566u, qRgba(0, 0, 0, 0)},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << int(c.Format) << " " << std::hex << c.Pixel);
        s.ActiveImage().Format = c.Format;
        s.WorkBitmap().SetPixel(1, 2, c.Pixel);
        s.commit();
        s.CopyAExecute();
        ASSERT_EQ(clip.held.size(), QSize(32, 32));
        EXPECT_EQ(clip.held.pixel(1, 2), c.Expected);
    }
    s.ActiveImage().Format = 32;
}

// A floating selection is copied as it is shown: an 8 x 6 selection
// stretched to 12 x 10 gives a 12 x 10 picture.
TEST_F(SessionSelection, CopyOfAStretchedSelectionCopiesWhatIsShown) {
    paintPattern();
    chooseSelect();
    dragSelect({1, 2}, {8, 7});
    ASSERT_EQ(floating()->Pixels.Width, 8);
    hover({8, 7});
    press({8, 7});
    move({12, 11});
    release({12, 11});
    ASSERT_EQ(floating()->SelectionRect(), TRect(1, 2, 13, 12));
    s.CopyAExecute();
    ASSERT_EQ(clip.held.size(), QSize(12, 10));
    const TBitmap32 view = shown();
    for (int y = 0; y < 10; ++y)
        for (int x = 0; x < 12; ++x) {
            const TColor32 p = view.GetPixel(x + 1, y + 2);
            ASSERT_EQ(clip.held.pixel(x, y), qRgba(RedOf(p), GreenOf(p), BlueOf(p), AlphaOf(p)))
                << x << "," << y;
        }
    EXPECT_EQ(floating()->Pixels.Width, 8) << "the selection keeps its own pixels";
}

// With a selection floating, the first Undo takes back only the selection: a
// paste disappears, a lift puts its pixels back where they were. The next
// Undo undoes the history as before.
TEST_F(SessionSelection, TheFirstUndoTakesBackOnlyTheFloatingSelection) {
    const struct {
        const char* name;
        std::function<void()> make;
    } cases[] = {
        {"paste",
         [&] {
             clip.offer(solidPicture(4, 4, qRgba(200, 0, 0, 255)));
             s.PasteAExecute();
         }},
        {"lift",
         [&] {
             dragSelect({2, 2}, {5, 5});
         }},
        {"lift and move",
         [&] {
             dragSelect({2, 2}, {5, 5});
             dragSelect({3, 3}, {9, 12});
         }},
        {"lift and stretch",
         [&] {
             dragSelect({2, 2}, {5, 5});
             dragSelect({5, 5}, {10, 7});
         }},
        {"lift and an effect",
         [&] {
             dragSelect({2, 2}, {5, 5});
             s.effects().frame().Invert1Click();
         }},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        s.NewAExecute(true);
        paintPattern();
        chooseSelect();
        // One recorded change to go back to afterwards.
        s.WorkBitmap().SetPixel(20, 20, 0xFF0000FFu);
        s.commit();
        s.PushUndo();
        const TBitmap32 before = s.CleanBitmap();
        c.make();
        ASSERT_NE(floating(), nullptr);
        EXPECT_TRUE(s.commandStates().UndoA);

        s.UndoAExecute();
        EXPECT_EQ(floating(), nullptr);
        EXPECT_FALSE(s.selTimEnabled());
        EXPECT_TRUE(s.WorkBitmap().samePixels(before));
        EXPECT_TRUE(s.CleanBitmap().samePixels(before));
        EXPECT_TRUE(s.ActiveImage().Pixels.samePixels(before));
        EXPECT_EQ(undoCount(), 2) << "nothing of the history went";
        EXPECT_FALSE(s.commandStates().RedoA);
        EXPECT_TRUE(s.commandStates().UndoA);

        s.UndoAExecute();
        EXPECT_EQ(s.WorkBitmap().GetPixel(20, 20), patternAt(20, 20));
        EXPECT_EQ(s.WorkBitmap().GetPixel(3, 3), patternAt(3, 3));
        EXPECT_FALSE(s.commandStates().UndoA);
    }
}

// A lift on a fresh history can be taken back too; Undo is enabled for it
// and disabled again once it is gone.
TEST_F(SessionSelection, ALiftWithNothingRecordedCanBeTakenBack) {
    paintPattern();
    chooseSelect();
    EXPECT_FALSE(s.commandStates().UndoA);
    dragSelect({2, 2}, {5, 5});
    EXPECT_TRUE(s.commandStates().UndoA);
    s.UndoAExecute();
    EXPECT_EQ(floating(), nullptr);
    EXPECT_EQ(s.WorkBitmap().GetPixel(3, 3), patternAt(3, 3));
    EXPECT_FALSE(s.commandStates().UndoA);
    EXPECT_EQ(undoCount(), 1);
}

// A resize recorded while a lifted selection floats: taking the selection
// back puts its pixels into the resized image, and that is what redo
// comes back to, so no step of the history shows the hole.
TEST_F(SessionSelection, ALiftTakenBackAfterAResizeKeepsItsPixels) {
    paintPattern();
    chooseSelect();
    dragSelect({2, 2}, {5, 5});
    s.effects().resizeImage(ResizeChoice{40, 40, ResizeChange::NoChanges});
    EXPECT_EQ(s.ActiveImage().Pixels.GetPixel(3, 3), patternAt(3, 3)) << "no hole in the record";
    s.UndoAExecute();
    EXPECT_EQ(floating(), nullptr);
    ASSERT_EQ(s.WorkBitmap().Width, 40);
    EXPECT_EQ(s.WorkBitmap().GetPixel(3, 3), patternAt(3, 3));
    EXPECT_EQ(s.ActiveImage().Pixels.GetPixel(3, 3), patternAt(3, 3));
    s.UndoAExecute();
    EXPECT_EQ(s.WorkBitmap().Width, 32);
    s.RedoAExecute();
    EXPECT_EQ(s.WorkBitmap().Width, 40);
    EXPECT_EQ(s.WorkBitmap().GetPixel(3, 3), patternAt(3, 3));
}

// A redo would replace what floats: while a paste or a lift floats, Redo is
// off and does nothing; taking the selection back makes it available again.
TEST_F(SessionSelection, RedoWaitsWhileASelectionFloats) {
    paintPattern();
    s.WorkBitmap().SetPixel(20, 20, 0xFF0000FFu);
    s.commit();
    s.PushUndo();
    s.UndoAExecute();
    ASSERT_TRUE(s.commandStates().RedoA);
    const struct {
        const char* name;
        std::function<void()> make;
    } cases[] = {
        {"paste", [&] {
             QImage picture(4, 4, QImage::Format_ARGB32);
             picture.fill(qRgba(0, 200, 0, 255));
             clip.offer(picture);
             s.PasteAExecute();
         }},
        {"lift", [&] {
             chooseSelect();
             dragSelect({2, 2}, {5, 5});
         }},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        c.make();
        ASSERT_NE(floating(), nullptr);
        EXPECT_FALSE(s.commandStates().RedoA);
        const TBitmap32 shown = s.WorkBitmap();
        s.RedoAExecute();
        ASSERT_NE(floating(), nullptr) << "the selection is still there";
        EXPECT_TRUE(s.WorkBitmap().samePixels(shown));
        s.UndoAExecute();
        EXPECT_EQ(floating(), nullptr);
        EXPECT_TRUE(s.commandStates().RedoA) << "the history's redo is back";
    }
    s.RedoAExecute();
    EXPECT_EQ(s.WorkBitmap().GetPixel(20, 20), 0xFF0000FFu);
}

// An effect keeps the rectangle of a squeezed selection: a 64 x 40 picture
// pasted into a 32 x 32 image stays 64 x 40 pixels drawn into 32 x 32.
TEST_F(SessionSelection, EffectsKeepASqueezedSelectionsRectangle) {
    paintPattern();
    QImage picture(64, 40, QImage::Format_ARGB32);
    for (int y = 0; y < 40; ++y)
        for (int x = 0; x < 64; ++x)
            picture.setPixel(x, y, qRgba(x * 4, y * 6, 9, 255));
    clip.offer(picture);
    s.PasteAExecute();
    s.effects().frame().GrayScale1Click();
    ASSERT_NE(floating(), nullptr);
    EXPECT_EQ(floating()->SelectionRect(), TRect(0, 0, 32, 32));
    EXPECT_EQ(floating()->Pixels.Width, 64);
    EXPECT_EQ(floating()->Pixels.Height, 40);
    tools().freeClick(PenTag);
    const TColor32 corner = s.CleanBitmap().GetPixel(31, 31);
    EXPECT_EQ(RedOf(corner), GreenOf(corner));
    const TColor32 source = Color32(255, 62 * 4, (31 * 40 / 32) * 6, 9);
    const int grey = qRound(RedOf(source) * 0.3 + GreenOf(source) * 0.59 + 9 * 0.11);
    EXPECT_NEAR(RedOf(corner), grey, 1) << "the far corner shows the picture's far corner";
}

// Turning a selection grows it; past 1024 pixels a side it stays as it is and
// the status bar says why.
TEST_F(SessionSelection, CustomRotationStopsGrowingTheSelectionAtItsBound) {
    answers.rotation = 0;
    QSignalSpy status(&s, &EditSession::statusText);
    paintPattern();
    chooseSelect();
    dragSelect({0, 0}, {31, 31});
    int turns = 0;
    while (status.isEmpty() && turns < 20) {
        s.effects().frame().Custom1Click();
        ++turns;
        ASSERT_LE(floating()->Pixels.Width, 1024);
    }
    EXPECT_EQ(turns, 10) << "32, 45, 64, 91, 129, 182, 257, 363, 513, 725, then refused";
    EXPECT_EQ(floating()->Pixels.Width, 725);
    EXPECT_EQ(floating()->SelectionRect().width(), 725);
    EXPECT_EQ(undoCount(), 1);
}

// A picture larger than the image keeps its size and is squeezed into the
// image, each side on its own; Paste chooses the select tool and records
// nothing.
TEST_F(SessionSelection, PasteSqueezesALargerPictureIntoTheImage) {
    paintPattern();
    QImage picture(64, 40, QImage::Format_ARGB32);
    for (int y = 0; y < 40; ++y)
        for (int x = 0; x < 64; ++x)
            picture.setPixel(x, y, qRgba(x * 4, y * 6, 9, 255));
    clip.offer(picture);
    s.setModified(false);
    s.PasteAExecute();
    ASSERT_NE(floating(), nullptr);
    EXPECT_EQ(s.tools().CurrentTool(), SelectTag);
    EXPECT_EQ(floating()->Pixels.Width, 64);
    EXPECT_EQ(floating()->Pixels.Height, 40);
    EXPECT_EQ(floating()->SelectionRect(), TRect(0, 0, 32, 32));
    EXPECT_TRUE(floating()->PastedSelection());
    EXPECT_TRUE(s.selTimEnabled());
    EXPECT_TRUE(s.document().Modified);
    EXPECT_EQ(undoCount(), 1);
    const TBitmap32 view = shown();
    for (QPoint p : {QPoint(0, 0), QPoint(31, 0), QPoint(10, 31), QPoint(31, 31)})
        EXPECT_EQ(view.GetPixel(p.x(), p.y()),
                  Color32(255, p.x() * 2 * 4, (p.y() * 40 / 32) * 6, 9));
}

// What the picture holds decides: alpha where some pixel has it, otherwise
// opaque (a 32-bit picture whose alpha bytes are all 0 never had alpha).
TEST_F(SessionSelection, PasteTakesAlphaOnlyFromAPictureThatHoldsIt) {
    QImage withAlpha = solidPicture(2, 1, qRgba(10, 20, 30, 0));
    withAlpha.setPixel(1, 0, qRgba(40, 50, 60, 90));
    const struct {
        QImage Picture;
        TColor32 First, Second;
    } cases[] = {
        {withAlpha, Color32(0, 10, 20, 30), Color32(90, 40, 50, 60)},
        {solidPicture(2, 1, qRgba(10, 20, 30, 0)), Color32(255, 10, 20, 30),
         Color32(255, 10, 20, 30)},
        {solidPicture(2, 1, qRgb(1, 2, 3)).convertToFormat(QImage::Format_RGB888),
         Color32(255, 1, 2, 3), Color32(255, 1, 2, 3)},
    };
    for (const auto& c : cases) {
        clip.offer(c.Picture);
        s.PasteAExecute();
        ASSERT_NE(floating(), nullptr);
        EXPECT_EQ(floating()->Pixels.GetPixel(0, 0), c.First);
        EXPECT_EQ(floating()->Pixels.GetPixel(1, 0), c.Second);
    }
}

// Clearing a pasted selection leaves image and history alone; a lifted one
// leaves its hole, recorded; with no selection the whole image is cleared,
// recorded.
TEST_F(SessionSelection, ClearRecordsExactlyWhatChanged) {
    paintPattern();
    const TBitmap32 before = s.CleanBitmap();
    clip.offer(solidPicture(4, 4, qRgba(200, 0, 0, 255)));
    s.PasteAExecute();
    s.Clear2Click();
    EXPECT_EQ(floating(), nullptr);
    EXPECT_FALSE(s.selTimEnabled());
    EXPECT_TRUE(s.WorkBitmap().samePixels(before));
    EXPECT_EQ(undoCount(), 1);

    dragSelect({1, 1}, {2, 2});
    s.Clear2Click();
    EXPECT_EQ(undoCount(), 2);
    EXPECT_EQ(s.CleanBitmap().GetPixel(1, 1), 0u);
    EXPECT_EQ(s.CleanBitmap().GetPixel(3, 3), patternAt(3, 3));

    s.Clear2Click();
    EXPECT_EQ(undoCount(), 3);
    for (TColor32 p : s.CleanBitmap().Bits)
        ASSERT_EQ(p, 0u);
    EXPECT_EQ(s.ActiveImage().Pixels.GetPixel(3, 3), 0u);
    s.UndoAExecute();
    EXPECT_EQ(s.WorkBitmap().GetPixel(3, 3), patternAt(3, 3));
}

// Cut is Copy then Clear; without a clipboard nothing is lost.
TEST_F(SessionSelection, CutMovesTheSelectionToTheClipboard) {
    paintPattern();
    chooseSelect();
    dragSelect({0, 0}, {1, 1});
    s.CutAExecute();
    EXPECT_EQ(clip.held.size(), QSize(2, 2));
    EXPECT_EQ(floating(), nullptr);
    EXPECT_EQ(s.CleanBitmap().GetPixel(0, 0), 0u);

    s.setClipboard(nullptr);
    s.CutAExecute();
    EXPECT_EQ(s.CleanBitmap().GetPixel(5, 5), patternAt(5, 5));
    EXPECT_FALSE(s.commandStates().PasteA);
}

// A partly transparent selection over an opaque image, blended: the dropped
// image is the picture that was shown, blended once.
TEST_F(SessionSelection, DroppingKeepsWhatWasShown) {
    paintPattern();
    clip.offer(solidPicture(8, 8, qRgba(255, 255, 255, 128)));
    s.PasteAExecute();
    const TBitmap32 view = shown();
    EXPECT_NE(view.GetPixel(2, 2), patternAt(2, 2));
    EXPECT_EQ(AlphaOf(view.GetPixel(2, 2)), 255);
    tools().freeClick(PenTag);
    EXPECT_TRUE(s.CleanBitmap().samePixels(view));
    EXPECT_TRUE(s.WorkBitmap().samePixels(view));
}

// Paste follows the clipboard, whoever fills it.
TEST_F(SessionSelection, PasteIsEnabledWhileTheClipboardHoldsAPicture) {
    EXPECT_FALSE(s.commandStates().PasteA);
    clip.offer(solidPicture(1, 1, qRgb(1, 2, 3)));
    EXPECT_TRUE(s.commandStates().PasteA);
    clip.offer(QImage());
    EXPECT_FALSE(s.commandStates().PasteA);
    s.PasteAExecute(); // nothing to paste: nothing happens
    EXPECT_EQ(floating(), nullptr);
    EXPECT_EQ(s.tools().CurrentTool(), PenTag);
}

// Undo takes a lift back, a new document and removing the image throw the
// selection away; activating another image drops it into the image being
// left, unrecorded.
TEST_F(SessionSelection, DiscardedOrDroppedByTheImageCommands) {
    paintPattern();
    paintAll(s, 0xFF0000AAu);
    chooseSelect();
    dragSelect({0, 0}, {3, 3});
    s.UndoAExecute();
    EXPECT_EQ(floating(), nullptr);
    EXPECT_FALSE(s.selTimEnabled());
    EXPECT_EQ(s.WorkBitmap().GetPixel(0, 0), 0xFF0000AAu);

    clip.offer(solidPicture(2, 2, qRgb(9, 9, 9)));
    s.PasteAExecute();
    s.NewAExecute(true);
    EXPECT_EQ(floating(), nullptr);
    EXPECT_EQ(s.WorkBitmap().GetPixel(0, 0), 0u) << "not dropped into the new document";
    EXPECT_EQ(s.tools().CurrentTool(), PenTag);

    s.appendNewImage(NewIconChoice{16, 16, 32});
    s.PasteAExecute();
    s.RemoveIAExecute();
    EXPECT_EQ(floating(), nullptr);
    EXPECT_EQ(s.WorkBitmap().GetPixel(0, 0), 0u);

    s.appendNewImage(NewIconChoice{16, 16, 32});
    s.PasteAExecute();
    s.ActivateImage(0, false);
    EXPECT_EQ(floating(), nullptr);
    EXPECT_EQ(s.document().image(1).Pixels.GetPixel(1, 1), Color32(255, 9, 9, 9));
    EXPECT_EQ(s.document().image(1).Pixels.GetPixel(2, 2), 0u);
}

// In a palette image a pasted or captured picture is mapped to the palette;
// an effect on the selection is mapped too.
TEST_F(SessionSelection, PalettePicturesAndEffectsOnTheSelection) {
    s.appendNewImage(NewIconChoice{32, 32, 4});
    QImage picture(32, 32, QImage::Format_RGB32);
    for (int y = 0; y < 32; ++y)
        for (int x = 0; x < 32; ++x)
            picture.setPixel(x, y, qRgb(x * 8, y * 8, (x * y) & 255));
    s.placeCapture(picture);
    ASSERT_NE(floating(), nullptr);
    EXPECT_EQ(s.tools().CurrentTool(), SelectTag);
    EXPECT_EQ(floating()->SelectionRect(), TRect(0, 0, 32, 32));
    EXPECT_TRUE(floating()->PastedSelection());
    const std::vector<TColor> palette = s.ActiveImage().Palette.entries();
    auto inPalette = [&](TColor32 P) {
        return AlphaOf(P) == 255 &&
               std::find(palette.begin(), palette.end(), Color32ToColor(P)) != palette.end();
    };
    for (TColor32 p : floating()->Pixels.Bits)
        ASSERT_TRUE(inPalette(p)) << std::hex << p;

    TBitmap32* target = s.floatingTarget();
    ASSERT_NE(target, nullptr);
    *target = TBitmap32(3, 5);
    std::fill(target->Bits.begin(), target->Bits.end(), 0x80123456u);
    s.finishFloatingEffect();
    EXPECT_EQ(floating()->SelectionRect(), TRect(0, 0, 32, 32)) << "the rectangle stays";
    EXPECT_TRUE(inPalette(floating()->Pixels.GetPixel(2, 4)));
    EXPECT_EQ(undoCount(), 1);
}

} // namespace

// An effect on a floating selection changes only the selection: the image
// and its history stay as they were, and a quarter turn gives the rectangle
// the turned size with its left and top kept.
TEST_F(SessionSelection, EffectsChangeOnlyTheFloatingSelectionAndRecordNothing) {
    paintPattern();
    clip.offer(solidPicture(8, 6, qRgba(10, 200, 30, 255)));
    s.PasteAExecute();
    ASSERT_NE(floating(), nullptr);
    const TBitmap32 image = s.CleanBitmap();
    const int entries = undoCount();
    EffectFrame& fx = s.effects().frame();

    fx.Invert1Click();
    EXPECT_EQ(floating()->Pixels.GetPixel(3, 2), Color32(255, 245, 55, 225));
    fx.Cloclwise1Click();
    EXPECT_EQ(floating()->Pixels.Width, 6);
    EXPECT_EQ(floating()->Pixels.Height, 8);
    EXPECT_EQ(floating()->SelectionRect(), TRect(0, 0, 6, 8));
    fx.FlipHorizentall1Click();

    EXPECT_EQ(undoCount(), entries);
    EXPECT_TRUE(s.CleanBitmap().Bits == image.Bits);
}
