// FitToPalette of a 255 x 255 image against a 256-entry palette.

#include "document/DefaultPalette.h"
#include "document/PaletteOps.h"

#include <benchmark/benchmark.h>
#include <random>

namespace {

PalettePicture palette256() {
    try {
        return DefaultPalette(8, BRISEL_DATA_DIR);
    } catch (const DataFileError&) {
        std::mt19937 gen(1);
        std::vector<TColor> e(256);
        for (TColor& c : e)
            c = gen() & 0xFFFFFF;
        return PalettePicture::fromEntries(e);
    }
}

enum Picture { Gradient, Noise, Flat };

// Gradient: every pixel a different colour, as in a photo-like image.
// Noise: colours all over the cube, the worst case. Flat: large runs of a few
// colours, as most icons are.
TBitmap32 picture(Picture kind) {
    TBitmap32 img(255, 255);
    std::mt19937 gen(2);
    for (int y = 0; y < 255; ++y)
        for (int x = 0; x < 255; ++x) {
            TColor32 c = 0;
            switch (kind) {
            case Gradient:
                c = Color32(255, x, y, (x + y) / 2);
                break;
            case Noise:
                c = gen() | 0xFF000000u;
                break;
            case Flat:
                c = Color32(255, (x / 32) * 30, (y / 32) * 30, 100);
                break;
            }
            img.SetPixel(x, y, c);
        }
    return img;
}

void BM_FitToPalette(benchmark::State& state) {
    const PalettePicture palette = palette256();
    const TBitmap32 source = picture(Picture(state.range(0)));
    for (auto _ : state) {
        state.PauseTiming();
        TBitmap32 target = source;
        state.ResumeTiming();
        FitToPalette(target, 8, palette);
        benchmark::DoNotOptimize(target.Bits.data());
    }
}

// The plain search once per pixel, for comparison.
void BM_PlainSearch(benchmark::State& state) {
    const PalettePicture palette = palette256();
    const TBitmap32 source = picture(Picture(state.range(0)));
    for (auto _ : state) {
        TColor sum = 0;
        for (const TColor32 p : source.Bits)
            sum += NearestPaletteColor(Color32ToColor(p), 8, palette);
        benchmark::DoNotOptimize(sum);
    }
}

} // namespace

BENCHMARK(BM_FitToPalette)->Arg(Gradient)->Arg(Noise)->Arg(Flat)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_PlainSearch)->Arg(Gradient)->Unit(benchmark::kMillisecond);
BENCHMARK_MAIN();
