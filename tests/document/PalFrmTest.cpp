#include "document/ui/PalFrm.h"
#include "ScriptedPrompter.h"
#include "SessionTestSupport.h"
#include "document/PaletteGrid.h"
#include "document/ui/PaletteGridBox.h"
#include "document/ui/ColourPickBox.h"

#include <QLabel>
#include <QPushButton>
#include <QTest>
#include <gtest/gtest.h>

namespace {

class PalFrmTest : public ::testing::Test {
protected:
    ScriptedPrompter prompts;
    TPalFrm form{prompts, testDataDir()};
};

TEST_F(PalFrmTest, ControlsInTheirPlaces) {
    EXPECT_EQ(form.windowTitle(), QStringLiteral("Configure Palette"));
    EXPECT_EQ(form.size(), QSize(306, 361));
    const struct {
        const char* Name;
        QRect Place;
        const char* Caption;
        const char* Hint;
    } buttons[] = {
        {"win", {144, 8, 153, 25}, "Windows Standard Colors", "Loads windows standard palette."},
        {"load", {144, 40, 153, 25}, "Load Palette", "Loads palette from file."},
        {"save", {144, 72, 153, 25}, "Save Palette", "Saves palette to file."},
        {"bit", {144, 104, 153, 25}, "Load Bitmap", "Loads a bitmap image from file."},
        {"make", {144, 296, 153, 25}, "Find Bitmap Colors", "Extracts palette  from bitmap."},
        {"OK", {144, 328, 75, 25}, "OK", "Applies changes and closes dialog box."},
        {"Cancel", {224, 328, 75, 25}, "Cancel", "Closes dialog box without applying changes."},
    };
    for (const auto& b : buttons) {
        SCOPED_TRACE(b.Name);
        QPushButton* button = form.button(b.Name);
        ASSERT_NE(button, nullptr);
        EXPECT_EQ(button->geometry(), b.Place);
        EXPECT_EQ(button->text(), QLatin1String(b.Caption));
        EXPECT_EQ(button->statusTip(), QLatin1String(b.Hint));
        EXPECT_EQ(button->isDefault(), QLatin1String(b.Name) == QLatin1String("OK"));
    }
    EXPECT_EQ(form.Bitmapo()->geometry(), QRect(144, 136, 153, 153));
    EXPECT_EQ(form.Bitmapo()->statusTip(), QStringLiteral("Click to add color to palette."));
    EXPECT_EQ(form.ColorsBox()->statusTip(), QStringLiteral("Click on a color to change."));
    EXPECT_EQ(form.lbl()->text(), QStringLiteral("Click on a color"));
    EXPECT_EQ(form.lbl()->pos(), QPoint(32, 336));
    EXPECT_TRUE(form.lbl()->isHidden());
}

// The grid box takes the height of the palette's grid.
TEST_F(PalFrmTest, GridBoxFollowsThePaletteSize) {
    for (const auto& [entries, height] :
         {std::pair{2, 30}, std::pair{16, 120}, std::pair{256, 320}}) {
        SCOPED_TRACE(entries);
        form.FormShow(PalettePicture::fromEntries(std::vector<TColor>(std::size_t(entries), 0)));
        EXPECT_EQ(form.ColorsBox()->height(), height);
        EXPECT_EQ(form.ColorsBox()->picture(), PaletteGrid::draw(form.editor().workingCopy()));
        form.FormHide();
    }
}

// A click on the bitmap picks the colour shown there, scaled and centred as
// it is; the label blinks red and black while pick mode lasts, and a click
// on a cell ends it.
TEST_F(PalFrmTest, PickModeBlinksUntilACellTakesTheColour) {
    form.FormShow(PalettePicture::fromEntries(std::vector<TColor>(16, 0)));
    // 306 x 102 halves to 153 x 51, centred from row 51: the left half is
    // blue, the right half red.
    QImage wide(306, 102, QImage::Format_RGB32);
    wide.fill(qRgb(255, 0, 0));
    for (int y = 0; y < wide.height(); ++y)
        for (int x = 0; x < 153; ++x)
            wide.setPixel(x, y, qRgb(0, 0, 255));
    form.Bitmapo()->setPicture(wide);
    const QColor window = form.Bitmapo()->palette().color(QPalette::Window);
    EXPECT_EQ(form.Bitmapo()->colourAt({10, 10}),
              TColor(window.red()) | TColor(window.green()) << 8 | TColor(window.blue()) << 16);
    EXPECT_EQ(form.Bitmapo()->colourAt({10, 60}), 0xFF0000u);
    EXPECT_EQ(form.Bitmapo()->colourAt({140, 60}), 0x0000FFu);

    QTest::mouseClick(form.Bitmapo(), Qt::LeftButton, {}, {140, 60});
    EXPECT_TRUE(form.editor().pickMode());
    EXPECT_FALSE(form.lbl()->isHidden());
    EXPECT_TRUE(form.Tim().isActive());
    EXPECT_EQ(form.Tim().interval(), 500);
    form.TimTimer();
    EXPECT_EQ(form.lbl()->palette().color(QPalette::WindowText), QColor(Qt::red));
    form.TimTimer();
    EXPECT_EQ(form.lbl()->palette().color(QPalette::WindowText), QColor(Qt::black));

    QTest::mouseClick(form.ColorsBox(), Qt::RightButton, {}, {40, 10});
    EXPECT_EQ(form.editor().workingCopy().entry(1), 0x0000FFu);
    EXPECT_TRUE(form.lbl()->isHidden());
    EXPECT_FALSE(form.Tim().isActive());
    EXPECT_EQ(form.ColorsBox()->picture(), PaletteGrid::draw(form.editor().workingCopy()));
}

} // namespace
