// A slider move in each effect dialog: the value changes, the preview is
// computed again and the preview control repaints, on a 255 x 255 target.
#include "EffectInputs.h"
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

// Moves the control between two values, each move followed by the repaint a
// person would see.
void moveAndRepaint(benchmark::State& State, EffectForm& Form, const std::function<void(int)>& Move,
                    int A, int B) {
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
            moveAndRepaint(
                s, f, [&](int v) { f.RTr()->setValue(v); }, 40, -40);
        });
        add("BalanceSlider", [p](benchmark::State& s) {
            TBalFrm f;
            f.FormShow(*p);
            moveAndRepaint(
                s, f, [&](int v) { f.CTr()->setValue(v); }, 60, -60);
        });
        add("SpatterSlider", [p](benchmark::State& s) {
            TSpatFrm f;
            f.FormShow(*p);
            moveAndRepaint(
                s, f, [&](int v) { f.RTr()->setValue(v); }, 19, 20);
        });
        add("RotationSlider", [p](benchmark::State& s) {
            TRotFrm f;
            f.FormShow(*p);
            moveAndRepaint(
                s, f, [&](int v) { f.RTr()->setValue(v); }, 30, 31);
        });
        add("ShadowCount20SmoothEdit", [p](benchmark::State& s) {
            Tshadform f;
            f.shaCe()->setValue(20);
            f.FormShow(*p, 0x404040, 100);
            moveAndRepaint(
                s, f, [&](int v) { f.shadLe()->setValue(v); }, 3, -3);
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
