// The effects on a picture of the largest icon size, each on three kinds of
// picture: a smooth gradient, noise, and flat art with transparent areas.
#include "effects/Adjustments.h"
#include "effects/ColourEffects.h"
#include "effects/CustomRotation.h"
#include "effects/EffectPreview.h"
#include "effects/NeighbourEffects.h"
#include "effects/NoiseEffects.h"
#include "effects/Orientation.h"
#include "effects/Resize.h"
#include "widgets/RotatedPicture.h"
#include "effects/Shadow.h"
#include "effects/SmoothContract.h"
#include "EffectInputs.h"

#include <QGuiApplication>
#include <benchmark/benchmark.h>
#include <functional>
#include <string>
#include <utility>
#include <vector>

namespace {

const QColor kFace(240, 240, 240);

using Effect = std::function<void(TBitmap32&)>;

// Runs the effect on a fresh copy of the input each time; the copy is not timed.
void runEffect(benchmark::State& state, const TBitmap32& input, const Effect& effect) {
    TBitmap32 b = input;
    for (auto _ : state) {
        state.PauseTiming();
        b.Assign(input);
        state.ResumeTiming();
        effect(b);
        benchmark::DoNotOptimize(b.Bits.data());
    }
}

// Runs a function that leaves its input alone and returns a result.
template <class Make> void runMaker(benchmark::State& state, Make make) {
    for (auto _ : state) {
        auto result = make();
        benchmark::DoNotOptimize(&result);
    }
}

void registerAll() {
    BalanceParams balance;
    balance.Brightness = 30;
    balance.Contrast = 60;
    balance.Gamma = -40;
    ShadowParams shadow;
    shadow.Left = 3;
    shadow.Top = 2;
    shadow.Count = ShadowMaxCount;
    shadow.Alpha = 50;
    shadow.Smooth = true;
    shadow.Color = 0x404040;

    const std::vector<std::pair<std::string, Effect>> direct = {
        {"Invert", Invert},
        {"InvertAlpha", InvertAlpha},
        {"Grayscale", Grayscale},
        {"Saturation", Saturation},
        {"AddColorNoise", AddColorNoise},
        {"AddColorNoiseWithAlpha", AddColorNoiseWithAlpha},
        {"AddPenNoise", AddPenNoise},
        {"Blur", Blur},
        {"EmbossTopLeft", [](TBitmap32& b) { Emboss(b, EmbossDirection::TopLeft); }},
        {"EmbossTopRight", [](TBitmap32& b) { Emboss(b, EmbossDirection::TopRight); }},
        {"EmbossBottomLeft", [](TBitmap32& b) { Emboss(b, EmbossDirection::BottomLeft); }},
        {"EmbossBottomRight", [](TBitmap32& b) { Emboss(b, EmbossDirection::BottomRight); }},
        {"RotateClockwise", RotateClockwise},
        {"RotateCounterclockwise", RotateCounterclockwise},
        {"FlipHorizontal", FlipHorizontal},
        {"FlipVertical", FlipVertical},
        // The dialogs' OK buttons.
        {"ColorLevels", [](TBitmap32& b) { ColorLevels(b, {40, -30, 20, -10}); }},
        {"Balance", [balance](TBitmap32& b) { Balance(b, balance); }},
        {"Spatter20", [](TBitmap32& b) { Spatter(b, SpatterMaxRadius); }},
        {"RotateWithinImage30", [](TBitmap32& b) { RotateWithinImage(b, 30); }},
        {"ShadowCount20Smooth",
         [shadow](TBitmap32& b) { DrawShadow(b, ShadowMask(b, 100), shadow, b); }},
        {"SmoothContractTo128", [](TBitmap32& b) { SmoothContractImage(b, 128, 128); }},
        {"ResizeStretchTo128",
         [](TBitmap32& b) { b = ResizedImage(b, 128, 128, ResizeChange::StretchIcon); }},
    };
    for (const auto& [input, picture] : inputs())
        for (const auto& [name, effect] : direct) {
            const TBitmap32* p = &picture;
            const Effect e = effect;
            benchmark::RegisterBenchmark((name + "/" + input).c_str(),
                                         [p, e](benchmark::State& s) { runEffect(s, *p, e); })
                ->Unit(benchmark::kMicrosecond);
        }

    // The rotation routine into its 361 x 361 square, and the previews a
    // slider move redraws.
    for (const auto& [input, picture] : inputs()) {
        const TBitmap32* p = &picture;
        const OpacityMask mask = ShadowMask(picture, 100);
        const QImage shown = PreviewOnFace(picture, kFace);
        auto add = [&](const std::string& name, std::function<void(benchmark::State&)> run) {
            benchmark::RegisterBenchmark((name + "/" + input).c_str(), std::move(run))
                ->Unit(benchmark::kMicrosecond);
        };
        add("RotateImage30", [p](benchmark::State& s) {
            TBitmap32 square;
            runMaker(s, [&] {
                RotateImage(*p, square, 30);
                return square.Width;
            });
        });
        add("PreviewColorLevels", [p](benchmark::State& s) {
            runMaker(s, [p] { return ColorLevelsPreview(*p, {40, -30, 20, -10}, kFace); });
        });
        add("PreviewBalance", [p, balance](benchmark::State& s) {
            runMaker(s, [p, balance] { return BalancePreview(*p, balance, kFace); });
        });
        add("PreviewSpatter", [p](benchmark::State& s) {
            runMaker(s, [p] { return SpatterPreview(*p, SpatterMaxRadius, kFace); });
        });
        add("PreviewShadow", [p, mask, shadow](benchmark::State& s) {
            runMaker(s, [&] { return ShadowPreview(*p, mask, shadow, kFace); });
        });
        add("PreviewRotation30", [shown](benchmark::State& s) {
            runMaker(s, [&] { return RotatedPicture(shown, 30); });
        });
    }
}

} // namespace

// Pictures need an application object; run headless.
int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    registerAll();
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
