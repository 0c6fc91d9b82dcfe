// The painting tools on the largest image: one mouse-move cycle of the
// freehand tools as the controller runs it (reset, hover preview, drag
// stamps, commit; rendering is the work view's and not included), and the
// antialiased shapes.

#include "canvas/tools/AAShapes.h"
#include "canvas/tools/FillOptions.h"
#include "canvas/tools/ToolController.h"
#include "canvas/tools/ToolInfo.h"
#include "canvas/tools/ToolOptions.h"

#include <QGuiApplication>
#include <benchmark/benchmark.h>

namespace {

constexpr int Side = 255;

class BenchContext : public ToolContext {
public:
    BenchContext() : work(Side, Side), clean(Side, Side) {
        for (std::size_t i = 0; i < work.Bits.size(); ++i)
            work.Bits[i] = 0xFF000000u | TColor32(i * 2654435761u >> 8);
        clean.Assign(work);
    }
    TBitmap32& workBitmap() override { return work; }
    TBitmap32& cleanBitmap() override { return clean; }
    void pushUndo() override {}
    void fitToPalette() override {}
    std::uint8_t imageFormat() const override { return 32; }
    void setHotSpot(QPoint) override {}
    int traRange() const override { return 100; }
    TColor32 foregroundColor32() const override { return 0x80204080u; }
    TColor32 backgroundColor32() const override { return 0xFFFFFFFFu; }
    void setForegroundColor32(TColor32) override {}
    void setBackgroundColor32(TColor32) override {}
    ToolOptions& toolOptions() override { return options; }
    FillOptions& fillOptions() override { return fill; }
    void setWorkHint(const QString&) override {}
    void showExtent(const QString&) override {}
    void renderWorkView() override {}
    void toolSelected(const ToolInfo&) override {}
    void setSprayTimer(bool) override {}

    TBitmap32 work, clean;
    ToolOptions options;
    FillOptions fill;
};

// 0: outline only; 1: solid in the pen colour, as the tools fill; 2: a
// half-transparent interior, every pixel blended.
void fillMode(TBitmap32& B, int Mode) {
    B.Filled = Mode != 0;
    B.PenColor = 0xFF0000FFu;
    B.BrushColor = Mode == 2 ? 0x8000FF00u : B.PenColor;
}

// A drag that keeps moving 3 pixels per event along a diagonal, to and fro.
void dragMoves(benchmark::State& State, int Tag, bool Anti, int BrushPreset) {
    BenchContext ctx;
    ctx.options.Anti = Anti;
    ctx.options.Brush = BrushShape::preset(BrushPreset);
    ctx.options.EraserWidth = ctx.options.EraserHeight = 10;
    ToolController c(ctx);
    c.freeClick(Tag);
    const WorkShift none;
    c.WorkMouseDown(QPoint(10, 10), WorkButton::Left, none);
    int pos = 10, step = 3;
    for (auto _ : State) {
        pos += step;
        if (pos > 240 || pos < 10) step = -step;
        c.WorkMouseMove(QPoint(pos, pos / 2 + 20), none);
    }
    c.WorkMouseUp(QPoint(pos, pos / 2 + 20), WorkButton::Left, none);
}

void BM_BrushMove(benchmark::State& S) {
    dragMoves(S, BrushTag, S.range(0) != 0, 4);
}
void BM_PencilMove(benchmark::State& S) {
    dragMoves(S, PenTag, false, 1);
}
void BM_EraserMove(benchmark::State& S) {
    dragMoves(S, EraseTag, false, 1);
}
void BM_EllipseDragMove(benchmark::State& S) {
    dragMoves(S, EllipseTag, S.range(0) != 0, 1);
}

void BM_AAEllipse(benchmark::State& State) {
    TBitmap32 b(Side, Side);
    CoverageMap map;
    fillMode(b, int(State.range(0)));
    for (auto _ : State) {
        AAEllipse(b, map, 0, 0, Side, Side);
        benchmark::DoNotOptimize(b.Bits.data());
    }
}

void BM_AAPolygon(benchmark::State& State) {
    TBitmap32 b(Side, Side);
    CoverageMap map;
    fillMode(b, int(State.range(0)));
    const std::vector<QPoint> star{{127, 0},   {158, 96}, {254, 96}, {176, 154}, {206, 254},
                                   {127, 194}, {48, 254}, {78, 154}, {0, 96},    {96, 96}};
    for (auto _ : State) {
        AAPolygon(b, map, star);
        benchmark::DoNotOptimize(b.Bits.data());
    }
}

} // namespace

BENCHMARK(BM_BrushMove)->Arg(0)->Arg(1)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_PencilMove)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_EraserMove)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_EllipseDragMove)->Arg(0)->Arg(1)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_AAEllipse)->Arg(0)->Arg(1)->Arg(2)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_AAPolygon)->Arg(0)->Arg(1)->Arg(2)->Unit(benchmark::kMicrosecond);

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
