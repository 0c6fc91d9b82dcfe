// A brush drag on the largest image as the window runs it: the mouse move
// reaches the work view, the session's tools reset, preview, stamp and commit,
// and the work view renders the 255 x 255 image into a 1000 x 1000 paint box.

#include "canvas/tools/ToolInfo.h"
#include "canvas/ui/WorkPanelParts.h"
#include "canvas/ui/WorkView.h"
#include "images/NewIconOptions.h"
#include "SilentPrompter.h"
#include "session/EditSession.h"
#include "session/SessionTools.h"

#include <QApplication>
#include <QMouseEvent>
#include <benchmark/benchmark.h>

namespace {

struct BrushDrag {
    SilentPrompter prompts;
    EditSession session{prompts, QStringLiteral(BRISEL_DATA_DIR "/")};
    WorkView work;

    BrushDrag(bool Anti) {
        connectWorkView(&work, session);
        session.NewAExecute(true);
        session.appendNewImage(NewIconChoice{255, 255, 32});
        // Every alpha, so every branch of the display rule runs.
        std::uint32_t seed = 12345;
        for (TColor32& p : session.CleanBitmap().Bits) {
            seed = seed * 134775813u + 1u;
            p = seed;
        }
        session.WorkBitmap().Assign(session.CleanBitmap());
        SessionTools& tools = session.tools();
        tools.options().Anti = Anti;
        tools.options().Brush = BrushShape::preset(4);
        tools.controller().freeClick(BrushTag);
        session.setForegroundColor32(0x80204080u);
        wireTools(tools);
        work.resize(1000, 1000);
        work.show();
        work.renderWorkView();
    }
    void wireTools(SessionTools& Tools) {
        connectWorkMouse(&work, Tools.controller(), &Tools);
    }
    void send(QEvent::Type Type, QPoint Pixel, Qt::MouseButtons Held) {
        const double zoom = work.zoom().ZoomX / work.devicePixelRatioF();
        const QPointF p((Pixel.x() + 0.5) * zoom, (Pixel.y() + 0.5) * zoom);
        const Qt::MouseButton button = Type == QEvent::MouseMove ? Qt::NoButton : Qt::LeftButton;
        QMouseEvent e(Type, p, work.mapToGlobal(p), button, Held, Qt::NoModifier);
        QApplication::sendEvent(&work, &e);
    }
};

// A drag that keeps moving 3 pixels per event along a diagonal, to and fro.
void brushMoves(benchmark::State& State, bool Repaint) {
    BrushDrag drag(State.range(0) != 0);
    drag.send(QEvent::MouseButtonPress, QPoint(10, 10), Qt::LeftButton);
    int pos = 10, step = 3;
    for (auto _ : State) {
        pos += step;
        if (pos > 240 || pos < 10) step = -step;
        drag.send(QEvent::MouseMove, QPoint(pos, pos / 2 + 20), Qt::LeftButton);
        if (Repaint) drag.work.repaint();
        benchmark::DoNotOptimize(drag.work.viewBuffer().constBits());
    }
    drag.send(QEvent::MouseButtonRelease, QPoint(pos, pos / 2 + 20), Qt::NoButton);
}

// Argument: 1 with antialiasing, 0 without.
void BM_BrushMoveWithRender(benchmark::State& S) {
    brushMoves(S, false);
}
// The same, and the view painted onto the widget.
void BM_BrushMoveWithRenderAndPaint(benchmark::State& S) {
    brushMoves(S, true);
}

} // namespace

BENCHMARK(BM_BrushMoveWithRender)
    ->Arg(0)
    ->Arg(1)
    ->Unit(benchmark::kMillisecond)
    ->Repetitions(9)
    ->ReportAggregatesOnly(true);
BENCHMARK(BM_BrushMoveWithRenderAndPaint)
    ->Arg(1)
    ->Unit(benchmark::kMillisecond)
    ->Repetitions(9)
    ->ReportAggregatesOnly(true);

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
