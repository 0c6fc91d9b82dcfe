#include "session/SessionEffects.h"
#include "ScriptedEffects.h"
#include "ScriptedPrompter.h"
#include "SessionTestSupport.h"
#include "document/PaletteOps.h"
#include "session/SessionTools.h"

#include <QSignalSpy>
#include <functional>
#include <gtest/gtest.h>

namespace {

// Every pixel differs; the right half is see-through.
TBitmap32 picture(int W, int H) {
    TBitmap32 b(W, H);
    for (int y = 0; y < H; ++y)
        for (int x = 0; x < W; ++x)
            b.SetPixel(x, y, Color32(x < W / 2 ? 255 : 90, x * 8, y * 8, (x * 7 + y * 13) & 0xFF));
    return b;
}

class SessionEffectsTest : public ::testing::Test {
protected:
    void SetUp() override {
        s.NewAExecute(true);
        s.effects().setPrompt(&answers);
    }
    // A fresh image of the given size and format showing picture(), with a
    // history that starts there.
    void show(int W, int H, ColourFormat Format = 32) {
        s.appendNewImage({W, H, Format});
        s.WorkBitmap().Bits = picture(W, H).Bits;
        s.commit();
        if (Format < 24) s.snapToPalette();
        s.ResetUndo();
    }
    QSize workSize() { return QSize(s.WorkBitmap().Width, s.WorkBitmap().Height); }
    EffectFrame& fx() { return s.effects().frame(); }

