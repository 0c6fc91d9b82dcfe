// A click on another frame in the frame strip of the main window, as the
// user sees it: the frame becomes the one being edited (the image being left
// stored, the new frame's active image loaded into the working copies), and
// the window repaints: the work view, the image list and the frame strip.
// The document is a 60-frame animation of four sizes; the active image is
// the 256 x 256 one, the largest work there is.

#include "AniInputs.h"
#include "BenchMain.h"
#include "SilentPrompter.h"
#include "app/ShellOpener.h"
#include "app/ui/MainForm.h"
#include "images/ui/FrameListModel.h"
#include "images/ui/FrameStrip.h"
#include "session/EditSession.h"

#include <QApplication>
#include <QFile>
#include <QListView>
#include <QSettings>
#include <QTemporaryDir>

namespace {

struct NoShell : ShellOpener {
    void openFile(const QString&, Outcome Done) override { Done(false); }
    void openUrl(const QString&, Outcome Done) override { Done(false); }
};

void BM_FrameSwitchInWindow(benchmark::State& State, bool Noise) {
    QTemporaryDir dir;
    // The window reads and writes settings: never the user's own.
    QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, dir.path());
    QSettings::setPath(QSettings::IniFormat, QSettings::UserScope, dir.path());
    const QString path = dir.filePath(QStringLiteral("busy.ani"));
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(aniFileOf(Noise)) < 0) {
        State.SkipWithError("cannot write the animation");
        return;
    }
    file.close();

    SilentPrompter prompts;
    NoShell shell;
    TMainForm form(prompts, shell, QStringLiteral(BRISEL_DATA_DIR "/"));
    form.resize(1000, 720);
    form.show();
    form.session().OpenAExecute(true, path);
    QListView* strip = form.frameStrip()->FramesList();
    const FrameListModel* model = form.frameStrip()->model();
    if (model->rowCount() != kAniFrames) {
        State.SkipWithError("the animation did not open");
        return;
    }
    // Every frame shows its 256 x 256 image.
    for (int f = 0; f < kAniFrames; ++f) {
        emit strip->clicked(model->index(f));
        form.session().ActivateImage(3, false);
    }
    QApplication::processEvents();
    int f = 0;
    for (auto _ : State) {
        f = (f + 1) % kAniFrames;
        emit strip->clicked(model->index(f));
        QApplication::processEvents();
        form.repaint();
    }
}
BENCHMARK_CAPTURE(BM_FrameSwitchInWindow, flat, false)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_FrameSwitchInWindow, noise, true)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char** argv) {
    return runBenchmarks<QApplication>(argc, argv);
}
