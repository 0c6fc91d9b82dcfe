#include "canvas/tools/ToolInfo.h"
#include "canvas/ui/BrushShapeEditor.h"
#include "tools_ui_support.h"

#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QSignalSpy>
#include <QSpinBox>
#include <QTest>

namespace {

const OptionPanel PanelBits[] = {BrushP, EraserP, SprayP,        PatilP,
                                 TextP,  RectP,   CenterEButton, RoundP};

} // namespace

TEST_F(ToolsUiFixture, EachToolButtonChoosesItsToolCursorPanelsAndHint) {
    EXPECT_EQ(tools().CurrentTool(), PenTag);
    EXPECT_TRUE(button(PenTag)->isChecked());
    for (const ToolInfo& info : toolTable()) {
        SCOPED_TRACE(info.Button);
        QToolButton* b = button(info.Tag);
        ASSERT_NE(b, nullptr);
        EXPECT_EQ(b->objectName(), QLatin1String(info.Button));
        EXPECT_EQ(b->isEnabled(),
                  info.Tag == PhotoTag || tools().controller().isAvailable(info.Tag));
        if (!b->isEnabled() || !info.IsTool) continue;
        b->click();
        EXPECT_EQ(tools().CurrentTool(), info.Tag);
        EXPECT_TRUE(b->isChecked());
        EXPECT_EQ(ui->workCursor(), info.Cursor);
        EXPECT_EQ(parts.Work->statusTip(), info.status());
        EXPECT_EQ(parts.Work->hotSpotMarkerRunning(), info.Tag == HotSpotTag);
        for (OptionPanel bit : PanelBits) {
            SCOPED_TRACE(int(bit));
            EXPECT_EQ(ui->optionPanels().panel(bit)->isVisibleTo(&window),
                      (info.Panels & bit) != 0);
        }
    }
    // Screen capture is a button of the panel, but not a tool.
    EXPECT_TRUE(button(SelectTag)->isEnabled());
    EXPECT_FALSE(button(PhotoTag)->isCheckable());
}

TEST_F(ToolsUiFixture, PickerTakesTheColourAndGoesBackToTheToolBefore) {
    choose(BrushTag);
    choose(PickColorTag);
    session.WorkBitmap().SetPixel(5, 5, 0x80112233);
    session.CleanBitmap().SetPixel(5, 5, 0x80112233);
    click(QPoint(5, 5));
    EXPECT_EQ(session.ForegroundColor32(), 0x80112233u);
    EXPECT_EQ(tools().CurrentTool(), BrushTag);
    EXPECT_TRUE(button(BrushTag)->isChecked());
    EXPECT_TRUE(ui->optionPanels().panel(BrushP)->isVisibleTo(&window));
    click(QPoint(6, 6), Qt::RightButton);
    EXPECT_EQ(tools().CurrentTool(), BrushTag); // painted, not picked
}

TEST_F(ToolsUiFixture, ClickSequenceStepsShowInTheHintOfWork) {
    choose(CurveTag);
    click(QPoint(3, 3));
    EXPECT_EQ(parts.Work->statusTip(), QStringLiteral("Click: Ending point; Right Click: Cancel."));
    click(QPoint(3, 3), Qt::RightButton);
    EXPECT_EQ(parts.Work->statusTip(), QStringLiteral("Click to locate staring point."));
}

TEST_F(ToolsUiFixture, SwitchesDriveTheBlendFlags) {
    QToolButton* anti = ui->tools().Anti();
    QToolButton* blen = ui->tools().Blen();
    EXPECT_EQ(anti->text(), QStringLiteral("Anti\naliasing"));
    EXPECT_EQ(blen->text(), QStringLiteral("Blend\nColors"));
    EXPECT_TRUE(anti->isChecked());
    EXPECT_TRUE(blen->isChecked());

    blen->click();
    EXPECT_FALSE(session.WorkBitmap().Blend);
    EXPECT_FALSE(session.CleanBitmap().Blend);
    // Anti going down pushes Blen down; the flags follow at the next move.
    anti->click();
    anti->click();
    EXPECT_TRUE(blen->isChecked());
    EXPECT_TRUE(tools().options().Blen);
    hover(QPoint(1, 1));
    EXPECT_TRUE(session.WorkBitmap().Blend);
    EXPECT_TRUE(session.CleanBitmap().Blend);
}

