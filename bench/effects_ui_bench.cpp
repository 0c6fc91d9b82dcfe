// A slider move in each effect dialog: the value changes, the preview is
// computed again and the preview control repaints, on a 255 x 255 target.
#include "effects/ui/BalanceForm.h"
#include "effects/ui/ColorLevelsForm.h"
#include "effects/ui/RotateForm.h"
#include "effects/ui/ShadowForm.h"
#include "effects/ui/SpatterForm.h"
#include "widgets/PictureBox.h"

#include <QApplication>
#include <QSlider>
#include <QSpinBox>
#include <benchmark/benchmark.h>
#include <functional>
#include <string>
#include <utility>
#include <vector>

namespace {

constexpr int kSize = 255;

TBitmap32 gradient() {
    TBitmap32 b(kSize, kSize);
    for (int y = 0; y < kSize; ++y)
        for (int x = 0; x < kSize; ++x) b.SetPixel(x, y, Color32(255, x, y, (x + y) / 2));
    return b;
}

// Every channel random, alpha included: every pixel casts or skips a shadow.
TBitmap32 noise() {
    TBitmap32 b(kSize, kSize);
    std::uint32_t s = 1;
    for (TColor32& p : b.Bits) {
        s = s * 1664525u + 1013904223u;
        p = s;
    }
    return b;
}

const std::vector<std::pair<std::string, TBitmap32>>& inputs() {
    static const std::vector<std::pair<std::string, TBitmap32>> all = {{"gradient", gradient()},
                                                                       {"noise", noise()}};
    return all;
}

// Moves the control between two values, each move followed by the repaint a
// person would see.
void moveAndRepaint(benchmark::State& State, EffectForm& Form,
                    const std::function<void(int)>& Move, int A, int B) {
    Form.show();
    bool flip = false;
    for (auto _ : State) {
        Move(flip ? A : B);
        flip = !flip;
        Form.Img()->repaint();
    }
    Form.hide();
}

void registerAll() {
    for (const auto& [input, picture] : inputs()) {
        const TBitmap32* p = &picture;
        auto add = [&](const std::string& name, std::function<void(benchmark::State&)> run) {
            benchmark::RegisterBenchmark((name + "/" + input).c_str(), std::move(run))
                ->Unit(benchmark::kMillisecond);
        };
        add("ColorLevelsSlider", [p](benchmark::State& s) {
            TColLevFrm f;
            f.FormShow(*p);
            moveAndRepaint(s, f, [&](int v) { f.RTr()->setValue(v); }, 40, -40);
        });
        add("BalanceSlider", [p](benchmark::State& s) {
            TBalFrm f;
            f.FormShow(*p);
            moveAndRepaint(s, f, [&](int v) { f.CTr()->setValue(v); }, 60, -60);
        });
        add("SpatterSlider", [p](benchmark::State& s) {
            TSpatFrm f;
            f.FormShow(*p);
            moveAndRepaint(s, f, [&](int v) { f.RTr()->setValue(v); }, 19, 20);
        });
        add("RotationSlider", [p](benchmark::State& s) {
            TRotFrm f;
            f.FormShow(*p);
            moveAndRepaint(s, f, [&](int v) { f.RTr()->setValue(v); }, 30, 31);
        });
        add("ShadowCount20SmoothEdit", [p](benchmark::State& s) {
            Tshadform f;
            f.shaCe()->setValue(20);
            f.FormShow(*p, 0x404040, 100);
            moveAndRepaint(s, f, [&](int v) { f.shadLe()->setValue(v); }, 3, -3);
        });
    }
}

} // namespace

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    registerAll();
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
