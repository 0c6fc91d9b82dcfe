#include "colours/AlphaSlider.h"
#include "pixel/TBitmap32.h"

#include <gtest/gtest.h>

TEST(AlphaSlider, PositionsMapToAlphasWithHalvesToEven) {
    struct Case {
        int left, alpha;
    };
    for (const Case& k : {Case{1, 0}, Case{101, 255}, Case{11, 26}, Case{31, 76}, Case{51, 128},
                          Case{2, 3}, Case{100, 252}}) {
        SCOPED_TRACE(k.left);
        EXPECT_EQ(AlphaSlider::alphaForLeft(k.left), k.alpha);
    }
    EXPECT_EQ(AlphaSlider::alphaForLeft(0), 0);
    EXPECT_EQ(AlphaSlider::alphaForLeft(500), 255);
}

TEST(AlphaSlider, AlphasMapBackToPositions) {
    struct Case {
        int alpha, left;
    };
    for (const Case& k : {Case{0, 1}, Case{255, 101}, Case{26, 11}, Case{76, 31}, Case{128, 51},
                          Case{1, 1}, Case{2, 2}}) {
        SCOPED_TRACE(k.alpha);
        EXPECT_EQ(AlphaSlider::leftForAlpha(k.alpha), k.left);
    }
    // Every thumb position survives the round trip.
    for (int left = AlphaSlider::MinLeft; left <= AlphaSlider::MaxLeft; ++left)
        EXPECT_EQ(AlphaSlider::leftForAlpha(AlphaSlider::alphaForLeft(left)), left) << left;
}

TEST(AlphaSlider, DraggingTheForegroundThumbToEitherEnd) {
    AlphaSliderModel m;
    ColourState s;
    s.setColour(ColourSlot::Foreground, 0x0000FF, 255);
    TBitmap32 work(1, 1);
    EXPECT_EQ(m.thumbLeft(), 101);
    EXPECT_EQ(m.caption(), "255");

    EXPECT_EQ(m.press(Qt::LeftButton, 5, s), 0);
    EXPECT_TRUE(m.AlphaDragging());
    EXPECT_EQ(m.move(5 - 300, s, work), 0); // limited to the far left
    EXPECT_EQ(m.thumbLeft(), 1);
    EXPECT_EQ(m.caption(), "0");
    EXPECT_EQ(s.ForegroundAlpha(), 0);
    EXPECT_EQ(work.PenColor, 0x000000FFu);
    EXPECT_EQ(m.move(2, s, work), std::nullopt); // pushing against the left end

    // X is relative to the thumb, which now sits at 1.
    EXPECT_EQ(m.move(5 + 10, s, work), 26);
    EXPECT_EQ(m.thumbLeft(), 11);
    EXPECT_EQ(m.move(5 + 20, s, work), 76);
    EXPECT_EQ(m.thumbLeft(), 31);
    EXPECT_EQ(m.move(5 + 500, s, work), 255);
    EXPECT_EQ(m.thumbLeft(), 101);
    EXPECT_EQ(m.move(9, s, work), std::nullopt); // pushing against the right end
    EXPECT_EQ(s.ForegroundColor32(), 0xFF0000FFu);
    EXPECT_EQ(s.BackgroundColor32(), 0x00000000u);

    m.release();
    EXPECT_FALSE(m.AlphaDragging());
    EXPECT_EQ(m.move(-50, s, work), std::nullopt);
    EXPECT_EQ(s.ForegroundAlpha(), 255);
}

TEST(AlphaSlider, RightButtonEditsTheBackgroundAlpha) {
    AlphaSliderModel m;
    ColourState s;
    s.setColour(ColourSlot::Background, 0xFF0000, 76);
    TBitmap32 work(1, 1);

    // The thumb jumps from 101 to the background alpha; the pointer follows.
    EXPECT_EQ(m.press(Qt::RightButton, 12, s), 31 - 101);
    EXPECT_EQ(m.editing(), ColourSlot::Background);
    EXPECT_EQ(m.thumbLeft(), 31);
    EXPECT_EQ(m.caption(), "76");

    EXPECT_EQ(m.move(12 - 20, s, work), 26);
    EXPECT_EQ(s.BackgroundColor32(), SetAlpha(0xFF0000, 26));
    EXPECT_EQ(work.BrushColor, SetAlpha(0xFF0000, 26));
    EXPECT_EQ(s.ForegroundColor32(), 0xFF000000u);
}
