#include "MainFormTestSupport.h"
#include "app/ui/QtClipboard.h"
#include "canvas/tools/ToolInfo.h"
#include "canvas/ui/ToolsPanel.h"
#include "canvas/ui/ToolsUi.h"
#include "images/NewIconOptions.h"
#include "session/SessionTools.h"
#include "widgets/CapForm.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QMimeData>
#include <QTest>
#include <QToolButton>
#include <algorithm>

namespace {

// A known screen and a pointer the test moves.
struct KnownScreen : ScreenGrabber {
    QImage picture;
    QPoint pointer;
    int grabs = 0;
    QImage grabPrimaryScreen() override {
        ++grabs;
        return picture;
    }
    QPoint pointerPosition() const override { return pointer; }
};

QImage knownScreen() {
    QImage p(200, 150, QImage::Format_RGB32);
    for (int y = 0; y < p.height(); ++y)
        for (int x = 0; x < p.width(); ++x)
            p.setPixel(x, y, qRgb(x, y, (x * 3 + y) & 255));
    return p;
}

TColor32 screenAt(const QImage& Screen, int X, int Y) {
    const QRgb p = Screen.pixel(X, Y);
    return Color32(255, qRed(p), qGreen(p), qBlue(p));
}

} // namespace

// Copy reaches the desktop's clipboard as PNG with alpha, and Paste follows
// what is there.
TEST_F(MainFormTest, EditCommandsUseTheDesktopClipboard) {
    QGuiApplication::clipboard()->clear();
    TMainForm& f = form();
    QAction* paste = f.commands().action(QStringLiteral("PasteA"));
    EXPECT_FALSE(paste->isEnabled());
    for (const char* name : {"CutA", "CopyA", "Clear2"})
        EXPECT_TRUE(f.commands().action(QLatin1String(name))->isEnabled()) << name;

    EditSession& s = f.session();
    s.WorkBitmap().SetPixel(3, 4, 0x80102030u);
    s.commit();
    f.commands().action(QStringLiteral("CopyA"))->trigger();
    const QMimeData* data = QGuiApplication::clipboard()->mimeData();
    ASSERT_NE(data, nullptr);
    ASSERT_TRUE(data->hasFormat(QStringLiteral("image/png")));
    EXPECT_TRUE(data->hasImage());
    const QImage png = QImage::fromData(data->data(QStringLiteral("image/png")), "PNG");
    ASSERT_EQ(png.size(), QSize(32, 32));
    EXPECT_EQ(png.pixel(3, 4), qRgba(0x30, 0x20, 0x10, 0x80));
    EXPECT_TRUE(paste->isEnabled());

    paste->trigger();
    ASSERT_NE(s.floatingSelection(), nullptr);
    EXPECT_EQ(s.floatingSelection()->Pixels.GetPixel(3, 4), 0x80102030u);
    EXPECT_TRUE(f.toolsUi()->tools().button(SelectTag)->isChecked());

    QGuiApplication::clipboard()->clear();
    EXPECT_FALSE(paste->isEnabled());
}

// The capture window: the image's size plus a black frame, following the
// pointer over a frozen screen; a left click takes the inside as a floating
// selection, any other click changes nothing.
TEST_F(MainFormTest, ScreenCaptureTakesTheFramedArea) {
    TMainForm& f = form();
    KnownScreen screen;
    screen.picture = knownScreen();
    f.setScreenGrabber(&screen);
    f.show();
    f.toolsUi()->tools().button(PhotoTag)->click();
    TCapForm* cap = f.capForm();
    ASSERT_NE(cap, nullptr);
    EXPECT_TRUE(cap->isVisible());
    EXPECT_FALSE(f.isVisible());
    EXPECT_EQ(cap->size(), QSize(34, 34));
    EXPECT_EQ(cap->toolTip(), QStringLiteral("Click to capture or right click to cancel"));
    EXPECT_TRUE(cap->tim2Running());
    EXPECT_EQ(screen.grabs, 0) << "frozen only once the main window is gone";

    cap->Tim2Timer();
    EXPECT_EQ(screen.grabs, 1);
    EXPECT_TRUE(cap->timRunning());
    screen.pointer = QPoint(60, 50);
    cap->TimTimer();
    EXPECT_EQ(cap->framePosition(), QPoint(43, 33));

    // A right click cancels: nothing floats, the tool stays.
    QTest::mouseClick(cap, Qt::RightButton, Qt::NoModifier, QPoint(10, 10));
    EXPECT_FALSE(cap->isVisible());
    EXPECT_TRUE(f.isVisible());
    EXPECT_EQ(f.session().floatingSelection(), nullptr);
    EXPECT_EQ(f.session().tools().CurrentTool(), PenTag);

    f.photoClick();
    cap->Tim2Timer();
    cap->TimTimer();
    QTest::mouseClick(cap, Qt::LeftButton, Qt::NoModifier, QPoint(10, 10));
    EXPECT_TRUE(f.isVisible());
    EXPECT_FALSE(cap->timRunning());
    const FloatingSelection* taken = f.session().floatingSelection();
    ASSERT_NE(taken, nullptr);
    EXPECT_EQ(taken->SelectionRect(), TRect(0, 0, 32, 32));
    EXPECT_TRUE(taken->PastedSelection());
    EXPECT_EQ(f.session().tools().CurrentTool(), SelectTag);
    for (QPoint p : {QPoint(0, 0), QPoint(31, 0), QPoint(5, 17), QPoint(31, 31)})
        EXPECT_EQ(taken->Pixels.GetPixel(p.x(), p.y()),
                  screenAt(screen.picture, 44 + p.x(), 34 + p.y()));

    // Past the screen's edge the frame holds black.
    f.photoClick();
    cap->Tim2Timer();
    screen.pointer = QPoint(0, 0);
    cap->TimTimer();
    QTest::mouseClick(cap, Qt::LeftButton, Qt::NoModifier, QPoint(30, 30));
    taken = f.session().floatingSelection();
    EXPECT_EQ(taken->Pixels.GetPixel(0, 0), Color32(255, 0, 0, 0));
    EXPECT_EQ(taken->Pixels.GetPixel(31, 31), screenAt(screen.picture, 15, 15));
}

// In a 16-colour image every captured pixel is a palette colour, opaque.
TEST_F(MainFormTest, ScreenCaptureInAPaletteImageTakesPaletteColours) {
    TMainForm& f = form();
    KnownScreen screen;
    screen.picture = knownScreen();
    f.setScreenGrabber(&screen);
    f.session().appendNewImage(NewIconChoice{32, 32, 4});
    f.show();
    f.photoClick();
    f.capForm()->Tim2Timer();
    screen.pointer = QPoint(100, 80);
    f.capForm()->TimTimer();
    QTest::mouseClick(f.capForm(), Qt::LeftButton);
    const FloatingSelection* taken = f.session().floatingSelection();
    ASSERT_NE(taken, nullptr);
    const std::vector<TColor> palette = f.session().ActiveImage().Palette.entries();
    for (TColor32 p : taken->Pixels.Bits) {
        ASSERT_EQ(AlphaOf(p), 255);
        ASSERT_NE(std::find(palette.begin(), palette.end(), Color32ToColor(p)), palette.end());
    }
}
