#include "images/ui/PreviewForm.h"
#include "ScriptedPrompter.h"
#include "images/ui/PreviewBox.h"
#include "images/ui/PreviewFrame.h"

#include <QComboBox>
#include <QCoreApplication>
#include <QElapsedTimer>
#include <QLabel>
#include <QPushButton>
#include <gtest/gtest.h>

namespace {

constexpr TColor White = 0xFFFFFF;
constexpr TColor32 OpaqueRed = 0xFF0000FFu;
constexpr TColor Lime = 0x00FF00;
constexpr int LimeEntry = 10;

TBitmap32 filled(int W, int H, TColor32 C) {
    TBitmap32 b(W, H);
    std::fill(b.Bits.begin(), b.Bits.end(), C);
    return b;
}

// The paint box as it is on screen, in the program's colour values.
struct Shot {
    QImage image;
    TColor at(int X, int Y) const {
        const QRgb c = image.pixel(X, Y);
        return TColor(qRed(c)) | TColor(qGreen(c)) << 8 | TColor(qBlue(c)) << 16;
    }
};

// Answers the colour dialog from the script, noting the custom colours it was
// shown and changing one, as a user may do before cancelling.
class CustomColourPrompter : public ScriptedPrompter {
public:
    std::optional<TColor> chooseColor(TColor Initial, CustomColours& Custom) override {
        customSeen = Custom.lines();
        if (m_slot >= 0) Custom.addLine(m_slot, m_value);
        return ScriptedPrompter::chooseColor(Initial, Custom);
    }
    void setCustomAfter(int Slot, const QString& Value) {
        m_slot = Slot;
        m_value = Value;
    }
    QStringList customSeen;

private:
    int m_slot = -1;
    QString m_value;
};

class PreviewFormTest : public ::testing::Test {
protected:
    void TearDown() override { EXPECT_TRUE(prompts.allAnswered()); }

    Shot show(const TBitmap32& Clean, ColourFormat Format) {
        form.FormShow(Clean, Format, TransparencySettings{}, custom);
        return grab();
    }
    Shot grab() { return {form.pb()->grab().toImage()}; }
    int customIndex() const { return form.colBox()->count() - 1; }

