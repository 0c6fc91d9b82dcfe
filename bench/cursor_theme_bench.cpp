// A whole cursor theme exported: 17 roles, two of them 60-frame animations,
// at the five default sizes, written to a folder. Target: at most 2 s on the
// development machine. Three kinds of drawing, as people bring them:
//   smooth64   smooth art drawn at 64 pixels (shrunk to 24-48, enlarged to 96)
//   pixel32    classic pixel art drawn at 32 (whole-number enlarging)
//   smooth256  large smooth art at 256 (every size shrunk from it)
// Layout (the sizes made and files encoded) and the writing to disk are
// reported apart.

#include "cursortheme/CursorThemeExport.h"
#include "cursortheme/ThemeFiles.h"

#include <benchmark/benchmark.h>

#include <cstdlib>

namespace {

XcursorContents drawing(int Side, bool Pixel, int Frames, int Seed) {
    XcursorContents c;
    for (int f = 0; f < Frames; ++f) {
        XcursorImage i{std::uint32_t(Side), Side, Side, Side / 4, Side / 5, 16, {}};
        for (int y = 0; y < Side; ++y)
            for (int x = 0; x < Side; ++x) {
                const int d = (x - Side / 2) * (x - Side / 2) + (y - Side / 2) * (y - Side / 2);
                const int r = Side * Side / 5;
                std::uint32_t a = d < r ? 255u : d < r + Side * 3 ? (Pixel ? 0u : 128u) : 0u;
                const std::uint32_t rgb = std::uint32_t((x * 7 + f * 13 + Seed) & 0xFF) |
                                          std::uint32_t((y * 5) & 0xFF) << 8 | 0x400000;
                i.Pixels.push_back(a ? a << 24 | rgb : 0);
            }
        c.Images.push_back(std::move(i));
    }
    return c;
}

CursorThemePlan plan(int Side, bool Pixel) {
    CursorThemePlan p;
    p.Name = "Bench";
    int seed = 0;
    for (const CursorRole* r : SchemeCursorRoles()) {
        const bool animated = r->Registry == "Wait" || r->Registry == "AppStarting";
        p.Cursors.push_back({r, drawing(Side, Pixel, animated ? 60 : 1, ++seed)});
    }
    return p;
}

void args(benchmark::internal::Benchmark* B) {
    B->ArgNames({"side", "pixelart"})->Args({64, 0})->Args({32, 1})->Args({256, 0});
    B->Unit(benchmark::kMillisecond)->UseRealTime();
}

void BM_ThemeLayout(benchmark::State& State) {
    const CursorThemePlan p = plan(int(State.range(0)), State.range(1) != 0);
    for (auto _ : State)
        benchmark::DoNotOptimize(LayOutCursorTheme(p));
}
BENCHMARK(BM_ThemeLayout)->Apply(args);

void BM_ThemeExport(benchmark::State& State) {
    const CursorThemePlan p = plan(int(State.range(0)), State.range(1) != 0);
    char name[] = "/tmp/brisel-theme-bench-XXXXXX";
    const std::string dir = mkdtemp(name);
    for (auto _ : State)
        WriteCursorTheme(dir, p.Name, LayOutCursorTheme(p));
    ThemeFiles::removeTree(dir);
}
BENCHMARK(BM_ThemeExport)->Apply(args);

} // namespace

BENCHMARK_MAIN();
