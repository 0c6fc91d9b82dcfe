// Decoding and encoding one 256 x 256 PNG picture, as an icon's largest image
// is stored, for three kinds of picture: a smooth gradient with soft alpha,
// noise, and flat art in a few colours. Decoding reads what the icon writer
// stores (PngPacking::Small); encoding is measured at both packings. Checking
// that a picture is whole is what extract does before it passes the picture
// on as it is.

#include "document/file/PngCodec.h"
#include "document/file/PngPlainDecoder.h"

#include <benchmark/benchmark.h>

#include <vector>

namespace {

constexpr int Side = 256;
enum Kind { Smooth, Noise, Flat };

std::vector<std::uint32_t> picture(Kind K) {
    std::vector<std::uint32_t> px(std::size_t(Side) * Side);
    std::uint32_t seed = 1;
    for (int y = 0; y < Side; ++y)
        for (int x = 0; x < Side; ++x) {
            std::uint32_t& c = px[std::size_t(y) * Side + std::size_t(x)];
            if (K == Smooth) {
                const int alpha = 255 - ((x * x + y * y) >> 9);
                c = std::uint32_t(x) | (std::uint32_t(y) << 8) | (std::uint32_t((x + y) / 2) << 16) |
                    (std::uint32_t(alpha < 0 ? 0 : alpha) << 24);
            } else if (K == Noise) {
                seed = seed * 134775813u + 1u;
                c = seed;
            } else {
                static const std::uint32_t colours[4] = {0xFF0000FFu, 0xFFFF0000u, 0xFFFFFFFFu, 0};
                c = colours[((x / 32) + (y / 32)) % 4];
            }
        }
    return px;
}

const char* name(Kind K) {
    return K == Smooth ? "smooth" : K == Noise ? "noise" : "flat";
}

void BM_EncodePng(benchmark::State& state) {
    const Kind kind = Kind(state.range(0));
    const PngPacking packing = state.range(1) ? PngPacking::Small : PngPacking::Fast;
    const std::vector<std::uint32_t> px = picture(kind);
    std::size_t size = 0;
    for (auto _ : state) {
        const std::vector<std::uint8_t> png = EncodePng(px.data(), Side, Side, packing);
        size = png.size();
        benchmark::DoNotOptimize(png.data());
    }
    state.SetLabel(std::string(name(kind)) + (state.range(1) ? " small" : " fast"));
    state.counters["png_bytes"] = double(size);
    state.SetBytesProcessed(std::int64_t(state.iterations()) * Side * Side * 4);
}
BENCHMARK(BM_EncodePng)
    ->ArgsProduct({{Smooth, Noise, Flat}, {0, 1}})
    ->Unit(benchmark::kMicrosecond);

void BM_DecodePng(benchmark::State& state) {
    const Kind kind = Kind(state.range(0));
    const std::vector<std::uint32_t> px = picture(kind);
    const std::vector<std::uint8_t> png = EncodePng(px.data(), Side, Side, PngPacking::Small);
    for (auto _ : state) {
        PngPicture decoded = DecodePng(png.data(), png.size(), Side);
        benchmark::DoNotOptimize(decoded.Pixels.data());
    }
    state.SetLabel(name(kind));
    state.counters["png_bytes"] = double(png.size());
    state.SetBytesProcessed(std::int64_t(state.iterations()) * Side * Side * 4);
}
BENCHMARK(BM_DecodePng)->DenseRange(Smooth, Flat)->Unit(benchmark::kMicrosecond);

void BM_CheckPng(benchmark::State& state) {
    const Kind kind = Kind(state.range(0));
    const std::vector<std::uint32_t> px = picture(kind);
    const std::vector<std::uint8_t> png = EncodePng(px.data(), Side, Side, PngPacking::Small);
    for (auto _ : state) {
        std::size_t length = 0;
        benchmark::DoNotOptimize(IsWholeRgbaPng(png.data(), png.size(), length));
    }
    state.SetLabel(name(kind));
    state.SetBytesProcessed(std::int64_t(state.iterations()) * Side * Side * 4);
}
BENCHMARK(BM_CheckPng)->DenseRange(Smooth, Flat)->Unit(benchmark::kMicrosecond);

} // namespace

BENCHMARK_MAIN();
