#include "canvas/tools/GradientBar.h"
#include "canvas/tools/GradientFill.h"
#include "canvas/tools/GradientModel.h"

#include <QImage>
#include <benchmark/benchmark.h>

// Target: a linear gradient over a 255 x 255 area in 5 ms or less (median).

namespace {

GradientTable threeStopTable() {
    GradientModel m;
    m.addStop(60, 0xFF0000FFu);
    m.addStop(140, 0x8000FF00u);
    return m.table(true);
}

void linearGradientFill(benchmark::State& state) {
    const GradientTable table = threeStopTable();
    TBitmap32 clean(255, 255);
    for (TColor32& p : clean.Bits)
        p = 0xFF808080u;
    clean.Blend = state.range(0) != 0;
    TBitmap32 work = clean;
    for (auto _ : state) {
        work.Assign(clean);
        LinearGradientFill(work, 100, 70, table, 35);
        benchmark::DoNotOptimize(work.Bits.data());
    }
}
BENCHMARK(linearGradientFill)->Arg(0)->Arg(1)->ArgName("blend")->Unit(benchmark::kMillisecond);

void conicalGradientFill(benchmark::State& state) {
    const GradientTable table = threeStopTable();
    TBitmap32 clean(255, 255);
    TBitmap32 work = clean;
    for (auto _ : state) {
        work.Assign(clean);
        ConicalGradientFill(work, 127, 127, table);
        benchmark::DoNotOptimize(work.Bits.data());
    }
}
BENCHMARK(conicalGradientFill)->Unit(benchmark::kMillisecond);

void renderGradientBar(benchmark::State& state) {
    GradientModel m;
    m.addStop(100, 0x80FF0000u);
    QImage background(GradientBarWidth, GradientBarHeight, QImage::Format_RGB32);
    background.fill(Qt::gray);
    for (auto _ : state) {
        QImage bar = RenderGradientBar(m.colours(), background);
        benchmark::DoNotOptimize(bar.constBits());
    }
}
BENCHMARK(renderGradientBar)->Unit(benchmark::kMillisecond);

} // namespace

BENCHMARK_MAIN();