namespace {

int lightness(QRgb C) {
    return (qRed(C) * 299 + qGreen(C) * 587 + qBlue(C) * 114) / 1000;
}
int distance(QRgb A, QRgb B) {
    return std::max({std::abs(qRed(A) - qRed(B)), std::abs(qGreen(A) - qGreen(B)),
                     std::abs(qBlue(A) - qBlue(B))});
}
QRgb meanOf(const QImage& Img, const QRect& R) {
    long r = 0, g = 0, b = 0, n = 0;
    for (int y = R.top(); y <= R.bottom(); ++y)
        for (int x = R.left(); x <= R.right(); ++x, ++n) {
            const QRgb c = Img.pixel(x, y);
            r += qRed(c), g += qGreen(c), b += qBlue(c);
        }
    return n ? qRgb(int(r / n), int(g / n), int(b / n)) : 0;
}

// A mode switch as it stands on its panel, in device pixels.
QImage switchShot(QToolButton* B, qreal Ratio) {
    QImage img(B->size() * Ratio, QImage::Format_RGB32);
    img.setDevicePixelRatio(Ratio);
    img.fill(B->parentWidget()->palette().color(QPalette::Window));
    B->render(&img, QPoint(), QRegion(), QWidget::DrawChildren);
    img.setDevicePixelRatio(1);
    return img;
}

// How much of the switch's edge stands out from the panel: the share of
// positions along it where the outer few pixels show something.
double framedShare(const QImage& Img, QRgb Ground, int Band) {
    int framed = 0, all = 0;
    const auto edge = [&](int Length, auto PixelAt) {
        for (int i = Band; i < Length - Band; ++i, ++all)
            for (int d = 0; d < Band; ++d)
                if (distance(PixelAt(i, d), Ground) >= 24) {
                    ++framed;
                    break;
                }
    };
    const int w = Img.width(), h = Img.height();
    edge(w, [&](int i, int d) { return Img.pixel(i, d); });
    edge(w, [&](int i, int d) { return Img.pixel(i, h - 1 - d); });
    edge(h, [&](int i, int d) { return Img.pixel(d, i); });
    edge(h, [&](int i, int d) { return Img.pixel(w - 1 - d, i); });
    return all ? double(framed) / all : 0;
}

QPalette darkPalette() {
    QPalette p(QColor(53, 53, 53), QColor(45, 45, 45));
    for (const QPalette::ColorRole role :
         {QPalette::WindowText, QPalette::ButtonText, QPalette::Text, QPalette::BrightText})
        p.setColor(role, QColor(235, 235, 235));
    p.setColor(QPalette::Base, QColor(30, 30, 30));
    p.setColor(QPalette::Highlight, QColor(42, 130, 218));
    p.setColor(QPalette::HighlightedText, Qt::black);
    return p;
}

} // namespace

// Whether a paste is blended is decided by these switches alone, so their
// state must be plain at a glance: both states are buttons, and down is
// sunken with a face of its own, on light and dark desktops, at every scale.
TEST_F(ToolsUiFixture, SwitchesShowDownAsPressed) {
    struct Case {
        const char* name;
        QPalette palette;
        qreal ratio;
    };
    const Case cases[] = {{"light", QApplication::palette(), 1},
                          {"light, scale 2", QApplication::palette(), 2},
                          {"dark", darkPalette(), 1},
                          {"dark, scale 1.5", darkPalette(), 1.5}};
    for (const Case& c : cases) {
        toolsFrame->setPalette(c.palette);
        for (QToolButton* b : {ui->tools().Anti(), ui->tools().Blen()}) {
            SCOPED_TRACE(std::string(c.name) + ", " + b->objectName().toStdString());
            const QRgb ground = c.palette.color(QPalette::Window).rgb();
            const int band = int(3 * c.ratio);
            b->setChecked(false);
            const QImage up = switchShot(b, c.ratio);
            b->setChecked(true);
            const QImage down = switchShot(b, c.ratio);

            EXPECT_GE(framedShare(up, ground, band), 0.8) << "up reads as bare text";
            EXPECT_GE(framedShare(down, ground, band), 0.8);

            // The strip left of the caption is face only.
            const int w = up.width(), h = up.height();
            const QRect face(band + int(c.ratio), band + int(c.ratio), int(3 * c.ratio),
                             h - 2 * band - 2 * int(c.ratio));
            EXPECT_GE(distance(meanOf(up, face), meanOf(down, face)), 30)
                << "down and up share one face";
            // Sunken: the shade falls on the top edge, the light on the bottom
            // (the device row in the middle of the second logical row from
            // either end).
            const auto row = [&](double Logical) { return int((Logical + 0.5) * c.ratio); };
            const QRect top(band, row(1), w - 2 * band, 1);
            const QRect bottom(band, row(b->height() - 2), w - 2 * band, 1);
            EXPECT_LT(lightness(meanOf(down, top)), lightness(meanOf(down, bottom)));
            EXPECT_GE(lightness(meanOf(up, top)), lightness(meanOf(up, bottom)));
            // The caption stays readable on the down face.
            const QRgb downFace = meanOf(down, face);
            int contrast = 0;
            for (int y = h / 4; y < 3 * h / 4; ++y)
                for (int x = w / 4; x < 3 * w / 4; ++x)
                    contrast = std::max(
                        contrast, std::abs(lightness(down.pixel(x, y)) - lightness(downFace)));
            EXPECT_GE(contrast, 110);
        }
    }
    toolsFrame->setPalette(QPalette());
}

