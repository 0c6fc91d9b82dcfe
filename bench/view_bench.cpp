#include "canvas/RenderWorkView.h"

#include <benchmark/benchmark.h>

// A full re-render of the largest image into a large paint box, as every mouse
// move over the work view does.
static void BM_RenderWorkView255In1000(benchmark::State& State) {
    TBitmap32 work(255, 255);
    std::uint32_t seed = 12345;
    for (TColor32& p : work.Bits) {
        seed = seed * 134775813u + 1u;
        p = seed; // every alpha, so all branches of the display rule run
    }
    WorkViewScene scene;
    scene.WorkBitmap = &work;
    scene.Format = 32;
    scene.GridShown = true;
    const WorkViewGeometry geometry = ZoomToFit(1000, 1000, 255, 255);
    QImage view;
    RenderWorkView(scene, geometry, view);
    for (auto _ : State) {
        RenderWorkView(scene, geometry, view);
        benchmark::DoNotOptimize(view.constBits());
    }
}
BENCHMARK(BM_RenderWorkView255In1000)
    ->Unit(benchmark::kMillisecond)
    ->Repetitions(9)
    ->ReportAggregatesOnly(true);

BENCHMARK_MAIN();
