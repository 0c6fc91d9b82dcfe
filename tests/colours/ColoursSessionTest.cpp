#include "ScriptedPrompter.h"
#include "SessionTestSupport.h"
#include "document/DefaultPalette.h"
#include "document/PaletteOps.h"

#include <QSignalSpy>
#include <gtest/gtest.h>

namespace {

constexpr TColor Red = 0x0000FF;
constexpr TColor Blue = 0xFF0000;

class ColoursSession : public ::testing::Test {
protected:
    void SetUp() override { s.NewAExecute(true); }
    // Makes the active image one of Format with its default palette.
    void useFormat(ColourFormat Format) {
        s.appendNewImage({16, 16, Format});
        ASSERT_EQ(s.ActiveImage().Format, Format);
    }
    ColourState colours() { return s.colours(); }

    ScriptedPrompter prompts;
    EditSession s{prompts, testDataDir()};
};

TEST_F(ColoursSession, StartsWithOpaqueBlackInFrontAndClearBlackBehind) {
    EXPECT_EQ(s.ForegroundColor32(), 0xFF000000u);
    EXPECT_EQ(s.BackgroundColor32(), 0x00000000u);
    EXPECT_EQ(colours().alphaCaption(ColourSlot::Foreground), QStringLiteral("255"));
    EXPECT_EQ(colours().labelTextColour(ColourSlot::Background), 0xFFFFFFu);
}

// In a 16-colour image the box is three rows of 30-pixel cells, then the
// transparent/inverted row from y 120 to 149.
TEST_F(ColoursSession, PickingFromTheBoxWithEitherButton) {
    useFormat(4);
    const ProgramSettings& set = s.settings();
    ASSERT_EQ(s.coloursBox().pictureHeight(), 150);

    s.ColorsBoxMouseDown(10, 130, Qt::LeftButton);
    EXPECT_EQ(s.ForegroundColor32(), SetAlpha(set.TraColor, 0));
    EXPECT_EQ(s.WorkBitmap().PenColor, s.ForegroundColor32());
    s.ColorsBoxMouseDown(100, 140, Qt::RightButton);
    EXPECT_EQ(s.BackgroundColor32(), SetAlpha(set.InvColor, 0));
    EXPECT_EQ(s.WorkBitmap().BrushColor, s.BackgroundColor32());

    const PalettePicture& pal = s.ActiveImage().Palette;
    s.ColorsBoxMouseDown(45, 15, Qt::LeftButton); // entry 1
    EXPECT_EQ(s.ForegroundColor32(), SetAlpha(pal.entry(1), 255));
    s.ColorsBoxMouseDown(35, 110, Qt::RightButton); // entry 13, in the fourth row
    EXPECT_EQ(s.BackgroundColor32(), SetAlpha(pal.entry(13), 255));
    s.ColorsBoxMouseDown(30, 15, Qt::LeftButton); // a cell outline
    EXPECT_EQ(s.ForegroundColor32(), 0xFF000000u);
    s.ColorsBoxMouseDown(100, 149, Qt::RightButton); // the marker row's outline
    EXPECT_EQ(s.BackgroundColor32(), 0x00000000u);

    QSignalSpy changed(&s, &EditSession::coloursChanged);
    s.ColorsBoxMouseDown(45, 15, Qt::MiddleButton);
    s.ColorsBoxMouseDown(45, 500, Qt::LeftButton); // below the box
    EXPECT_EQ(changed.count(), 0);
    EXPECT_EQ(s.ForegroundColor32(), 0xFF000000u);
}

TEST_F(ColoursSession, TheColourDialogGivesTheNearestPaletteColourOpaque) {
    useFormat(1);
    s.ColorsBoxMouseDown(10, 45, Qt::LeftButton); // transparent: alpha 0
    ASSERT_EQ(AlphaOf(s.ForegroundColor32()), 0);
    const PalettePicture& pal = s.ActiveImage().Palette;
    prompts.colorAnswer(0xF0F0E0u); // near white
    s.pecolMouseDown(ColourSlot::Foreground, Qt::LeftButton);
    EXPECT_EQ(s.ForegroundColor32(), SetAlpha(NearestPaletteColor(0xF0F0E0u, 1, pal), 255));
    EXPECT_EQ(Color32ToColor(s.ForegroundColor32()), 0xFFFFFFu);
    EXPECT_EQ(s.WorkBitmap().PenColor, s.ForegroundColor32());

    // Cancel keeps both colours.
    const TColor32 fg = s.ForegroundColor32(), bg = s.BackgroundColor32();
    prompts.colorAnswer(std::nullopt);
    s.pecolMouseDown(ColourSlot::Background, Qt::LeftButton);
    EXPECT_EQ(s.ForegroundColor32(), fg);
    EXPECT_EQ(s.BackgroundColor32(), bg);
}

TEST_F(ColoursSession, RightClickOnASwatchSwapsColoursAndAlphasWithoutAsking) {
    s.setForegroundColor32(SetAlpha(Red, 200));
    s.setBackgroundColor32(SetAlpha(Blue, 40));
    s.pecolMouseDown(ColourSlot::Background, Qt::RightButton);
    EXPECT_EQ(s.ForegroundColor32(), SetAlpha(Blue, 40));
    EXPECT_EQ(s.BackgroundColor32(), SetAlpha(Red, 200));
    EXPECT_EQ(s.WorkBitmap().BrushColor, SetAlpha(Red, 200));
    EXPECT_EQ(s.WorkBitmap().PenColor, SetAlpha(Blue, 40));
    EXPECT_TRUE(prompts.messages.empty());
}

TEST_F(ColoursSession, ReplacingColoursExchangesOnlyExactMatches) {
    s.setForegroundColor32(SetAlpha(Red, 255));
    s.setBackgroundColor32(SetAlpha(Blue, 255));
    TBitmap32& w = s.WorkBitmap();
    w.SetPixel(0, 0, SetAlpha(Red, 255));
    w.SetPixel(1, 0, SetAlpha(Blue, 255));
    w.SetPixel(2, 0, SetAlpha(Red, 128));
    s.commit();
    s.PushUndo();
    w.SetPixel(3, 0, SetAlpha(Red, 255)); // a preview: dropped first

    s.colcovertClick();
    EXPECT_EQ(w.GetPixel(0, 0), SetAlpha(Blue, 255));
    EXPECT_EQ(w.GetPixel(1, 0), SetAlpha(Red, 255));
    EXPECT_EQ(w.GetPixel(2, 0), SetAlpha(Red, 128));
    EXPECT_EQ(w.GetPixel(3, 0), 0u);
    EXPECT_TRUE(s.CleanBitmap().samePixels(w));
    EXPECT_TRUE(s.ActiveImage().Pixels.samePixels(w)) << "recorded into the image";
    EXPECT_EQ(s.undoHistory().UndoCount(), 3);

    s.changecolClick();
    EXPECT_EQ(w.GetPixel(0, 0), SetAlpha(Blue, 255));
    EXPECT_EQ(w.GetPixel(1, 0), SetAlpha(Blue, 255));
    s.UndoAExecute();
    s.UndoAExecute();
    EXPECT_EQ(w.GetPixel(0, 0), SetAlpha(Red, 255));
}

TEST_F(ColoursSession, DisplayColoursComeFromTheColourDialog) {
    useFormat(4);
    QSignalSpy boxes(&s, &EditSession::coloursBoxChanged);
    QSignalSpy repaints(&s, &EditSession::workChanged);

    prompts.colorAnswer(0x00FF00u);
    s.chooseDisplayColour(DisplayColour::InvColor);
    EXPECT_EQ(s.settings().InvColor, 0x00FF00u);
    EXPECT_EQ(s.coloursBox().colourAt(100, 130), std::optional<TColor>(0x00FF00u));
    EXPECT_EQ(boxes.count(), 1);
    EXPECT_EQ(repaints.count(), 1);

    prompts.colorAnswer(0x0000FFu);
    s.chooseDisplayColour(DisplayColour::GridColor);
    EXPECT_EQ(s.settings().GridColor, 0x0000FFu);
    EXPECT_EQ(boxes.count(), 1) << "the grid colour is not in the box";
    EXPECT_EQ(repaints.count(), 2);

    prompts.colorAnswer(std::nullopt);
    s.chooseDisplayColour(DisplayColour::TraColor);
    EXPECT_EQ(s.settings().TraColor, 0xD2BB6Au);
    EXPECT_EQ(repaints.count(), 2);
}

} // namespace
