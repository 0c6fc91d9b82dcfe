#include "colours/ColourState.h"
#include "document/PaletteOps.h"
#include "pixel/TBitmap32.h"

#include <gtest/gtest.h>

namespace {
constexpr TColor Red = 0x0000FF;
constexpr TColor Blue = 0xFF0000;
} // namespace

TEST(ColourState, StartsWithOpaqueBlackInFrontAndTransparentBlackBehind) {
    const ColourState s;
    EXPECT_EQ(s.ForegroundColor32(), 0xFF000000u);
    EXPECT_EQ(s.BackgroundColor32(), 0x00000000u);
    EXPECT_EQ(s.alphaCaption(ColourSlot::Foreground), "255");
    EXPECT_EQ(s.alphaCaption(ColourSlot::Background), "0");
    EXPECT_EQ(s.labelTextColour(ColourSlot::Foreground), 0xFFFFFFu);
    EXPECT_EQ(s.labelTextColour(ColourSlot::Background), 0xFFFFFFu);
}

TEST(ColourState, LabelTextIsTheComplementOfTheSwatch) {
    ColourState s;
    s.setColour(ColourSlot::Foreground, 0xD2BB6A, 255);
    s.setColour(ColourSlot::Background, 0xFFFFFF, 7);
    EXPECT_EQ(s.labelTextColour(ColourSlot::Foreground), 0x2D4495u);
    EXPECT_EQ(s.labelTextColour(ColourSlot::Background), 0x000000u);
    EXPECT_EQ(s.BackgroundColor32(), 0x07FFFFFFu);
}

TEST(ColourState, RightClickOnASwatchSwapsColoursAndAlphas) {
    for (ColourSlot clicked : {ColourSlot::Foreground, ColourSlot::Background}) {
        SCOPED_TRACE(int(clicked));
        ColourState s;
        s.setColour(ColourSlot::Foreground, Red, 255);
        s.setColour(ColourSlot::Background, Blue, 100);
        TBitmap32 work(1, 1);
        // A chosen colour must not matter: the right button never asks.
        EXPECT_TRUE(swatchMouseDown(s, clicked, Qt::RightButton, TColor(0x00FF00), nullptr, work));
        EXPECT_EQ(s.ForegroundColor32(), SetAlpha(Blue, 100));
        EXPECT_EQ(s.BackgroundColor32(), SetAlpha(Red, 255));
        EXPECT_EQ(work.PenColor, SetAlpha(Blue, 100));
        EXPECT_EQ(work.BrushColor, SetAlpha(Red, 255));
    }
}

TEST(ColourState, DialogColourIsSnappedToThePaletteAndMadeOpaque) {
    const PalettePicture twoColours = PalettePicture::fromEntries({0x000000, 0xFFFFFF});
    const auto nearest = [&](TColor c) { return NearestPaletteColor(c, 1, twoColours); };
    ColourState s;
    TBitmap32 work(1, 1);

    EXPECT_TRUE(swatchMouseDown(s, ColourSlot::Background, Qt::LeftButton, TColor(0xA0B0C0),
                                nearest, work));
    EXPECT_EQ(s.BackgroundColor32(), 0xFFFFFFFFu); // nearer to white, alpha 255
    EXPECT_EQ(s.ForegroundColor32(), 0xFF000000u);
    EXPECT_EQ(work.BrushColor, 0xFFFFFFFFu);
    EXPECT_EQ(work.PenColor, 0xFF000000u);

    // True colour keeps the chosen colour as it is.
    const auto same = [](TColor c) { return c; };
    swatchMouseDown(s, ColourSlot::Foreground, Qt::LeftButton, TColor(0x123456), same, work);
    EXPECT_EQ(s.ForegroundColor32(), 0xFF123456u);
}

TEST(ColourState, CancelledDialogChangesNothingButStillSetsTheDrawingColours) {
    ColourState s;
    s.setColour(ColourSlot::Foreground, Red, 40);
    TBitmap32 work(1, 1);
    work.PenColor = 0x11111111u;
    work.BrushColor = 0x22222222u;
    EXPECT_FALSE(
        swatchMouseDown(s, ColourSlot::Foreground, Qt::LeftButton, std::nullopt, nullptr, work));
    EXPECT_EQ(s.ForegroundColor32(), SetAlpha(Red, 40));
    EXPECT_EQ(work.PenColor, SetAlpha(Red, 40));
    EXPECT_EQ(work.BrushColor, 0x00000000u);
}

TEST(ColourState, FittingToAPaletteKeepsTheAlphas) {
    ColourState s;
    s.setColour(ColourSlot::Foreground, 0x101010, 255);
    s.setColour(ColourSlot::Background, 0xF0F0F0, 30);
    const PalettePicture bw = PalettePicture::fromEntries({0x000000, 0xFFFFFF});
    s.fitToPalette([&](TColor c) { return NearestPaletteColor(c, 1, bw); });
    EXPECT_EQ(s.ForegroundColor32(), 0xFF000000u);
    EXPECT_EQ(s.BackgroundColor32(), SetAlpha(0xFFFFFF, 30));
}

TEST(ColourState, SettersKeepValuesInRange) {
    ColourState s;
    s.setColour(ColourSlot::Foreground, 0xAB123456u, 300);
    EXPECT_EQ(s.colour(ColourSlot::Foreground), 0x123456u);
    EXPECT_EQ(s.ForegroundAlpha(), 255);
    s.setAlpha(ColourSlot::Background, -4);
    EXPECT_EQ(s.BackgroundAlpha(), 0);
}

TEST(ColourState, ButtonsChooseTheirColour) {
    EXPECT_EQ(slotForButton(Qt::LeftButton), ColourSlot::Foreground);
    EXPECT_EQ(slotForButton(Qt::RightButton), ColourSlot::Background);
    EXPECT_EQ(slotForButton(Qt::MiddleButton), ColourSlot::Background);
}

TEST(ColourReadouts, DecimalAndUpperCaseHex) {
    struct Case {
        TColor c;
        const char* rgb;
        const char* hex;
    };
    for (const Case& k :
         {Case{0x000000, "0,0,0", "#000000"}, Case{0xD2BB6A, "106,187,210", "#6ABBD2"},
          Case{0x0C0B0A, "10,11,12", "#0A0B0C"}, Case{0xFFFFFF, "255,255,255", "#FFFFFF"}}) {
        SCOPED_TRACE(k.hex);
        EXPECT_EQ(rgbReadout(k.c), QLatin1String(k.rgb));
        EXPECT_EQ(hexReadout(k.c), QLatin1String(k.hex));
    }
}
