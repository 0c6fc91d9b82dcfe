#include "ScriptedPrompter.h"
#include "SessionTestSupport.h"
#include "colours/ui/AlphaSliderView.h"
#include "colours/ui/ColourSwatches.h"
#include "colours/ui/ColoursBoxView.h"
#include "colours/ui/ColoursPanel.h"

#include <QApplication>
#include <QFrame>
#include <QLabel>
#include <QMouseEvent>
#include <QSignalSpy>
#include <QTest>
#include <QToolButton>
#include <gtest/gtest.h>

namespace {

// Records where the slider puts the mouse pointer.
struct RecordingPointer : ScreenPointer {
    QPoint at{500, 400};
    std::vector<QPoint> moves;
    QPoint pos() const override { return at; }
    void setPos(QPoint Global) override {
        moves.push_back(Global);
        at = Global;
    }
};

void send(QWidget* W, QEvent::Type Type, QPoint Pos, Qt::MouseButton Button = Qt::NoButton,
          Qt::MouseButtons Buttons = Qt::NoButton) {
    QMouseEvent e(Type, QPointF(Pos), W->mapToGlobal(QPointF(Pos)), Button, Buttons,
                  Qt::NoModifier);
    QApplication::sendEvent(W, &e);
}

void leave(QWidget* W) {
    QEvent e(QEvent::Leave);
    QApplication::sendEvent(W, &e);
}

QColor qcolor(TColor C) {
    return QColor(RedOf(C), GreenOf(C), BlueOf(C));
}

class ColoursPanelWidgets : public ::testing::Test {
protected:
    void SetUp() override {
        s.NewAExecute(true);
        s.appendNewImage({16, 16, 4}); // a 16-colour box: 4 rows of cells, then the markers
        colorsPanel = new QFrame(&window);
        colorsPanel->setGeometry(600, 0, 135, 460);
        toolsPanel = new QFrame(&window);
        toolsPanel->setGeometry(0, 0, 60, 460);
        panel = new ColoursPanel(s, colorsPanel, toolsPanel);
        connectColoursPanel(panel, s);
        panel->setScreenPointer(pointer);
        window.resize(800, 460);
        window.show();
    }
    ColourSwatch* pecol() { return panel->colspan()->pecol(); }
    ColourSwatch* brcol() { return panel->colspan()->brcol(); }
    QFrame* thumb() { return panel->Alph()->AlP(); }
    // A drag of the thumb: press at X, then moves to each of Xs (thumb
    // coordinates of the moment), then release.
    void dragThumb(Qt::MouseButton Button, int X, std::initializer_list<int> Xs) {
        send(thumb(), QEvent::MouseButtonPress, {X, 7}, Button, Button);
        for (int x : Xs)
            send(thumb(), QEvent::MouseMove, {x, 7}, Qt::NoButton, Button);
        send(thumb(), QEvent::MouseButtonRelease, {Xs.size() ? *(Xs.end() - 1) : X, 7}, Button);
    }
    // Moves the thumb so its left edge lands on Left (grab offset 5).
    void dragTo(Qt::MouseButton Button, int Left) {
        send(thumb(), QEvent::MouseButtonPress, {5, 7}, Button, Button);
        send(thumb(), QEvent::MouseMove, {5 + Left - thumb()->x(), 7}, Qt::NoButton, Button);
        send(thumb(), QEvent::MouseButtonRelease, {5, 7}, Button);
    }

