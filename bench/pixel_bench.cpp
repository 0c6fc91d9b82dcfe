// The raster primitives on a buffer of the largest icon size, the way a
// rubber-band preview runs them on every mouse move.
#include "pixel/TBitmap32.h"

#include "BenchMain.h"

#include <QGuiApplication>
#include <benchmark/benchmark.h>
#include <vector>

namespace {

constexpr int kSize = 255;

TBitmap32 canvas() {
    TBitmap32 b(kSize, kSize);
    b.PenColor = 0xFF0000FFu;
    b.BrushColor = 0xFF00FF00u;
    return b;
}

// Runs draw on a fresh copy of the canvas each time; the copy is not timed.
template <class Draw> void run(benchmark::State& state, Draw draw, bool blend = true) {
    TBitmap32 clean = canvas();
    clean.Blend = blend;
    TBitmap32 b = clean;
    for (auto _ : state) {
        state.PauseTiming();
        b.Assign(clean);
        state.ResumeTiming();
        draw(b);
        benchmark::DoNotOptimize(b.Bits.data());
    }
}

void BM_LineToDiagonal(benchmark::State& state) {
    run(state, [](TBitmap32& b) {
        b.MoveTo(0, 0);
        b.LineTo(kSize - 1, kSize - 1);
    });
}

void BM_Rectangle(benchmark::State& state) {
    run(state, [](TBitmap32& b) { b.Rectangle(0, 0, kSize, kSize); });
}

void BM_Ellipse(benchmark::State& state) {
    run(state, [](TBitmap32& b) { b.Ellipse(0, 0, kSize, kSize); });
}

void BM_RoundRect(benchmark::State& state) {
    run(state, [](TBitmap32& b) { b.RoundRect(0, 0, kSize, kSize, 60, 40); });
}

void BM_Polygon(benchmark::State& state) {
    const std::vector<QPoint> star = {{127, 0}, {206, 254}, {0, 90}, {254, 90}, {48, 254}};
    run(state, [&](TBitmap32& b) { b.Polygon(star); });
}

// The polygon tool closes its figure by repeating the first point up to a
// table of 1001 entries.
void BM_PolygonToolTable(benchmark::State& state) {
    std::vector<QPoint> table = {{10, 10}, {240, 30}, {200, 240}, {30, 200}};
    table.resize(1001, table.front());
    run(state, [&](TBitmap32& b) { b.Polygon(table); });
}

void BM_PolyBezier(benchmark::State& state) {
    const std::vector<QPoint> curve = {{0, 254}, {0, 0}, {254, 0}, {254, 254}};
    run(state, [&](TBitmap32& b) { b.PolyBezier(curve); });
}

void BM_FloodFill(benchmark::State& state) {
    run(state, [](TBitmap32& b) { b.FloodFill(128, 128, 0); });
}

void BM_FloodFillReplacing(benchmark::State& state) {
    run(
        state, [](TBitmap32& b) { b.FloodFill(128, 128, 0); }, false);
}

void BM_TextOut(benchmark::State& state) {
    run(state, [](TBitmap32& b) { b.TextOut(10, 10, QStringLiteral("Brisel")); });
}

void BM_StretchDraw(benchmark::State& state) {
    TBitmap32 src = canvas();
    src.Rectangle(0, 0, kSize, kSize);
    run(state, [&](TBitmap32& b) { b.StretchDraw(TRect(0, 0, kSize, kSize), src); });
}

} // namespace

BENCHMARK(BM_LineToDiagonal);
BENCHMARK(BM_Rectangle);
BENCHMARK(BM_Ellipse);
BENCHMARK(BM_RoundRect);
BENCHMARK(BM_Polygon);
BENCHMARK(BM_PolygonToolTable);
BENCHMARK(BM_PolyBezier);
BENCHMARK(BM_FloodFill);
BENCHMARK(BM_FloodFillReplacing);
BENCHMARK(BM_TextOut);
BENCHMARK(BM_StretchDraw);

// Text needs fonts, and fonts need an application object; run headless.
int main(int argc, char** argv) {
    return runBenchmarks<QGuiApplication>(argc, argv);
}