    CustomColourPrompter prompts;
    CustomColours custom;
    TPrvFrm form{prompts};
};

// Lime rather than black: a paint box that draws nothing reads as black too.
// The window is then given a colour of its own, so that what the box draws
// (the image and its margin) stands apart from what only shows through.
TEST_F(PreviewFormTest, ImageSitsCentredInsideItsMarginOfBackground) {
    form.ColBoxChange(LimeEntry);
    ASSERT_EQ(form.backgroundColour(), Lime);
    show(filled(32, 32, OpaqueRed), 32);
    EXPECT_EQ(form.palette().color(QPalette::Window), QColor(0, 255, 0));
    QPalette window = form.palette();
    window.setColor(QPalette::Window, Qt::magenta);
    form.setPalette(window);
    const Shot s = grab();
    EXPECT_EQ(previewOrigin(32, 32), QPoint(111, 111));
    EXPECT_EQ(s.at(111, 111), 0x0000FFu);
    EXPECT_EQ(s.at(142, 142), 0x0000FFu);
    for (const QPoint margin : {QPoint(110, 111), QPoint(111, 110), QPoint(143, 142),
                                QPoint(107, 107), QPoint(146, 146)}) {
        SCOPED_TRACE(margin.x());
        EXPECT_EQ(s.at(margin.x(), margin.y()), Lime);
    }
    // Outside the 40 x 40 frame from (107, 107) the box leaves the window to
    // show (in the background colour, on screen).
    for (const QPoint outside : {QPoint(106, 106), QPoint(147, 147), QPoint(0, 0)}) {
        SCOPED_TRACE(outside.x());
        EXPECT_EQ(s.at(outside.x(), outside.y()), 0xFF00FFu);
    }
    EXPECT_EQ(makePreviewFrame(makePreviewPicture(filled(32, 32, OpaqueRed), 32, {}), 0).size(),
              QSize(40, 40));
}

// Up to 255 pixels the box is 255 square and the image loses its margin; a
// 256-pixel image (which the file format allows) gets a box and a window
// large enough to show its last column and row.
TEST_F(PreviewFormTest, LargestImagesShowEveryPixel) {
    const QSize designBox(255, 255);
    const QSize designWindow = form.size();
    struct Case {
        int w, h;
        QSize box;
    };
    for (const Case c : {Case{255, 255, designBox}, Case{256, 256, QSize(256, 256)},
                         Case{256, 40, QSize(256, 255)}, Case{32, 32, designBox}}) {
        SCOPED_TRACE(std::to_string(c.w) + " x " + std::to_string(c.h));
        TBitmap32 big = filled(c.w, c.h, OpaqueRed);
        for (int y = 0; y < c.h; ++y)
            big.SetPixel(c.w - 1, y, 0xFF00FF00u);
        for (int x = 0; x < c.w; ++x)
            big.SetPixel(x, c.h - 1, 0xFFFF0000u);
        const Shot s = show(big, 32);
        EXPECT_EQ(form.pb()->size(), c.box);
        const QPoint o = previewOrigin(c.w, c.h);
        EXPECT_EQ(s.at(o.x(), o.y()), 0x0000FFu);
        EXPECT_EQ(s.at(o.x() + c.w - 1, o.y()), 0x00FF00u) << "last column";
        EXPECT_EQ(s.at(o.x(), o.y() + c.h - 1), 0xFF0000u) << "last row";
        // The window grows with the box; the colour list stays below it.
        EXPECT_EQ(form.width(), designWindow.width() + c.box.width() - designBox.width());
        EXPECT_EQ(form.height(), designWindow.height() + c.box.height() - designBox.height());
        EXPECT_GT(form.colBox()->y(), form.pb()->geometry().bottom());
        EXPECT_LE(form.colBox()->geometry().right(), form.width());
        form.FormHide();
    }
    EXPECT_EQ(previewOrigin(255, 255), QPoint(0, 0));
}

TEST_F(PreviewFormTest, PaletteImageCutsAlphaAtTheRangeTrueColourMixes) {
    form.ColBoxChange(12); // Blue
    ASSERT_EQ(form.backgroundColour(), 0xFF0000u);
    const TBitmap32 faint = filled(16, 16, SetAlpha(0x0000FF, 60)); // red at alpha 60
    struct Case {
        ColourFormat format;
        TColor expected;
    };
    for (const Case c :
         {Case{4, 0xFF0000u}, Case{8, 0xFF0000u}, Case{32, MixOnOpaque(0xFF0000, 255, 0, 0, 60)}}) {
        SCOPED_TRACE(int(c.format));
        const Shot s = show(faint, c.format);
        const QPoint o = previewOrigin(16, 16);
        EXPECT_EQ(s.at(o.x() + 5, o.y() + 5), c.expected);
    }
    EXPECT_NE(MixOnOpaque(0xFF0000, 255, 0, 0, 60), 0xFF0000u);
}

TEST_F(PreviewFormTest, CustomColourCancelledKeepsItsColourButBecomesTheBackground) {
    EXPECT_EQ(form.colBox()->itemText(customIndex()), QStringLiteral("Custom..."));
    EXPECT_EQ(form.colBox()->currentText(), QStringLiteral("White"));
    EXPECT_EQ(form.backgroundColour(), White);

    prompts.colorAnswer(std::nullopt);
    form.ColBoxChange(customIndex());
    EXPECT_EQ(form.backgroundColour(), 0xABCDEFu);
    EXPECT_EQ(form.label()->palette().color(QPalette::WindowText), QColor(0x10, 0x32, 0x54));

    prompts.colorAnswer(0x123456u);
    form.ColBoxChange(customIndex());
    form.ColBoxChange(0);
    prompts.colorAnswer(std::nullopt);
    form.ColBoxChange(customIndex());
    EXPECT_EQ(form.backgroundColour(), 0x123456u);
    EXPECT_EQ(form.colBox()->currentIndex(), customIndex());
}

TEST_F(PreviewFormTest, CustomColoursAreLentWhileShownAndHandedBack) {
    custom.addLine(0, QStringLiteral("112233"));
    form.FormShow(filled(4, 4, OpaqueRed), 32, {}, custom);
    prompts.colorAnswer(std::nullopt);
    prompts.setCustomAfter(5, QStringLiteral("AABBCC"));
    form.ColBoxChange(customIndex());
    ASSERT_EQ(prompts.customSeen.size(), 1);
    EXPECT_EQ(prompts.customSeen.front(), QStringLiteral("ColorA=112233"));
    EXPECT_EQ(custom.lines().size(), 1); // still only lent
    form.FormHide();
    EXPECT_EQ(custom.lines().size(), 2);
}

TEST_F(PreviewFormTest, MagnifierShowsSixFramePixelsThirteenWideAndLeavesWithTheMouse) {
    TBitmap32 dot = filled(32, 32, 0xFF00FF00u); // green
    dot.SetPixel(10, 10, OpaqueRed);
    show(dot, 32);
    const QPoint o = previewOrigin(32, 32);
    const QPoint mouse = o + QPoint(10, 10); // over the red pixel
    form.pb()->PBMouseMove(mouse);
    const Shot s = grab();
    // The red pixel grows to a block around the mouse.
    EXPECT_EQ(s.at(mouse.x(), mouse.y()), 0x0000FFu);
    EXPECT_EQ(s.at(mouse.x() + 1, mouse.y() + 1), 0x0000FFu);
    EXPECT_EQ(s.at(mouse.x() - 3, mouse.y() - 3), 0x00FF00u);

    // Near the right edge the glass reaches past the frame and shows the
    // background there, not stray memory.
    const std::optional<MagnifierRects> edge = magnifierAt(o + QPoint(40, 40), o, 32, 32);
    ASSERT_TRUE(edge);
    EXPECT_EQ(edge->Target.size(), QSize(13, 13));
    EXPECT_EQ(edge->Source.size(), QSize(6, 6));
    const QImage past = magnifierPixels(makePreviewFrame(dot, 0x00FF00), edge->Source, 0x00FF00);
    EXPECT_EQ(past.pixel(5, 5), qRgb(0, 255, 0));
    EXPECT_FALSE(magnifierAt(o - QPoint(1, 0), o, 32, 32));

    form.pb()->hideMagnifier();
    EXPECT_EQ(grab().at(mouse.x() + 1, mouse.y() + 1), 0x00FF00u);
}

} // namespace

