#include "effects/EffectFrame.h"
#include "EffectsTestSupport.h"
#include "ScriptedEffects.h"

#include <functional>
#include <gtest/gtest.h>

namespace {

// A picture every effect changes: numbered colours, the right half fully
// transparent so that a shadow shows.
TBitmap32 picture(int W, int H) {
    TBitmap32 b = numbered(W, H);
    for (int y = 0; y < H; ++y)
        for (int x = W / 2; x < W; ++x)
            b.SetPixel(x, y, SetAlpha(Color32ToColor(b.GetPixel(x, y)), 0));
    b.PenColor = 0x80123456u;
    return b;
}

// The session's side as the frame sees it, with counts of what it was asked.
struct FakeSession : EffectContext {
    TBitmap32 work = picture(16, 32);
    TBitmap32 clean = work;
    std::optional<TBitmap32> selection;
    int resets = 0, commits = 0, floatingFinishes = 0, shows = 0;
    // Stretched: the selection's pixels are drawn into another size.
    QRect rect = TRect(3, 4, 23, 54);
    QString status;
    TColor32 foreground = 0xFF0000FFu;
    int range = 0;

    TBitmap32& workBitmap(bool Reset) override {
        if (Reset) {
            ++resets;
            work.Assign(clean);
        }
        return work;
    }
    TBitmap32* floatingTarget() override { return selection ? &*selection : nullptr; }
    QRect floatingRect() const override { return rect; }
    void placeFloatingSelection(const QRect& Rect) override { rect = Rect; }
    void showStatus(const QString& Text) override { status = Text; }
    void commitEffect() override {
        ++commits;
        clean.Assign(work);
    }
    void finishFloatingEffect() override { ++floatingFinishes; }
    void showEffect() override { ++shows; }
    TColor32 foregroundColor32() const override { return foreground; }
    int traRange() const override { return range; }
};

struct Effect {
    const char* name;
    std::function<void(EffectFrame&)> run;
};

const std::vector<Effect>& everyEffect() {
    static const std::vector<Effect> effects = {
        {"Invert", [](EffectFrame& F) { F.Invert1Click(); }},
        {"InvertAlpha", [](EffectFrame& F) { F.InvertAlpha1Click(); }},
        {"Grayscale", [](EffectFrame& F) { F.GrayScale1Click(); }},
        {"Saturation", [](EffectFrame& F) { F.Saturation1Click(); }},
        {"ColorNoise", [](EffectFrame& F) { F.AddColorNoise1Click(); }},
        {"ColorNoiseAlpha", [](EffectFrame& F) { F.AddColorNoisewithAlpha1Click(); }},
        {"PenNoise", [](EffectFrame& F) { F.AddPenNoise1Click(); }},
        {"Blur", [](EffectFrame& F) { F.Blur1Click(); }},
        {"EmbossTopLeft", [](EffectFrame& F) { F.opLeft1Click(0); }},
        {"EmbossTopRight", [](EffectFrame& F) { F.opLeft1Click(20); }},
        {"EmbossBottomLeft", [](EffectFrame& F) { F.opLeft1Click(2); }},
        {"EmbossBottomRight", [](EffectFrame& F) { F.opLeft1Click(22); }},
        {"Clockwise", [](EffectFrame& F) { F.Cloclwise1Click(); }},
        {"Counterclockwise", [](EffectFrame& F) { F.CounterClockwise1Click(); }},
        {"FlipHorizontal", [](EffectFrame& F) { F.FlipHorizentall1Click(); }},
        {"FlipVertical", [](EffectFrame& F) { F.FlipVertical1Click(); }},
        {"ColorLevels", [](EffectFrame& F) { F.ColorL1Click(); }},
        {"Balance", [](EffectFrame& F) { F.ImageBalance1Click(); }},
        {"Spatter", [](EffectFrame& F) { F.Spray1Click(); }},
        {"CustomRotation", [](EffectFrame& F) { F.Custom1Click(); }},
        {"Shadow", [](EffectFrame& F) { F.Shadow1Click(); }},
        {"SmoothContract", [](EffectFrame& F) { F.SmoothStretch1Click(); }},
    };
    return effects;
}

ScriptedEffects answeringEverything() {
    ScriptedEffects a;
    a.levels = ColorLevelsParams{10, 0, -10, 0};
    a.balance = BalanceParams{20, 0, 0, true, true, true};
    a.spatter = 6;
    a.rotation = 90;
    a.shadow = ShadowParams{};
    a.contract = QSize(8, 16);
    return a;
}

class EffectFrameTest : public ::testing::Test {
protected:
    FakeSession session;
    ScriptedEffects answers = answeringEverything();
    EffectFrame frame{session};
    void SetUp() override { frame.setPrompt(&answers); }
};

TEST_F(EffectFrameTest, WithoutASelectionEachEffectIsOneCommittedChangeOfTheImage) {
    for (const Effect& e : everyEffect()) {
        SCOPED_TRACE(e.name);
        session = FakeSession();
        const TBitmap32 before = session.work;
        e.run(frame);
        EXPECT_NE(session.clean.Bits, before.Bits);
        EXPECT_EQ(session.commits, 1);
        EXPECT_EQ(session.floatingFinishes, 0);
        EXPECT_EQ(session.shows, 1);
        EXPECT_EQ(session.resets, 1);
    }
}

TEST_F(EffectFrameTest, WithASelectionEachEffectChangesOnlyTheSelectionAndRecordsNothing) {
    for (const Effect& e : everyEffect()) {
        SCOPED_TRACE(e.name);
        session = FakeSession();
        session.selection = picture(16, 32);
        const TBitmap32 image = session.work, selection = *session.selection;
        e.run(frame);
        EXPECT_NE(session.selection->Bits, selection.Bits);
        EXPECT_EQ(session.work.Bits, image.Bits);
        EXPECT_EQ(session.clean.Bits, image.Bits);
        EXPECT_EQ(session.commits, 0);
        EXPECT_EQ(session.floatingFinishes, 1);
        EXPECT_EQ(session.shows, 1);
    }
}

TEST_F(EffectFrameTest, CancelledDialogsChangeNothingButDropTheToolPreview) {
    answers = ScriptedEffects(); // every question cancelled
    const std::vector<std::function<void()>> dialogs = {
        [&] { frame.ColorL1Click(); }, [&] { frame.ImageBalance1Click(); },
        [&] { frame.Spray1Click(); },  [&] { frame.Custom1Click(); },
        [&] { frame.Shadow1Click(); }, [&] { frame.SmoothStretch1Click(); },
    };
    for (const auto& run : dialogs) {
        session.work.SetPixel(0, 0, 0xFFFFFFFFu); // a hover preview
        run();
    }
    EXPECT_EQ(answers.asked, 6);
    EXPECT_EQ(session.work.Bits, session.clean.Bits);
    EXPECT_EQ(session.resets, 6);
    EXPECT_EQ(session.commits + session.floatingFinishes + session.shows, 0);
}

TEST_F(EffectFrameTest, CustomRotationGrowsASelectionAroundItsCentreAndKeepsTheImageSize) {
    session.selection = numbered(32, 32);
    session.rect = TRect(10, 20, 42, 52);
    answers.rotation = 0;
    frame.Custom1Click();
    EXPECT_EQ(session.selection->Width, 45);
    EXPECT_EQ(session.selection->Height, 45);
    EXPECT_EQ(session.rect, TRect(4, 14, 49, 59));
    EXPECT_EQ(session.selection->GetPixel(6, 6), numbered(32, 32).GetPixel(0, 0));

    session.selection.reset();
    session.work = session.clean = numbered(32, 32);
    frame.Custom1Click();
    EXPECT_EQ(session.clean.Bits, numbered(32, 32).Bits) << "0 degrees gives the image back";
}

// A selection whose turn would pass the bound stays as it is; the status bar
// says why, and no dialog is shown.
TEST_F(EffectFrameTest, CustomRotationRefusesASelectionThatWouldGrowPastTheBound) {
    const struct {
        int W, H;
        bool Turns;
    } cases[] = {{724, 724, true},
                 {725, 725, false},
                 {1024, 1, true},
                 {1025, 1, false},
                 {4000, 4000, false}};
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << c.W << " x " << c.H);
        session = FakeSession();
        answers = answeringEverything();
        session.selection = TBitmap32(c.W, c.H);
        const QRect rect = session.rect;
        frame.Custom1Click();
        EXPECT_EQ(answers.asked, c.Turns ? 1 : 0);
        EXPECT_EQ(session.status.isEmpty(), c.Turns);
        if (c.Turns) continue;
        EXPECT_TRUE(session.status.contains(QStringLiteral("1024")))
            << session.status.toStdString();
        EXPECT_EQ(QSize(session.selection->Width, session.selection->Height), QSize(c.W, c.H));
        EXPECT_EQ(session.rect, rect);
        EXPECT_EQ(session.floatingFinishes + session.shows, 0);
    }
}

