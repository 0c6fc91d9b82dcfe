#include "canvas/ui/WorkView.h"

#include "pixel/Random.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QMouseEvent>
#include <gtest/gtest.h>

namespace {

constexpr TColor GridColor = 0x808080, TraColor = 0xD2BB6A;

QRgb rgb(TColor C) {
    return qRgb(RedOf(C), GreenOf(C), BlueOf(C));
}

// A work view inside a panel of its own colour, showing a bitmap of ours.
struct ViewFixture : testing::Test {
    QWidget panel;
    WorkView* view = new WorkView(&panel);
    TBitmap32 work;
    TBitmap32 clean;
    std::optional<FloatingSelectionOverlay> selection;
    QPoint hotSpot;

    void show(int W, int H, QSize PaintSize) {
        work = TBitmap32(W, H);
        clean = work;
        QPalette p = panel.palette();
        p.setColor(QPalette::Window, QColor(255, 0, 255));
        panel.setPalette(p);
        panel.setAutoFillBackground(true);
        panel.resize(PaintSize);
        view->setGeometry(QRect(QPoint(0, 0), PaintSize));
        view->setSceneSource([this] {
            WorkViewScene s;
            s.WorkBitmap = &work;
            s.CleanBitmap = &clean;
            s.Selection = selection;
            s.HotSpot = hotSpot;
            return s;
        });
        view->renderWorkView();
        // Deliver the pending resize now, so its repaint cannot wipe what a
        // test draws next.
        grab();
    }

    QImage grab() { return panel.grab().toImage().convertToFormat(QImage::Format_RGB32); }

    void send(QEvent::Type Type, QPointF At, Qt::MouseButton Button, Qt::MouseButtons Held,
              Qt::KeyboardModifiers Keys = Qt::NoModifier) {
        QMouseEvent e(Type, At, view->mapToGlobal(At), Button, Held, Keys);
        QCoreApplication::sendEvent(view, &e);
    }
};

} // namespace

TEST_F(ViewFixture, FitsThePaintBoxAndShowsThePanelBeside) {
    show(32, 32, QSize(369, 367));
    EXPECT_DOUBLE_EQ(view->zoom().ZoomX, 11.46875);
    EXPECT_EQ(view->viewBuffer().size(), QSize(367, 367));

    show(40, 32, QSize(400, 300));
    work.Bits.assign(work.Bits.size(), 0xFFFF0000); // opaque blue
    view->renderWorkView();
    const QImage shot = grab();
    EXPECT_EQ(shot.pixel(5, 5), rgb(0xFF0000));
    EXPECT_EQ(shot.pixel(9, 5), rgb(GridColor));
    EXPECT_EQ(shot.pixel(374, 299), rgb(0xFF0000));
    EXPECT_EQ(shot.pixel(375, 100), qRgb(255, 0, 255));
    EXPECT_EQ(shot.pixel(399, 299), qRgb(255, 0, 255));
}

TEST_F(ViewFixture, MouseEventsArriveAsPixels) {
    show(10, 10, QSize(100, 100));
    std::vector<std::string> log;
    QString pixelText, dragText = "unset";
    auto pt = [](QPoint P) { return std::to_string(P.x()) + "," + std::to_string(P.y()); };
    QObject::connect(view, &WorkView::workMouseDown, [&](QPoint P, WorkButton B, WorkShift S) {
        log.push_back("down " + pt(P) + (B == WorkButton::Left ? " left" : " other") +
                      (S.Shift ? " shift" : "") + (S.Left ? " held" : "") +
                      (S.Double ? " double" : ""));
    });
    QObject::connect(view, &WorkView::workMouseMove, [&](QPoint P, WorkShift S) {
        log.push_back("move " + pt(P) + (S.Left ? " held" : ""));
    });
    QObject::connect(view, &WorkView::workMouseUp, [&](QPoint P, WorkButton B, WorkShift S) {
        log.push_back("up " + pt(P) + (B == WorkButton::Right ? " right" : " other") +
                      (S.Right ? " held" : ""));
    });
    QObject::connect(view, &WorkView::workDblClick,
                     [&](QPoint P) { log.push_back("dbl " + pt(P)); });
    QObject::connect(view, &WorkView::pixelReadoutChanged,
                     [&](const QString& T) { pixelText = T; });
    QObject::connect(view, &WorkView::dragReadoutChanged, [&](const QString& T) { dragText = T; });

    // 5 screen pixels left of the image still reads column 0.
    send(QEvent::MouseMove, {-5, 23}, Qt::NoButton, Qt::NoButton);
    EXPECT_EQ(pixelText, "0,2");
    EXPECT_EQ(dragText, "unset");

    send(QEvent::MouseButtonPress, {-5, 23}, Qt::LeftButton, Qt::LeftButton, Qt::ShiftModifier);
    send(QEvent::MouseMove, {37, 55.5}, Qt::NoButton, Qt::LeftButton);
    EXPECT_EQ(pixelText, "3,5");
    EXPECT_EQ(dragText, "3,3");
    send(QEvent::MouseMove, {-25, 5}, Qt::NoButton, Qt::LeftButton);
    EXPECT_EQ(pixelText, "-2,0");
    EXPECT_EQ(dragText, "-2,-2");
    send(QEvent::MouseButtonRelease, {-25, 5}, Qt::LeftButton, Qt::NoButton);
    EXPECT_EQ(dragText, "");

    send(QEvent::MouseButtonPress, {99, 99}, Qt::RightButton, Qt::RightButton);
    send(QEvent::MouseButtonRelease, {99, 99}, Qt::RightButton, Qt::NoButton);
    send(QEvent::MouseButtonDblClick, {99, 99}, Qt::LeftButton, Qt::LeftButton);

    EXPECT_EQ(log,
              (std::vector<std::string>{"move 0,2", "down 0,2 left shift held", "move 3,5 held",
                                        "move -2,0 held", "up -2,0 other", "down 9,9 other",
                                        "up 9,9 right", "dbl 9,9", "down 9,9 left held double"}));
}

