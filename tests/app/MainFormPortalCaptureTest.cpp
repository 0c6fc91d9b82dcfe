// The capture where the desktop hands out the screen (a Wayland session):
// the window asks only when a portal is there, is never left hidden, and the
// frame over the frozen screen takes exactly what it frames.

#include "MainFormTestSupport.h"
#include "canvas/tools/ToolInfo.h"
#include "session/SessionTools.h"
#include "widgets/CaptureFrame.h"
#include "widgets/FrozenScreenForm.h"
#include "widgets/ScreenshotPortal.h"

#include <QGuiApplication>
#include <QMouseEvent>
#include <QScreen>
#include <QTest>

namespace {

// A portal the test answers by hand.
struct ScriptedPortal : ScreenshotPortal {
    bool there = true;
    int asked = 0;
    std::function<void(const QImage&)> pending;
    bool available() const override { return there; }
    void requestScreenshot(std::function<void(const QImage&)> Done) override {
        ++asked;
        pending = std::move(Done);
    }
    void answer(const QImage& Picture) {
        auto done = std::move(pending);
        pending = nullptr;
        done(Picture);
    }
};

// The pointer moves over W, as the desktop reports it.
void moveTo(QWidget* W, QPoint At) {
    QMouseEvent e(QEvent::MouseMove, At, W->mapToGlobal(At), Qt::NoButton, Qt::NoButton,
                  Qt::NoModifier);
    QCoreApplication::sendEvent(W, &e);
}

QSize screenSize() {
    return QGuiApplication::primaryScreen()->geometry().size();
}

// Every pixel tells where it is; Scale device pixels per logical pixel, each
// logical pixel one flat block.
QImage knownScreen(QSize Logical, int Scale = 1) {
    QImage p(Logical * Scale, QImage::Format_RGB32);
    for (int y = 0; y < p.height(); ++y)
        for (int x = 0; x < p.width(); ++x) {
            const int lx = x / Scale, ly = y / Scale;
            p.setPixel(x, y,
                       qRgb(lx & 255, ly & 255, (lx / 256 * 64 + ly / 256 * 16 + lx + ly) & 255));
        }
    return p;
}

TColor32 opaque(QRgb P) {
    return Color32(255, qRed(P), qGreen(P), qBlue(P));
}

class PortalCapture : public MainFormTest {
protected:
    TMainForm& shown() {
        TMainForm& f = form();
        f.setScreenshotPortal(&portal);
        f.show();
        return f;
    }
    // photoClick, then the moment the window waits before it asks.
    void askFor(TMainForm& F) {
        const int before = portal.asked;
        F.photoClick();
        ASSERT_TRUE(QTest::qWaitFor([&] { return portal.asked > before; }, 2000));
    }
    ScriptedPortal portal;
};

} // namespace

TEST_F(PortalCapture, WithoutAPortalTheMessageComesAtOnceAndTheWindowStays) {
    portal.there = false;
    TMainForm& f = shown();
    prompts.answer(MessageAnswer::OK);
    f.photoClick();
    ASSERT_EQ(prompts.messages.size(), 1u);
    EXPECT_EQ(prompts.messages[0].Text, QStringLiteral("The screen cannot be captured here."));
    EXPECT_TRUE(f.isVisible());
    QTest::qWait(200);
    EXPECT_EQ(portal.asked, 0);
    EXPECT_TRUE(f.isVisible());
}

// A refusal, a failure or silence (the portal answers null after its own
// time limit) all end the same way: the message, and the window back.
TEST_F(PortalCapture, NoPictureBringsTheWindowBackWithTheMessage) {
    TMainForm& f = shown();
    askFor(f);
    EXPECT_FALSE(f.isVisible()) << "hidden while the desktop takes its picture";
    EXPECT_TRUE(prompts.messages.empty());
    prompts.answer(MessageAnswer::OK);
    portal.answer(QImage());
    EXPECT_TRUE(f.isVisible());
    ASSERT_EQ(prompts.messages.size(), 1u);
    EXPECT_EQ(prompts.messages[0].Text, QStringLiteral("The screen cannot be captured here."));
    EXPECT_TRUE(f.frozenScreenForm() == nullptr || !f.frozenScreenForm()->isVisible());
    EXPECT_EQ(f.session().floatingSelection(), nullptr);

    // And the next click asks again.
    askFor(f);
    EXPECT_EQ(portal.asked, 2);
    prompts.answer(MessageAnswer::OK);
    portal.answer(QImage());
}