// An animation plays its steps' pictures at their times and Stop puts the
// still picture back; a window without one has no Play button.
TEST_F(PreviewFormTest, AnimationPlaysItsStepsAndStops) {
    EXPECT_FALSE(form.playButton()->isVisibleTo(&form));
    std::vector<PreviewStep> steps;
    const TColor32 colours[] = {0xFF00FF00u, 0xFFFF0000u, OpaqueRed};
    for (TColor32 c : colours)
        steps.push_back({filled(16, 16, c), 32, 20});
    form.setAnimation(std::move(steps));
    EXPECT_TRUE(form.playButton()->isVisibleTo(&form));
    show(filled(16, 16, 0xFF000000u), 32);
    // Inside the window, however large the picture made it.
    EXPECT_TRUE(form.rect().contains(form.playButton()->geometry()))
        << form.height() << " " << form.playButton()->geometry().bottom();
    show(filled(256, 256, 0xFF000000u), 32);
    EXPECT_TRUE(form.rect().contains(form.playButton()->geometry()));
    show(filled(16, 16, 0xFF000000u), 32);
    const QPoint o = previewOrigin(16, 16);
    EXPECT_EQ(grab().at(o.x(), o.y()), 0u);

    form.PlayClick();
    EXPECT_TRUE(form.playing());
    EXPECT_EQ(form.playButton()->text(), QStringLiteral("&Stop"));
    EXPECT_EQ(form.playedStep(), 0);
    EXPECT_EQ(grab().at(o.x(), o.y()), 0x00FF00u);
    // The steps follow one another on the timer, round and round.
    std::vector<int> seen;
    QElapsedTimer clock;
    clock.start();
    while (seen.size() < 4 && clock.elapsed() < 5000) {
        QCoreApplication::processEvents(QEventLoop::AllEvents, 5);
        if (seen.empty() || seen.back() != form.playedStep()) seen.push_back(form.playedStep());
    }
    EXPECT_EQ(seen, (std::vector<int>{0, 1, 2, 0}));

    form.PlayClick();
    EXPECT_FALSE(form.playing());
    EXPECT_EQ(grab().at(o.x(), o.y()), 0u);
    form.FormHide();
    form.setAnimation({});
    EXPECT_FALSE(form.playButton()->isVisibleTo(&form));
}