    ScriptedPrompter prompts;
    EditSession s{prompts, testDataDir()};
    RecordingPointer pointer;
    QWidget window;
    QFrame* colorsPanel = nullptr;
    QFrame* toolsPanel = nullptr;
    ColoursPanel* panel = nullptr;
};

TEST_F(ColoursPanelWidgets, LaidOutAsThePanelsExpect) {
    EXPECT_EQ(panel->ColorsBox()->geometry(), QRect(8, 8, 120, 150));
    EXPECT_EQ(panel->TraLbl()->text(), QStringLiteral("Transparent\nColor"));
    EXPECT_EQ(panel->InvLbl()->text(), QStringLiteral("Inverted\nColor"));
    EXPECT_EQ(panel->TraLbl()->y(), 8 + 150 + 10);
    // Under the transparent and the inverted cell, never running together.
    EXPECT_LT(panel->TraLbl()->geometry().center().x(), 8 + 60);
    EXPECT_GT(panel->InvLbl()->geometry().center().x(), 8 + 60);
    EXPECT_LT(panel->TraLbl()->geometry().right(), panel->InvLbl()->x());
    EXPECT_GE(panel->TraLbl()->x(), 0);
    EXPECT_EQ(panel->Alph()->geometry(), QRect(5, 460 - 17 - 8, 125, 17));
    EXPECT_EQ(thumb()->geometry(), QRect(101, 1, 23, 15));
    EXPECT_EQ(panel->Alph()->AlL()->text(), QStringLiteral("255"));
    EXPECT_EQ(panel->colspan()->geometry(), QRect(3, 273, 54, 51));
    EXPECT_EQ(pecol()->geometry(), QRect(3, 5, 25, 25));
    EXPECT_EQ(brcol()->geometry(), QRect(24, 19, 25, 25));
    EXPECT_EQ(pecol()->label()->text(), QStringLiteral("255"));
    EXPECT_EQ(brcol()->label()->text(), QStringLiteral("0"));
    EXPECT_EQ(pecol()->label()->palette().color(QPalette::WindowText), QColor(Qt::white));
    EXPECT_EQ(panel->changecol()->geometry(), QRect(2, 226, 28, 28));
    EXPECT_EQ(panel->colcovert()->toolTip(), QStringLiteral("Replace Colors F and B"));
    EXPECT_EQ(panel->colcovert()->statusTip(), QStringLiteral("Click to replace colors."));

    // Another palette resizes the box and moves the labels.
    s.appendNewImage({8, 8, 8});
    EXPECT_EQ(panel->ColorsBox()->height(), 330);
    EXPECT_EQ(panel->TraLbl()->y(), 8 + 330 + 10);
}

TEST_F(ColoursPanelWidgets, ClicksInTheMarkerRowPickTransparentAndInverted) {
    QTest::mouseClick(panel->ColorsBox(), Qt::LeftButton, {}, QPoint(10, 135));
    QTest::mouseClick(panel->ColorsBox(), Qt::RightButton, {}, QPoint(110, 125));
    const ProgramSettings& set = s.settings();
    EXPECT_EQ(s.ForegroundColor32(), SetAlpha(set.TraColor, 0));
    EXPECT_EQ(s.BackgroundColor32(), SetAlpha(set.InvColor, 0));
    EXPECT_EQ(pecol()->label()->text(), QStringLiteral("0"));
    EXPECT_EQ(pecol()->palette().color(QPalette::Window), qcolor(set.TraColor));
    EXPECT_EQ(pecol()->label()->palette().color(QPalette::WindowText),
              qcolor(0xFFFFFFu - set.TraColor));
    EXPECT_EQ(brcol()->palette().color(QPalette::Window), qcolor(set.InvColor));
}

TEST_F(ColoursPanelWidgets, SwatchClicksAskForAColourOrSwap) {
    prompts.colorAnswer(0x0000FFu); // red, an entry of the 16 colours
    QTest::mouseClick(pecol(), Qt::LeftButton, {}, QPoint(5, 5));
    EXPECT_EQ(s.ForegroundColor32(), 0xFF0000FFu);
    EXPECT_EQ(pecol()->palette().color(QPalette::Window), QColor(255, 0, 0));
    EXPECT_EQ(pecol()->label()->palette().color(QPalette::WindowText), QColor(0, 255, 255));

    // Through the label as well: it is part of the swatch.
    QTest::mouseClick(brcol(), Qt::RightButton, {}, brcol()->label()->geometry().center());
    EXPECT_EQ(s.ForegroundColor32(), 0x00000000u);
    EXPECT_EQ(s.BackgroundColor32(), 0xFF0000FFu);
    EXPECT_EQ(pecol()->label()->text(), QStringLiteral("0"));
    EXPECT_EQ(brcol()->label()->text(), QStringLiteral("255"));
}

TEST_F(ColoursPanelWidgets, TheAlphaSliderMapsPositionsToAlphas) {
    // Left button: the foreground alpha, already 255, so the thumb stays.
    dragThumb(Qt::LeftButton, 5, {5 - 300});
    EXPECT_TRUE(pointer.moves.empty());
    EXPECT_EQ(thumb()->x(), 1);
    EXPECT_EQ(panel->Alph()->AlL()->text(), QStringLiteral("0"));
    EXPECT_EQ(AlphaOf(s.ForegroundColor32()), 0);
    EXPECT_EQ(pecol()->label()->text(), QStringLiteral("0"));
    EXPECT_EQ(AlphaOf(s.WorkBitmap().PenColor), 0);

    dragThumb(Qt::LeftButton, 5, {5 + 300});
    EXPECT_EQ(thumb()->x(), 101);
    EXPECT_EQ(AlphaOf(s.ForegroundColor32()), 255);

    struct Case {
        int Left, Alpha;
    };
    for (const Case& c : {Case{11, 26}, Case{31, 76}, Case{51, 128}}) {
        SCOPED_TRACE(c.Left);
        dragTo(Qt::LeftButton, c.Left);
        EXPECT_EQ(thumb()->x(), c.Left);
        EXPECT_EQ(AlphaOf(s.ForegroundColor32()), c.Alpha);
        EXPECT_EQ(panel->Alph()->AlL()->text(), QString::number(c.Alpha));
    }

    // Moves without a press do nothing.
    send(thumb(), QEvent::MouseMove, {80, 7});
    EXPECT_EQ(AlphaOf(s.ForegroundColor32()), 128);
}

TEST_F(ColoursPanelWidgets, TheRightButtonEditsTheBackgroundAlpha) {
    // The thumb jumps from 255 (left 101) to the background's 0 (left 1) and
    // the pointer moves along by the same 100 pixels.
    send(thumb(), QEvent::MouseButtonPress, {10, 7}, Qt::RightButton, Qt::RightButton);
    EXPECT_EQ(thumb()->x(), 1);
    EXPECT_EQ(panel->Alph()->AlL()->text(), QStringLiteral("0"));
    ASSERT_EQ(pointer.moves.size(), 1u);
    EXPECT_EQ(pointer.moves.front(), QPoint(400, 400));

    send(thumb(), QEvent::MouseMove, {10 + 50, 7}, Qt::NoButton, Qt::RightButton);
    send(thumb(), QEvent::MouseButtonRelease, {60, 7}, Qt::RightButton);
    EXPECT_EQ(thumb()->x(), 51);
    EXPECT_EQ(AlphaOf(s.BackgroundColor32()), 128);
    EXPECT_EQ(brcol()->label()->text(), QStringLiteral("128"));
    EXPECT_EQ(AlphaOf(s.WorkBitmap().BrushColor), 128);
    EXPECT_EQ(AlphaOf(s.ForegroundColor32()), 255);
}

TEST_F(ColoursPanelWidgets, HoveringReadsOutColours) {
    QSignalSpy readouts(panel, &ColoursPanel::readout);
    const auto last = [&] {
        const QList<QVariant> r = readouts.back();
        return r.at(0).toString() + QLatin1Char(' ') + r.at(1).toString();
    };
    QTest::mouseClick(panel->ColorsBox(), Qt::LeftButton, {}, QPoint(10, 135));
    send(pecol(), QEvent::MouseMove, {5, 5});
    EXPECT_EQ(last(), QStringLiteral("106,187,210 #6ABBD2"));
    leave(pecol());
    EXPECT_EQ(last(), QStringLiteral(" "));

    const TColor entry1 = s.ActiveImage().Palette.entry(1);
    send(panel->ColorsBox(), QEvent::MouseMove, {45, 15});
    EXPECT_EQ(last(), rgbReadout(entry1) + QLatin1Char(' ') + hexReadout(entry1));
    send(panel->ColorsBox(), QEvent::MouseMove, {45, 135}); // the marker row
    EXPECT_EQ(last(), QStringLiteral(" "));
}

TEST_F(ColoursPanelWidgets, RecolouringButtonsChangeTheImage) {
    s.setForegroundColor32(0xFF0000FFu);
    s.setBackgroundColor32(0xFFFF0000u);
    s.WorkBitmap().SetPixel(0, 0, 0xFF0000FFu);
    s.WorkBitmap().SetPixel(1, 0, 0xFFFF0000u);
    s.commit();
    QTest::mouseClick(panel->colcovert(), Qt::LeftButton);
    EXPECT_EQ(s.WorkBitmap().GetPixel(0, 0), 0xFFFF0000u);
    EXPECT_EQ(s.WorkBitmap().GetPixel(1, 0), 0xFF0000FFu);
    QTest::mouseClick(panel->changecol(), Qt::LeftButton);
    EXPECT_EQ(s.WorkBitmap().GetPixel(1, 0), 0xFFFF0000u);
    EXPECT_TRUE(s.commandStates().UndoA);
}

} // namespace

// The alpha figure is drawn in the complement of the swatch colour, which on
// mid-grey is mid-grey too; its outline must still make the digits stand out.
TEST_F(ColoursPanelWidgets, TheAlphaFigureReadsOnMidGrey) {
    ColourState state = s.colours();
    state.setColour(ColourSlot::Foreground, 0x808080u, 255);
    s.setColours(state);
    ASSERT_EQ(pecol()->label()->palette().color(QPalette::WindowText), QColor(0x7F, 0x7F, 0x7F));
    const QImage shown = pecol()->grab().toImage();
    const QRect area = pecol()->label()->geometry();
    int standingOut = 0;
    for (int y = area.top(); y <= area.bottom(); ++y)
        for (int x = area.left(); x <= area.right(); ++x)
            if (std::abs(qGray(shown.pixel(x, y)) - 128) > 100) ++standingOut;
    EXPECT_GT(standingOut, 20) << "the digits vanish into the swatch";
}