    ScriptedPrompter prompts;
    EditSession s{prompts, testDataDir()};
    ScriptedEffects answers;
};

TEST_F(SessionEffectsTest, EachEffectIsOneUndoStepThatUndoAndRedoRestoreExactly) {
    answers.levels = ColorLevelsParams{40, 0, -40, 0};
    answers.shadow = ShadowParams{};
    answers.contract = QSize(5, 7);
    const struct {
        const char* name;
        std::function<void()> run;
    } effects[] = {
        {"Invert", [&] { fx().Invert1Click(); }},
        {"Blur", [&] { fx().Blur1Click(); }},
        {"Clockwise", [&] { fx().Cloclwise1Click(); }},
        {"ColorLevels", [&] { fx().ColorL1Click(); }},
        {"Shadow", [&] { fx().Shadow1Click(); }},
        {"SmoothContract", [&] { fx().SmoothStretch1Click(); }},
    };
    for (const auto& e : effects) {
        SCOPED_TRACE(e.name);
        show(12, 20);
        s.setModified(false);
        const TBitmap32 before = s.CleanBitmap();
        e.run();
        const TBitmap32 after = s.CleanBitmap();
        EXPECT_NE(after.Bits, before.Bits);
        EXPECT_EQ(s.WorkBitmap().Bits, after.Bits);
        EXPECT_EQ(s.ActiveImage().Pixels.Bits, after.Bits) << "the record follows";
        EXPECT_EQ(s.undoHistory().UndoCount(), 2);
        EXPECT_TRUE(s.document().Modified);

        s.UndoAExecute();
        EXPECT_EQ(s.WorkBitmap().Bits, before.Bits);
        EXPECT_EQ(workSize(), QSize(12, 20));
        s.RedoAExecute();
        EXPECT_EQ(s.WorkBitmap().Bits, after.Bits);
    }
}

TEST_F(SessionEffectsTest, APaletteImageIsSnappedBeforeTheEffectIsRecorded) {
    show(16, 16, 4);
    answers.levels = ColorLevelsParams{37, -21, 9, 0};
    fx().ColorL1Click();
    for (TColor32 p : s.CleanBitmap().Bits) {
        if (AlphaOf(p) != 0) {
            EXPECT_EQ(NearestPaletteColor(Color32ToColor(p), s.ActiveImage()), Color32ToColor(p));
        }
    }
    const TBitmap32 snapped = s.CleanBitmap();
    s.UndoAExecute();
    s.RedoAExecute();
    EXPECT_EQ(s.WorkBitmap().Bits, snapped.Bits);
}

TEST_F(SessionEffectsTest, AQuarterTurnOfANonSquareImageRecaptionsItAndRefitsTheView) {
    show(16, 32);
    s.ActiveImage().HotSpotX = 15;
    s.ActiveImage().HotSpotY = 31;
    QSignalSpy resized(&s, &EditSession::workResized);
    QSignalSpy later(&s.effects(), &SessionEffects::effectFinished);
    fx().Cloclwise1Click();
    EXPECT_EQ(workSize(), QSize(32, 16));
    EXPECT_EQ(s.ActiveImage().Caption, QStringLiteral("32 x 16  (TCA)"));
    EXPECT_EQ(s.ActiveImage().HotSpotY, 15) << "the hot spot stays inside";
    EXPECT_EQ(resized.count(), 1);
    EXPECT_EQ(later.count(), 1);

    s.UndoAExecute();
    EXPECT_EQ(workSize(), QSize(16, 32));
    EXPECT_EQ(s.ActiveImage().Caption, QStringLiteral("16 x 32  (TCA)"));
}

TEST_F(SessionEffectsTest, ResizeStretchesCropsOrClearsAndMovesTheHotSpotAlong) {
    const TBitmap32 big = picture(32, 32);
    const struct {
        ResizeChange change;
        std::function<TColor32(int, int)> expected;
        QPoint hot;
    } cases[] = {
        {ResizeChange::NoChanges, [&](int x, int y) { return big.GetPixel(x, y); }, {15, 15}},
        {ResizeChange::StretchIcon,
         [&](int x, int y) { return big.GetPixel(2 * x, 2 * y); },
         {10, 10}},
        {ResizeChange::ClearIcon, [](int, int) { return TColor32(0); }, {15, 15}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(int(c.change));
        show(32, 32);
        s.ActiveImage().HotSpotX = 20;
        s.ActiveImage().HotSpotY = 20;
        // The "Blend Colors" switch as the tools keep it in both copies.
        const bool blend = !s.WorkBitmap().Blend;
        s.WorkBitmap().Blend = s.CleanBitmap().Blend = blend;
        answers.resize = ResizeChoice{16, 16, c.change};
        s.effects().Resize1Click();
        EXPECT_EQ(answers.shownSize, QSize(32, 32));
        ASSERT_EQ(workSize(), QSize(16, 16));
        for (int y = 0; y < 16; ++y)
            for (int x = 0; x < 16; ++x)
                ASSERT_EQ(s.CleanBitmap().GetPixel(x, y), c.expected(x, y));
        EXPECT_EQ(QPoint(s.ActiveImage().HotSpotX, s.ActiveImage().HotSpotY), c.hot);
        EXPECT_EQ(s.ActiveImage().Caption, QStringLiteral("16 x 16  (TCA)"));
        EXPECT_EQ(s.ActiveImage().Pixels.Width, 16);
        EXPECT_EQ(s.WorkBitmap().Blend, blend) << "the work copy keeps its drawing state";
        EXPECT_EQ(s.undoHistory().UndoCount(), 2);

        s.UndoAExecute();
        EXPECT_EQ(s.WorkBitmap().Bits, big.Bits);
    }
}

TEST_F(SessionEffectsTest, ResizeReachesTwoHundredFiftySixAndUndoBringsBackTheHotSpot) {
    show(16, 16);
    s.tools().setHotSpot(QPoint(5, 15));
    answers.resize = ResizeChoice{256, 256, ResizeChange::StretchIcon};
    s.effects().Resize1Click();
    EXPECT_EQ(workSize(), QSize(256, 256));
    EXPECT_EQ(QPoint(s.ActiveImage().HotSpotX, s.ActiveImage().HotSpotY), QPoint(80, 240));
    s.UndoAExecute();
    EXPECT_EQ(workSize(), QSize(16, 16));
    EXPECT_EQ(QPoint(s.ActiveImage().HotSpotX, s.ActiveImage().HotSpotY), QPoint(5, 15));

    answers.resize.reset(); // Cancel
    s.effects().Resize1Click();
    EXPECT_EQ(workSize(), QSize(16, 16));
    EXPECT_EQ(s.undoHistory().UndoCount(), 2);
}

QPoint hotSpot(EditSession& S) {
    return QPoint(S.ActiveImage().HotSpotX, S.ActiveImage().HotSpotY);
}

// Each recorded state keeps its image's hot spot: undo and redo put it back
// with the pixels, whatever the change did to it.
TEST_F(SessionEffectsTest, UndoAndRedoPutTheHotSpotBackWithThePixels) {
    const struct {
        const char* name;
        QSize size;
        QPoint hot;
        std::function<void()> change;
        QPoint after;
    } cases[] = {
        {"stretched to 256",
         {32, 32},
         {5, 15},
         [&] {
             s.effects().resizeImage({256, 256, ResizeChange::StretchIcon});
         },
         {40, 120}},
        {"cut down to 16",
         {32, 32},
         {20, 20},
         [&] {
             s.effects().resizeImage({16, 16, ResizeChange::NoChanges});
         },
         {15, 15}},
        {"turned on its side", {16, 32}, {15, 31}, [&] { fx().Cloclwise1Click(); }, {15, 15}},
        {"painted", {32, 32}, {3, 4}, [&] { paintAll(s, 0xFF00FF00u); }, {3, 4}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        show(c.size.width(), c.size.height());
        s.tools().setHotSpot(c.hot);
        c.change();
        EXPECT_EQ(hotSpot(s), c.after);
        s.UndoAExecute();
        EXPECT_EQ(hotSpot(s), c.hot);
        s.RedoAExecute();
        EXPECT_EQ(hotSpot(s), c.after);
    }
}

// Moving the hot spot is no step of its own: undoing a stroke made after it
// keeps it, undoing past the state it was set in brings back the older one.
TEST_F(SessionEffectsTest, AMovedHotSpotBelongsToTheStateItWasMovedIn) {
    show(32, 32);
    paintAll(s, 0xFF0000FFu);
    s.tools().setHotSpot(QPoint(5, 6));
    paintAll(s, 0xFF00FF00u);
    s.UndoAExecute();
    EXPECT_EQ(hotSpot(s), QPoint(5, 6));
    s.UndoAExecute();
    EXPECT_EQ(hotSpot(s), QPoint(0, 0));
    s.RedoAExecute();
    EXPECT_EQ(hotSpot(s), QPoint(5, 6));
}

} // namespace