// Effects keep the rectangle of a stretched selection; only the turns and
// Smooth Contract place it anew, at the size of their result.
TEST_F(EffectFrameTest, EffectsKeepTheSelectionsRectangleUnlessTheyResizeIt) {
    const QRect stretched = TRect(3, 4, 23, 54);
    for (const Effect& e : everyEffect()) {
        SCOPED_TRACE(e.name);
        session = FakeSession();
        session.selection = picture(16, 32);
        e.run(frame);
        const std::string name = e.name;
        QRect expected = stretched;
        if (name == "Clockwise" || name == "Counterclockwise")
            expected = TRect(3, 4, 35, 20);
        else if (name == "CustomRotation")
            expected = TRect(-7, 2, 29, 38); // 36 x 36, grown around the centre
        else if (name == "SmoothContract")
            expected = TRect(3, 4, 11, 20);
        EXPECT_EQ(session.rect, expected);
        EXPECT_EQ(session.rect.size(), expected == stretched ? stretched.size()
                                                             : QSize(session.selection->Width,
                                                                     session.selection->Height));
    }
}

TEST_F(EffectFrameTest, QuarterTurnsAndContractGiveTheSelectionItsNewSize) {
    session.selection = picture(16, 32);
    frame.Cloclwise1Click();
    EXPECT_EQ(QSize(session.selection->Width, session.selection->Height), QSize(32, 16));
    answers.contract = QSize(8, 4);
    frame.SmoothStretch1Click();
    EXPECT_EQ(QSize(session.selection->Width, session.selection->Height), QSize(8, 4));
    EXPECT_EQ(session.rect, TRect(3, 4, 11, 8));

    // The image keeps its size; the contracted picture sits at its top left.
    session.selection.reset();
    frame.SmoothStretch1Click();
    EXPECT_EQ(QSize(session.clean.Width, session.clean.Height), QSize(16, 32));
    EXPECT_EQ(session.clean.GetPixel(15, 31), 0u);
}