struct CaptureCase {
    const char* name;
    int scale;      // device pixels per logical pixel in the handed picture
    QPoint pointer; // where the pointer goes on the frozen screen
    Qt::MouseButton button;
};

TEST_F(PortalCapture, TheFrameOverTheFrozenScreenTakesWhatItFrames) {
    const QSize logical = screenSize();
    const CaptureCase cases[] = {
        {"left click", 1, QPoint(300, 200), Qt::LeftButton},
        {"picture in device pixels", 2, QPoint(123, 77), Qt::LeftButton},
        {"near the top-left corner", 1, QPoint(5, 3), Qt::LeftButton},
        {"right click cancels", 1, QPoint(300, 200), Qt::RightButton},
        {"middle click cancels", 1, QPoint(300, 200), Qt::MiddleButton},
    };
    for (const CaptureCase& c : cases) {
        SCOPED_TRACE(c.name);
        m_form.reset();
        portal = ScriptedPortal();
        TMainForm& f = shown();
        askFor(f);
        const QImage handed = knownScreen(logical, c.scale);
        portal.answer(handed);
        FrozenScreenForm* frozen = f.frozenScreenForm();
        ASSERT_NE(frozen, nullptr);
        EXPECT_TRUE(frozen->isVisible());
        EXPECT_FALSE(f.isVisible());
        EXPECT_EQ(frozen->screenPicture().size(), frozen->size());
        EXPECT_EQ(frozen->toolTip(), QStringLiteral("Click to capture or right click to cancel"));

        moveTo(frozen, c.pointer);
        EXPECT_EQ(frozen->frame(), captureFrameAt(c.pointer, QSize(32, 32)));
        QTest::mouseClick(frozen, c.button, Qt::NoModifier, c.pointer);
        EXPECT_FALSE(frozen->isVisible());
        EXPECT_TRUE(f.isVisible());
        EXPECT_TRUE(prompts.messages.empty());

        const FloatingSelection* taken = f.session().floatingSelection();
        if (c.button != Qt::LeftButton) {
            EXPECT_EQ(taken, nullptr);
            EXPECT_EQ(f.session().tools().CurrentTool(), PenTag);
            continue;
        }
        ASSERT_NE(taken, nullptr);
        EXPECT_EQ(taken->SelectionRect(), TRect(0, 0, 32, 32));
        EXPECT_EQ(f.session().tools().CurrentTool(), SelectTag);
        const QImage expected = knownScreen(logical);
        const QPoint inside = captureInside(captureFrameAt(c.pointer, QSize(32, 32))).topLeft();
        for (int y = 0; y < 32; ++y)
            for (int x = 0; x < 32; ++x) {
                const QPoint s = inside + QPoint(x, y);
                // Past the screen's edge the frame holds black.
                const TColor32 want = QRect(QPoint(), logical).contains(s)
                                          ? opaque(expected.pixel(s))
                                          : Color32(255, 0, 0, 0);
                ASSERT_EQ(taken->Pixels.GetPixel(x, y), want) << x << "," << y;
            }
    }
}

TEST_F(PortalCapture, EscapeOnTheFrozenScreenCancels) {
    TMainForm& f = shown();
    askFor(f);
    portal.answer(knownScreen(screenSize()));
    FrozenScreenForm* frozen = f.frozenScreenForm();
    ASSERT_NE(frozen, nullptr);
    QTest::keyClick(frozen, Qt::Key_Escape);
    EXPECT_FALSE(frozen->isVisible());
    EXPECT_TRUE(f.isVisible());
    EXPECT_EQ(f.session().floatingSelection(), nullptr);
}
