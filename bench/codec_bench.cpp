// Decoding and encoding a large icon file: 40 images of 216 to 255 pixels a
// side, all five colour formats, with transparent pixels among them.

#include "document/IconFileReader.h"
#include "document/IconFileWriter.h"

#include "BenchMain.h"

#include <QGuiApplication>
#include <benchmark/benchmark.h>

namespace {

std::vector<std::unique_ptr<IconImage>> largeDocument() {
    const TransparencySettings settings;
    std::vector<std::unique_ptr<IconImage>> images;
    std::uint32_t seed = 1;
    const auto next = [&seed](std::uint32_t n) {
        seed = seed * 134775813u + 1u;
        return std::uint32_t((std::uint64_t(seed) * n) >> 32);
    };
    const ColourFormat formats[] = {1, 4, 8, 24, 32};
    for (int i = 0; i < 40; ++i) {
        const int side = 216 + i;
        auto image = std::make_unique<IconImage>();
        image->Format = formats[i % 5];
        image->Pixels = TBitmap32(side, side);
        const int entries = image->Format == 1   ? 2
                            : image->Format == 4 ? 16
                            : image->Format == 8 ? 256
                                                 : 0;
        std::vector<TColor> palette;
        for (int k = 0; k < entries; ++k)
            palette.push_back(next(0x1000000));
        if (entries > 0) image->Palette = PalettePicture::fromEntries(palette);
        for (TColor32& c : image->Pixels.Bits) {
            const TColor rgb =
                entries > 0 ? palette[next(std::uint32_t(entries))] : next(0x1000000);
            const bool masked = next(10) == 0;
            c = masked ? SetAlpha(next(3) == 0 ? settings.InvColor : rgb, 0)
                       : SetAlpha(rgb, image->Format == 32 ? int(next(255)) + 1 : 255);
        }
        images.push_back(std::move(image));
    }
    return images;
}

void BM_EncodeIconFile(benchmark::State& state) {
    const auto images = largeDocument();
    const TransparencySettings settings;
    std::int64_t bytes = 0;
    for (auto _ : state) {
        const QByteArray file = WriteIconFile(1, images, settings);
        bytes += file.size();
        benchmark::DoNotOptimize(file.constData());
    }
    state.SetBytesProcessed(bytes);
}
BENCHMARK(BM_EncodeIconFile)->Unit(benchmark::kMillisecond);

void BM_DecodeIconFile(benchmark::State& state) {
    const TransparencySettings settings;
    const QByteArray file = WriteIconFile(1, largeDocument(), settings);
    for (auto _ : state) {
        IconFileContents contents = ReadIconFile(file, QStringLiteral("bench.ico"), settings);
        benchmark::DoNotOptimize(contents.Images.data());
    }
    state.SetBytesProcessed(std::int64_t(state.iterations()) * file.size());
    state.counters["file_bytes"] = double(file.size());
}
BENCHMARK(BM_DecodeIconFile)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char** argv) {
    return runBenchmarks<QGuiApplication>(argc, argv);
}
