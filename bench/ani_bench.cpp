// Animated cursors: opening and saving 60 frames of four sizes (16, 32 and 48
// as 32-bit bitmaps, 256 as a PNG picture), on pictures that pack well (flat
// areas) and badly (noise); and switching the frame being edited.

#include "AniInputs.h"
#include "BenchMain.h"
#include "SilentPrompter.h"
#include "session/EditSession.h"
#include "session/SessionFrames.h"

#include <QGuiApplication>

namespace {

// Open as the Open command does it: read every frame, make every thumbnail.
void BM_OpenAni(benchmark::State& State) {
    const QByteArray file = aniFileOf(State.range(0) != 0);
    for (auto _ : State) {
        AniFileContents ani = ReadAniFile(file, QStringLiteral("b.ani"), TransparencySettings());
        for (IconFrame& frame : ani.Frames)
            for (auto& image : frame.Images)
                image->Thumbnail = MakeThumbnail(*image);
        benchmark::DoNotOptimize(ani.Frames.data());
    }
    State.counters["file_bytes"] = double(file.size());
}
BENCHMARK(BM_OpenAni)->Arg(0)->Arg(1)->ArgNames({"noise"})->Unit(benchmark::kMillisecond);

// Save after Open: every frame nobody edited goes out as it came in.
void BM_SaveAniUnedited(benchmark::State& State) {
    const QByteArray file = aniFileOf(State.range(0) != 0);
    AniFileContents ani = ReadAniFile(file, QStringLiteral("b.ani"), TransparencySettings());
    IconDocument doc;
    doc.replaceFrames(std::move(ani.Frames));
    doc.Sequence = ani.Sequence;
    for (auto _ : State) {
        const QByteArray out = WriteAniFile(doc, TransparencySettings());
        benchmark::DoNotOptimize(out.constData());
    }
}
BENCHMARK(BM_SaveAniUnedited)->Arg(0)->Arg(1)->ArgNames({"noise"})->Unit(benchmark::kMillisecond);

// Save of frames made in the editor: every image encoded anew.
void BM_SaveAniNew(benchmark::State& State) {
    IconDocument doc;
    fillAni(doc, State.range(0) != 0);
    for (auto _ : State) {
        const QByteArray out = WriteAniFile(doc, TransparencySettings());
        benchmark::DoNotOptimize(out.constData());
    }
}
BENCHMARK(BM_SaveAniNew)->Arg(0)->Arg(1)->ArgNames({"noise"})->Unit(benchmark::kMillisecond);

// A click on another frame: the image being left is stored, the new frame's
// active image (256 x 256) loaded into the working copies, its history begun.
void BM_FrameSwitch(benchmark::State& State) {
    SilentPrompter prompts;
    EditSession session(prompts, QString());
    fillAni(session.document(), true);
    session.ActivateImage(0, true); // the working copies take the new document
    for (int f = 0; f < kAniFrames; ++f) {
        session.frames().activateFrame(f);
        session.ActivateImage(3, false);
    }
    int f = 0;
    for (auto _ : State) {
        f = (f + 1) % kAniFrames;
        session.frames().activateFrame(f);
    }
}
BENCHMARK(BM_FrameSwitch)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char** argv) {
    return runBenchmarks<QGuiApplication>(argc, argv);
}
