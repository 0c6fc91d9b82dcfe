#include "ScriptedPrompter.h"
#include "session/EditSession.h"

#include <QSignalSpy>
#include <gtest/gtest.h>

TEST(SessionSettings, PromptValuesStayInTheirRanges) {
    ScriptedPrompter prompts;
    EditSession s(prompts, QString());
    const struct {
        int In, UndoMax, TraRange;
    } cases[] = {{0, 1, 1}, {1, 1, 1}, {255, 255, 255}, {256, 256, 255}, {5000, 999, 255}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.In);
        s.setUndoMax(c.In);
        s.setTraRange(c.In);
        EXPECT_EQ(s.settings().UndoMax, c.UndoMax);
        EXPECT_EQ(s.settings().TraRange, c.TraRange);
    }
}

TEST(SessionSettings, DisplayChangesAskForARepaintAndReachTheTransparencyModel) {
    ScriptedPrompter prompts;
    EditSession s(prompts, QString());
    QSignalSpy repaint(&s, &EditSession::workChanged);
    s.setTraRange(50);
    s.setGridShown(false);
    s.setDisplayColors(0x112233, 0xFF00FF, 0x000080);
    EXPECT_EQ(repaint.count(), 3);
    const TransparencySettings t = s.transparency();
    EXPECT_EQ(t.TraColor, 0x112233u);
    EXPECT_EQ(t.InvColor, 0xFF00FFu);
    EXPECT_EQ(t.TraRange, 50);
    EXPECT_FALSE(s.settings().Grid);
    EXPECT_EQ(s.settings().GridColor, 0x000080u);
}

TEST(SessionSettings, TextFontRoundTripsThroughTheSettings) {
    ScriptedPrompter prompts;
    EditSession s(prompts, QString());
    QFont f(QStringLiteral("DejaVu Sans"), 11);
    f.setBold(true);
    f.setStrikeOut(true);
    s.setTextFont(f);
    const ProgramSettings& st = s.settings();
    EXPECT_EQ(st.FontName, QStringLiteral("DejaVu Sans"));
    EXPECT_EQ(st.FontSize, 11);
    EXPECT_TRUE(st.FontBold);
    EXPECT_FALSE(st.FontItalic);
    EXPECT_FALSE(st.FontUnderline);
    EXPECT_TRUE(st.FontStrikeout);
    EXPECT_TRUE(s.WorkBitmap().Font.bold());
    EXPECT_TRUE(s.CleanBitmap().Font.strikeOut());
}

TEST(CustomColours, LinesKeepTheirSlotLetters) {
    CustomColours c;
    c.addLine(0, QStringLiteral("0000FF"));
    c.addLine(3, QStringLiteral("00ff00"));
    c.addLine(15, QStringLiteral("zz")); // unreadable: no colour
    EXPECT_EQ(c.lines(),
              (QStringList{QStringLiteral("ColorA=0000FF"), QStringLiteral("ColorD=00ff00"),
                           QStringLiteral("ColorP=zz")}));
    const auto known = c.slotColours();
    EXPECT_EQ(known[0], TColor(0x0000FF));
    EXPECT_EQ(known[3], TColor(0x00FF00));
    EXPECT_FALSE(known[1].has_value());
    EXPECT_FALSE(known[15].has_value());

    std::array<TColor, CustomColours::Count> all{};
    all[2] = 0x123456;
    c.setSlots(all);
    ASSERT_EQ(c.lines().size(), 16);
    EXPECT_EQ(c.lines()[2], QStringLiteral("ColorC=123456"));
    EXPECT_EQ(c.lines()[15], QStringLiteral("ColorP=000000"));
}