TEST_F(ViewFixture, HotSpotMarkerFlickersUntilTheNextRender) {
    show(10, 10, QSize(100, 100));
    hotSpot = QPoint(2, 3);
    // The marker draws from the program's random numbers, reseeded from the
    // clock each tick; a fixed clock makes the colour known.
    setRandomClock([] { return 2024u; });
    view->hotTimTimer();
    Randomize();
    const int red = Random(255), green = Random(255), blue = Random(255);
    setRandomClock({});
    QImage shot = grab();
    // CellRect(2, 3) is (21, 31) to (30, 40), one pixel inside the grid lines.
    for (int y = 31; y < 40; ++y)
        for (int x = 21; x < 30; ++x)
            ASSERT_EQ(shot.pixel(x, y), qRgb(red, green, blue)) << x << "," << y;
    EXPECT_EQ(shot.pixel(20, 35), rgb(GridColor));
    EXPECT_EQ(shot.pixel(30, 35), rgb(GridColor));

    view->renderWorkView();
    shot = grab();
    EXPECT_EQ(shot.pixel(25, 35), rgb(TraColor));

    view->setHotSpotMarkerEnabled(true);
    EXPECT_TRUE(view->hotSpotMarkerRunning());
    view->setHotSpotMarkerEnabled(false);
    EXPECT_FALSE(view->hotSpotMarkerRunning());
}

TEST_F(ViewFixture, SelectionFrameMarchesOverTheLaidInSelection) {
    show(10, 10, QSize(100, 100));
    TBitmap32 floating(1, 1);
    floating.Bits = {0xFF0000FF}; // red, stretched over 3 x 3 image pixels
    work.Blend = false;
    work.Bits[0] = 0xFF00FF00; // an unfinished preview: replaced by the clean copy
    selection = FloatingSelectionOverlay{&floating, TRect(4, 4, 7, 7)};
    view->renderWorkView();
    EXPECT_EQ(work.GetPixel(0, 0), 0u);
    EXPECT_EQ(work.GetPixel(6, 5), 0xFF0000FFu);
    EXPECT_EQ(work.GetPixel(7, 5), 0u);

    view->selTimTimer();
    EXPECT_EQ(view->selectionFramePhase(), 1);
    QImage shot = grab();
    EXPECT_EQ(shot.pixel(45, 45), qRgb(255, 255, 255)); // first cell, phase 0: white
    EXPECT_EQ(shot.pixel(55, 45), qRgb(0, 0, 0));
    EXPECT_EQ(shot.pixel(55, 55), qRgb(255, 0, 0)); // inside the frame: the selection

    view->selTimTimer();
    EXPECT_EQ(view->selectionFramePhase(), 0);
    shot = grab();
    EXPECT_EQ(shot.pixel(45, 45), qRgb(0, 0, 0));

    view->renderWorkView();
    EXPECT_EQ(grab().pixel(45, 45), qRgb(255, 0, 0));
}

TEST_F(ViewFixture, DelayedRepaintFiresOnce) {
    show(4, 4, QSize(40, 40));
    view->startDelayedRepaint();
    EXPECT_TRUE(view->delayedRepaintPending());
    work.Bits.assign(work.Bits.size(), 0xFF000000);
    QElapsedTimer clock;
    clock.start();
    while (view->delayedRepaintPending() && clock.elapsed() < 5000)
        QCoreApplication::processEvents(QEventLoop::AllEvents, 20);
    EXPECT_FALSE(view->delayedRepaintPending());
    EXPECT_EQ(view->viewBuffer().pixel(1, 1), qRgb(0, 0, 0));
}
