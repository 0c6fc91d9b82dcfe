// Animated cursors: opening and saving 60 frames of four sizes (16, 32 and 48
// as 32-bit bitmaps, 256 as a PNG picture), on pictures that pack well (flat
// areas) and badly (noise); and switching the frame being edited.

#include "document/AniFileIO.h"
#include "document/IconDocument.h"
#include "document/Thumbnail.h"
#include "SilentPrompter.h"
#include "session/EditSession.h"
#include "session/SessionFrames.h"

#include <QGuiApplication>
#include <benchmark/benchmark.h>

namespace {

constexpr int Frames = 60;
const int Sides[] = {16, 32, 48, 256};

IconFrame frameOf(int F, bool Noise) {
    IconFrame frame;
    std::uint32_t seed = std::uint32_t(F) * 7919u + 1u;
    for (int side : Sides) {
        auto image = newBlankImage(side, side, 32, PalettePicture());
        image->StoredAsPng = side == 256;
        for (int y = 0; y < side; ++y)
            for (int x = 0; x < side; ++x) {
                seed = seed * 134775813u + 1u;
                const std::uint32_t rgb =
                    Noise ? seed >> 8 : std::uint32_t(((x + F) / 8 % 2) * 0xC08040 + (y / 8) * 3);
                const bool inside =
                    (x - side / 2) * (x - side / 2) + (y - side / 2) * (y - side / 2) <
                    side * side / 5;
                image->Pixels.Bits[std::size_t(y * side + x)] =
                    inside ? 0xFF000000u | rgb : (Noise ? (seed & 0x7F000000u) | rgb : 0u);
            }
        image->HotSpotX = std::uint8_t(side / 2);
        image->HotSpotY = std::uint8_t(side / 2);
        image->Thumbnail = MakeThumbnail(*image);
        frame.Images.push_back(std::move(image));
    }
    frame.Rate = std::uint32_t(4 + F % 5);
    return frame;
}

void fill(IconDocument& Doc, bool Noise) {
    std::vector<IconFrame> frames;
    for (int f = 0; f < Frames; ++f)
        frames.push_back(frameOf(f, Noise));
    Doc.replaceFrames(std::move(frames));
}

QByteArray fileOf(bool Noise) {
    IconDocument doc;
    fill(doc, Noise);
    return WriteAniFile(doc, TransparencySettings());
}

// Open as the Open command does it: read every frame, make every thumbnail.
void BM_OpenAni(benchmark::State& State) {
    const QByteArray file = fileOf(State.range(0) != 0);
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
    const QByteArray file = fileOf(State.range(0) != 0);
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
    fill(doc, State.range(0) != 0);
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
    fill(session.document(), true);
    session.ActivateImage(0, true); // the working copies take the new document
    for (int f = 0; f < Frames; ++f) {
        session.frames().activateFrame(f);
        session.ActivateImage(3, false);
    }
    int f = 0;
    for (auto _ : State) {
        f = (f + 1) % Frames;
        session.frames().activateFrame(f);
    }
}
BENCHMARK(BM_FrameSwitch)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