TEST_F(ToolsUiFixture, SprayTimerRunsWhileTheButtonIsDown) {
    choose(SprayTag);
    setForeground(0xFF00FF00);
    press(QPoint(10, 10));
    EXPECT_TRUE(tools().sprayTimerRunning());
    // Each tick's dots close in on the centre, which the first tick reaches.
    for (int i = 0; i < 200 && session.CleanBitmap().GetPixel(10, 10) == 0; ++i)
        QTest::qWait(10);
    release(QPoint(10, 10));
    EXPECT_FALSE(tools().sprayTimerRunning());
    EXPECT_EQ(session.CleanBitmap().GetPixel(10, 10), 0xFF00FF00u);
    EXPECT_TRUE(session.commandStates().UndoA);
}

TEST_F(ToolsUiFixture, HotSpotToolMovesTheHotSpot) {
    choose(HotSpotTag);
    click(QPoint(7, 9));
    EXPECT_EQ(session.ActiveImage().HotSpotX, 7);
    EXPECT_EQ(session.ActiveImage().HotSpotY, 9);
    EXPECT_TRUE(session.document().Modified);
    choose(PenTag);
    EXPECT_FALSE(parts.Work->hotSpotMarkerRunning());
}

TEST_F(ToolsUiFixture, UpDownsSetTheToolOptions) {
    const ToolOptions& o = tools().options();
    const struct {
        const char* Name;
        int Value;
        const int* Field;
    } cases[] = {
        {"ErWUP", 7, &o.EraserWidth},    {"ErHUP", 9, &o.EraserHeight},
        {"SprayUP", 12, &o.SprayRadius}, {"xup", 6, &o.RoundWidth},
        {"yup", 4, &o.RoundHeight},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.Name);
        auto* spin = parts.OpsPanel->findChild<QSpinBox*>(QLatin1String(c.Name));
        ASSERT_NE(spin, nullptr);
        spin->setValue(c.Value);
        EXPECT_EQ(*c.Field, c.Value);
    }
    auto* erw = parts.OpsPanel->findChild<QSpinBox*>(QStringLiteral("ErWUP"));
    erw->setValue(1);
    EXPECT_EQ(o.EraserWidth, 2);
    auto* angle = parts.OpsPanel->findChild<QSpinBox*>(QStringLiteral("AngUP"));
    EXPECT_EQ(angle->singleStep(), 5);
    EXPECT_EQ(angle->maximum(), 179);
    angle->setValue(45);
    EXPECT_EQ(tools().fillOptions().Angle, 45);
}

TEST_F(ToolsUiFixture, BrushEditorTogglesCellsAndTakesPresets) {
    BrushShapeEditor* brusI = ui->optionPanels().BrusI();
    const BrushShape& shape = tools().options().Brush;
    ASSERT_TRUE(shape.contains(0, 0));
    QTest::mouseClick(brusI, Qt::LeftButton, {}, QPoint(17, 17)); // cell (0, 0)
    EXPECT_FALSE(shape.contains(0, 0));
    QTest::mouseClick(brusI, Qt::LeftButton, {}, QPoint(32, 2)); // cell (3, -3)
    EXPECT_TRUE(shape.contains(3, -3));
    QTest::mouseClick(brusI, Qt::LeftButton, {}, QPoint(15, 17)); // a grid line
    EXPECT_FALSE(shape.contains(0, 0));

    parts.OpsPanel->findChild<QToolButton*>(QStringLiteral("Brush4"))->click();
    EXPECT_EQ(shape, BrushShape::preset(4));
    EXPECT_EQ(brusI->grab().toImage().pixel(2, 2), qRgb(255, 255, 255));
    EXPECT_EQ(brusI->grab().toImage().pixel(17, 7), qRgb(0x80, 0x80, 0x80));
}

