#include "colours/ColoursBox.h"
#include "colours/DisplayColours.h"
#include "document/Transparency.h"

#include <gtest/gtest.h>

TEST(DisplayColours, CancelChangesNothing) {
    for (DisplayColour which :
         {DisplayColour::TraColor, DisplayColour::InvColor, DisplayColour::GridColor}) {
        TColor setting = 0x808080;
        const DisplayColourUpdate u = chooseDisplayColour(which, std::nullopt, setting);
        EXPECT_EQ(setting, 0x808080u);
        EXPECT_FALSE(u.Changed);
        EXPECT_FALSE(u.RebuildColoursBox);
        EXPECT_FALSE(u.RenderWorkView);
    }
}

TEST(DisplayColours, MarkerColoursRebuildTheBoxTheGridOnlyRepaints) {
    struct Case {
        DisplayColour which;
        bool rebuild;
    };
    for (const Case& k : {Case{DisplayColour::TraColor, true}, Case{DisplayColour::InvColor, true},
                          Case{DisplayColour::GridColor, false}}) {
        SCOPED_TRACE(int(k.which));
        TColor setting = 0x808080;
        const DisplayColourUpdate u = chooseDisplayColour(k.which, TColor(0x0A0B0C), setting);
        EXPECT_EQ(setting, 0x0A0B0Cu);
        EXPECT_TRUE(u.Changed);
        EXPECT_EQ(u.RebuildColoursBox, k.rebuild);
        EXPECT_TRUE(u.RenderWorkView);
    }
}

TEST(DisplayColours, ChangingTheInvertedColourTurnsOldInvertedPixelsTransparent) {
    TransparencySettings marks;
    const TColor32 inverted = SetAlpha(marks.InvColor, 0);
    ASSERT_TRUE(IsInvertedPixel(inverted, 32, marks));

    chooseDisplayColour(DisplayColour::InvColor, TColor(0xFF00FF), marks.InvColor);
    EXPECT_FALSE(IsInvertedPixel(inverted, 32, marks));
    EXPECT_TRUE(IsTransparentPixel(inverted, 32, marks));

    // The box's inverted cell shows, and picks, the new colour.
    ColoursBox box;
    box.rebuild(PalettePicture::fromEntries({0x000000, 0xFFFFFF}), marks.TraColor, marks.InvColor);
    EXPECT_EQ(box.pickAt(90, 45)->Rgb, 0xFF00FFu);
}
