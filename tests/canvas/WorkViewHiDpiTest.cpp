#include "canvas/ui/WorkView.h"

#include <QCoreApplication>
#include <QMouseEvent>
#include <gtest/gtest.h>
#include <set>

namespace {

// The whole program runs at device pixel ratio 2, as on a high-density
// screen; this has to be in place before main() creates the application.
const bool s_doubleDensity = qputenv("QT_SCALE_FACTOR", "2");

constexpr TColor GridColor = 0x808080;

} // namespace

TEST(WorkViewHiDpi, StaysSharpAtDoubleDensity) {
    ASSERT_TRUE(s_doubleDensity);
    TBitmap32 work(10, 10);
    for (int y = 0; y < 10; ++y)
        for (int x = 0; x < 10; ++x)
            work.SetPixel(x, y, (x + y) % 2 ? 0xFFFF0000 : 0xFF0000FF); // red first

    WorkView view;
    view.resize(100, 100);
    view.setSceneSource([&] {
        WorkViewScene s;
        s.WorkBitmap = &work;
        return s;
    });
    view.renderWorkView();
    ASSERT_DOUBLE_EQ(view.devicePixelRatioF(), 2.0);
    // Twenty device pixels per image pixel: the zoom counts device pixels.
    EXPECT_DOUBLE_EQ(view.zoom().ZoomX, 20.0);

    const QImage shot = view.grab().toImage().convertToFormat(QImage::Format_RGB32);
    ASSERT_EQ(shot.size(), QSize(200, 200));
    const QRgb red = qRgb(255, 0, 0), blue = qRgb(0, 0, 255);
    const QRgb grid = qRgb(RedOf(GridColor), GreenOf(GridColor), BlueOf(GridColor));
    // No smoothing anywhere: only the two colours and the grid.
    std::set<QRgb> seen;
    for (int y = 0; y < 200; ++y)
        for (int x = 0; x < 200; ++x)
            seen.insert(shot.pixel(x, y));
    EXPECT_EQ(seen, (std::set<QRgb>{red, blue, grid}));
    // Grid lines one device pixel wide, at every twentieth column and row.
    EXPECT_EQ(shot.pixel(19, 5), red);
    EXPECT_EQ(shot.pixel(20, 5), grid);
    EXPECT_EQ(shot.pixel(21, 5), blue);
    EXPECT_EQ(shot.pixel(5, 39), blue);
    EXPECT_EQ(shot.pixel(5, 40), grid);
    EXPECT_EQ(shot.pixel(5, 41), red);

    // Logical mouse positions map through device pixels.
    QPoint pixel(-1, -1);
    QObject::connect(&view, &WorkView::workMouseMove, [&](QPoint P, WorkShift) { pixel = P; });
    QMouseEvent move(QEvent::MouseMove, QPointF(10.5, 50.2), view.mapToGlobal(QPointF(10.5, 50.2)),
                     Qt::NoButton, Qt::NoButton, Qt::NoModifier);
    QCoreApplication::sendEvent(&view, &move);
    EXPECT_EQ(pixel, QPoint(1, 5));
}