TEST_F(ToolsUiFixture, TextPanelPreviewsTheTextAndChoosesTheFont) {
    choose(TextTag);
    hover(QPoint(16, 16));
    EXPECT_FALSE(session.WorkBitmap().samePixels(session.CleanBitmap()));
    const TBitmap32 preview = session.WorkBitmap();
    auto* txt = parts.OpsPanel->findChild<QLineEdit*>(QStringLiteral("txt"));
    ASSERT_NE(txt, nullptr);
    EXPECT_EQ(txt->text(), QStringLiteral("Text"));
    txt->setText(QStringLiteral("Wide words"));
    EXPECT_FALSE(session.WorkBitmap().samePixels(preview));
    EXPECT_TRUE(session.CleanBitmap().samePixels(TBitmap32(32, 32)));

    QFont chosen(QStringLiteral("DejaVu Sans"));
    chosen.setPointSize(14);
    chosen.setBold(true);
    prompts.fontAnswer(chosen);
    parts.OpsPanel->findChild<QPushButton*>(QStringLiteral("FontBtn"))->click();
    EXPECT_EQ(session.textFont().pointSize(), 14);
    EXPECT_TRUE(session.textFont().bold());
    EXPECT_EQ(tools().options().Font.pointSize(), 14);
}

TEST_F(ToolsUiFixture, GradientBarAddsDragsRecoloursAndDeletesStops) {
    choose(PatilTag);
    GradientBarPanel* graP = ui->optionPanels().GraP();
    GradientModel& model = tools().fillOptions().Gradient;
    QSignalSpy readouts(ui.get(), &ToolsUi::readout);

    sendMouse(graP->GraBox(), QEvent::MouseMove, QPoint(150, 20), Qt::NoButton, Qt::NoButton);
    ASSERT_FALSE(readouts.isEmpty());
    EXPECT_EQ(readouts.last().at(0).toInt(), 1);
    EXPECT_EQ(readouts.last().at(1).toString(), QStringLiteral("75 %"));

    setForeground(0xFFFF0000); // blue
    QTest::mouseClick(graP->GraBox(), Qt::LeftButton, {}, QPoint(100, 20));
    ASSERT_EQ(model.stops().size(), 1u);
    const GradientModel::Stop stop = model.stops().front();
    EXPECT_EQ(stop.left, 100);
    EXPECT_EQ(stop.colour, 0xFFFF0000u);
    QWidget* marker = graP->marker(stop.id);
    ASSERT_NE(marker, nullptr);
    EXPECT_EQ(marker->geometry(), QRect(100, 10, 4, 20));
    EXPECT_EQ(marker->toolTip(), QStringLiteral("A=255, R=0, G=0, B=255"));
    EXPECT_EQ(graP->gradientBar().pixel(stop.position(), 20), qRgb(0, 0, 255));

    // Dragged far right it stops at position 199; the release keeps its colour.
    setForeground(0xFF00FF00);
    QTest::mousePress(marker, Qt::LeftButton, {}, QPoint(2, 5));
    sendMouse(marker, QEvent::MouseMove, QPoint(300, 5), Qt::NoButton, Qt::LeftButton);
    QTest::mouseRelease(marker, Qt::LeftButton, {}, QPoint(300, 5));
    EXPECT_EQ(model.stops().front().position(), 199);
    EXPECT_EQ(readouts.last().at(1).toString(), QStringLiteral("99 %"));
    EXPECT_EQ(model.stops().front().colour, 0xFFFF0000u);
    EXPECT_EQ(marker->x(), 197);

    // A right click gives it the background colour and opens GrPop.
    QTest::mousePress(marker, Qt::RightButton, {}, QPoint(2, 5));
    QTest::mouseRelease(marker, Qt::RightButton, {}, QPoint(2, 5));
    EXPECT_EQ(model.stops().front().colour, session.BackgroundColor32());
    QMenu* popup = graP->GrPop();
    EXPECT_TRUE(popup->isVisible());
    QAction* remove = popup->actions().at(1);
    EXPECT_EQ(popup->actions().at(0)->text(), QStringLiteral("Set Color"));
    EXPECT_EQ(remove->text(), QStringLiteral("Delete"));
    popup->hide();
    remove->trigger();
    EXPECT_TRUE(model.stops().empty());
    EXPECT_EQ(graP->marker(stop.id), nullptr);
}
