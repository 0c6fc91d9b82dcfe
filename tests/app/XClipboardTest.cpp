// The clipboard between Brisel and another program, through a real X server:
// a private Xvfb, the platform's own clipboard (Qt on xcb) and xclip as the
// other program. Skipped where Xvfb or xclip is missing; every wait is
// bounded, so nothing here can hang.

#include "DesktopTestSupport.h"
#include "ScriptedPrompter.h"
#include "app/ui/QtClipboard.h"
#include "session/EditSession.h"

#include <QClipboard>
#include <QElapsedTimer>
#include <QGuiApplication>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <functional>
#include <gtest/gtest.h>
#include <memory>
#include <optional>

namespace {

bool g_xAvailable = false;
QString g_skipReason;

// xclip with the given arguments; its output when it ends in time.
std::optional<QByteArray> runXclip(const QStringList& Arguments) {
    return runProgram(QStringLiteral("xclip"), Arguments);
}

class XClipboard : public ::testing::Test {
protected:
    void SetUp() override {
        if (!g_xAvailable) GTEST_SKIP() << g_skipReason.toStdString();
        s = std::make_unique<EditSession>(prompts, QStringLiteral(BRISEL_DATA_DIR "/"));
        clipboard = std::make_unique<QtClipboard>();
        s->setClipboard(clipboard.get());
        s->NewAExecute(true);
    }
    void TearDown() override { s.reset(); }

    ScriptedPrompter prompts;
    std::unique_ptr<QtClipboard> clipboard;
    std::unique_ptr<EditSession> s;
};

TEST_F(XClipboard, AnotherProgramReadsTheCopiedPictureAsPngWithAlpha) {
    const QImage picture = alphaPicture(32, 32);
    s->WorkBitmap().LoadFromBitmap(picture, 255);
    s->commit();
    s->CopyAExecute();

    const std::optional<QByteArray> targets =
        runXclip({"-selection", "clipboard", "-t", "TARGETS", "-o"});
    ASSERT_TRUE(targets) << "xclip could not list the clipboard's types";
    EXPECT_TRUE(targets->contains("image/png")) << targets->constData();

    const std::optional<QByteArray> png =
        runXclip({"-selection", "clipboard", "-t", "image/png", "-o"});
    ASSERT_TRUE(png) << "xclip could not read the picture";
    EXPECT_TRUE(samePixels(QImage::fromData(*png, "PNG"), picture));
}

TEST_F(XClipboard, APngWithAlphaFromAnotherProgramPastesExactly) {
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    const QImage picture = alphaPicture(20, 12);
    const QString file = dir.filePath(QStringLiteral("picture.png"));
    ASSERT_TRUE(picture.save(file, "PNG"));
    QGuiApplication::clipboard()->clear();
    EXPECT_TRUE(waitUntil([&] { return !s->commandStates().PasteA; }, 3000))
        << "an empty clipboard leaves Paste disabled";

    // xclip keeps serving the clipboard from the background until another
    // program takes it over or the X server ends.
    ASSERT_TRUE(runXclip({"-selection", "clipboard", "-t", "image/png", "-i", file}));
    ASSERT_TRUE(waitUntil([&] { return s->commandStates().PasteA; }))
        << "Paste did not become available";

    s->PasteAExecute();
    const FloatingSelection* pasted = s->floatingSelection();
    ASSERT_NE(pasted, nullptr);
    EXPECT_TRUE(samePixels(pasted->Pixels.toImage(), picture));
}

// A private X server for the run, with its display number read from it.
class PrivateXServer {
public:
    PrivateXServer() {
        if (QStandardPaths::findExecutable(QStringLiteral("Xvfb")).isEmpty()) {
            m_problem = QStringLiteral("Xvfb is not installed");
            return;
        }
        if (QStandardPaths::findExecutable(QStringLiteral("xclip")).isEmpty()) {
            m_problem = QStringLiteral("xclip is not installed");
            return;
        }
        m_display = startXvfb(m_xvfb, QStringLiteral("320x240x24"));
        if (m_display.isEmpty()) m_problem = QStringLiteral("Xvfb did not start");
    }
    ~PrivateXServer() { endProcess(m_xvfb); }
    bool ready() const { return !m_display.isEmpty(); }
    const QString& display() const { return m_display; }
    const QString& problem() const { return m_problem; }

private:
    QProcess m_xvfb;
    QString m_display;
    QString m_problem;
};

} // namespace

int main(int argc, char** argv) {
    ::testing::InitGoogleTest(&argc, argv);
    PrivateXServer server;
    g_xAvailable = server.ready();
    g_skipReason = server.problem();
    if (!g_xAvailable) return RUN_ALL_TESTS();

    qputenv("DISPLAY", server.display().toLocal8Bit());
    qputenv("QT_QPA_PLATFORM", "xcb");
    int result = 0;
    {
        // Ended before the X server, which it talks to until the end.
        QGuiApplication app(argc, argv);
        result = RUN_ALL_TESTS();
    }
    return result;
}