TEST_F(EffectFrameTest, ShadowIsCastInTheForegroundColourByPixelsAboveTheRange) {
    session.work = session.clean = grid(3, 1, {grey(9, 200), 0, 0});
    session.foreground = Color32(255, 0, 0, 255);
    session.range = 199;
    answers.shadow = ShadowParams{1, 0, 1, 255, false, 0};
    frame.Shadow1Click();
    EXPECT_EQ(answers.shownColour, Color32ToColor(session.foreground));
    EXPECT_EQ(answers.shownTraRange, 199);
    EXPECT_EQ(session.clean.GetPixel(1, 0), Color32(255, 0, 0, 255));
    EXPECT_EQ(session.clean.GetPixel(2, 0), 0u);

    session.work = session.clean = grid(3, 1, {grey(9, 200), 0, 0});
    session.range = 200; // no pixel is opaque enough to cast a shadow
    frame.Shadow1Click();
    EXPECT_EQ(session.clean.GetPixel(1, 0), 0u);
}

TEST_F(EffectFrameTest, WithoutAPromptDialogEffectsDoNothing) {
    frame.setPrompt(nullptr);
    frame.ColorL1Click();
    frame.Shadow1Click();
    EXPECT_EQ(session.commits + session.shows, 0);
}

} // namespace
