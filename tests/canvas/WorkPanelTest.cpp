#include "ScriptedPrompter.h"
#include "canvas/ui/WorkPanelParts.h"
#include "canvas/ui/WorkView.h"
#include "session/EditSession.h"

#include <QFrame>
#include <QVBoxLayout>
#include <gtest/gtest.h>

namespace {

const QString DataDir = QStringLiteral(BRISEL_DATA_DIR "/");

QRgb rgb(TColor C) {
    return qRgb(RedOf(C), GreenOf(C), BlueOf(C));
}

bool hasColour(const QImage& Image, QRgb Colour) {
    for (int y = 0; y < Image.height(); ++y)
        for (int x = 0; x < Image.width(); ++x)
            if (Image.pixel(x, y) == Colour) return true;
    return false;
}

} // namespace

// The work panel as the main window builds it, showing a real session.
struct WorkPanelFixture : testing::Test {
    ScriptedPrompter prompts;
    EditSession session{prompts, DataDir};
    QFrame panel;
    WorkPanelParts parts;

    void SetUp() override {
        auto* layout = new QVBoxLayout(&panel);
        layout->setContentsMargins(0, 0, 0, 0);
        parts = buildWorkPanel(&panel);
        connectWorkView(parts.Work, session);
        // Room for Work at its design size, 369 x 367.
        panel.resize(8 + 369 + 8, 8 + 367 + 8 + 57);
        session.NewAExecute(true);
        panel.grab();
    }
};

TEST_F(WorkPanelFixture, WorkSitsAtItsPlaceAboveTheOptionPanel) {
    EXPECT_EQ(parts.Work->objectName(), QStringLiteral("Work"));
    EXPECT_EQ(parts.Work->mapTo(&panel, QPoint(0, 0)), QPoint(8, 8));
    EXPECT_EQ(parts.Work->size(), QSize(369, 367));
    EXPECT_EQ(parts.OpsPanel->objectName(), QStringLiteral("OpsPanel"));
    EXPECT_EQ(parts.OpsPanel->geometry(), QRect(0, 8 + 367 + 8, 385, 57));
    // The untitled image: all transparent, grey grid, zoomed to the height.
    EXPECT_DOUBLE_EQ(parts.Work->zoom().ZoomX, 11.46875);
    const QImage& view = parts.Work->viewBuffer();
    EXPECT_EQ(view.pixel(5, 5), rgb(0xD2BB6A));
    EXPECT_EQ(view.pixel(11, 5), rgb(0x808080));

    panel.resize(panel.width() + 100, panel.height() + 50);
    panel.grab();
    EXPECT_EQ(parts.Work->size(), QSize(469, 417));
    EXPECT_DOUBLE_EQ(parts.Work->zoom().ZoomX, 417.0 / 32);
}

TEST_F(WorkPanelFixture, GridAndAlphaRangeRedrawAtOnceWithoutTouchingPixels) {
    session.ActiveImage().Format = 24;
    session.WorkBitmap().SetPixel(0, 0, 0x640000FF); // alpha 100: shown at TraRange 100
    const TBitmap32 before = session.WorkBitmap();
    const QImage& view = parts.Work->viewBuffer();

    session.setGridShown(false);
    EXPECT_FALSE(hasColour(view, rgb(0x808080)));
    session.setGridShown(true);
    EXPECT_TRUE(hasColour(view, rgb(0x808080)));
    EXPECT_EQ(view.pixel(5, 5), qRgb(255, 0, 0));

    session.setTraRange(101);
    EXPECT_EQ(view.pixel(5, 5), rgb(0xD2BB6A));
    session.setDisplayColors(0x00FF00, 0x72B0CB, 0x0000FF);
    EXPECT_EQ(view.pixel(5, 5), qRgb(0, 255, 0));
    EXPECT_EQ(view.pixel(11, 5), qRgb(255, 0, 0));
    EXPECT_TRUE(session.WorkBitmap().samePixels(before));
}
