// Brisel as a native Wayland client under a real compositor: a private weston
// (its X11 back end inside a private Xvfb, so that xdotool can give it real
// pointer input), a private session bus with a stand-in screenshot portal,
// and wl-clipboard as the other program on the clipboard. Skipped, saying
// why, where any of them is missing; every wait is bounded.

#include "DesktopTestSupport.h"
#include "MainFormTestSupport.h"
#include "canvas/tools/ToolInfo.h"
#include "document/IconFileWriter.h"
#include "session/SessionTools.h"
#include "widgets/CaptureFrame.h"
#include "widgets/DBusScreenshotPortal.h"
#include "widgets/FrozenScreenForm.h"

#include <QBuffer>
#include <QClipboard>
#include <QDBusConnection>
#include <QDBusConnectionInterface>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QFrame>
#include <QLibraryInfo>
#include <QMouseEvent>
#include <QProcess>
#include <QStandardPaths>
#include <QTest>
#include <QThread>
#include <QWindow>
#include <optional>

namespace {

QString g_skipReason;
QString g_display; // the X server weston draws into
QString g_standIn; // the stand-in portal program
QString g_dragSource; // the program files are dragged from
QString g_scratch; // files the tests hand to other programs
int g_maximizedHeight = 0; // a maximized window's height, title bar included

// A helper program that is ended, however the test ends.
class Child {
public:
    Child() { endsWithThisProgram(m_p); }
    ~Child() { stop(); }
    QProcess& process() { return m_p; }
    void stop() { endProcess(m_p); }
    // Reads its standard output until a line holding Text, or the deadline,
    // serving the event loop meanwhile: the program may be waiting for an
    // answer from this one (a drop, the clipboard).
    bool waitForLine(const QByteArray& Text, int Milliseconds = 10000) {
        QElapsedTimer clock;
        clock.start();
        while (!m_output.contains(Text)) {
            if (clock.elapsed() > Milliseconds || m_p.state() == QProcess::NotRunning) return false;
            m_p.waitForReadyRead(20);
            QCoreApplication::processEvents(QEventLoop::AllEvents, 20);
            m_output += m_p.readAllStandardOutput();
        }
        return true;
    }
    QByteArray output() {
        m_output += m_p.readAllStandardOutput();
        return m_output;
    }

private:
    QProcess m_p;
    QByteArray m_output;
};

// The X server's screen, where weston shows everything it composes.
QImage screenShot() {
    const QString file = QDir(g_scratch).filePath(QStringLiteral("shown.png"));
    QFile::remove(file);
    if (!runProgram(QStringLiteral("import"), {"-display", g_display, "-window", "root", file}))
        return QImage();
    return QImage(file);
}

// The middle of the window filled with Colour on Shown: the rows that hold a
// long run of it (a gradient elsewhere, the colour chart of the palette box,
// may hold a few pixels of the same colour).
std::optional<QPoint> middleOf(const QImage& Shown, QRgb Colour) {
    QRect found;
    for (int y = 0; y < Shown.height(); ++y) {
        int run = 0;
        for (int x = 0; x < Shown.width(); ++x) {
            run = (Shown.pixel(x, y) & 0xFFFFFFu) == (Colour & 0xFFFFFFu) ? run + 1 : 0;
            if (run >= 100) found |= QRect(x - run + 1, y, run, 1);
        }
    }
    if (found.height() < 80) return std::nullopt;
    return found.center();
}

bool xdotool(const QStringList& Arguments);

// Weston's X11 back end moves its pointer by how far the X pointer moved,
// from where its own pointer was, and keeps it on its screen: the two part
// ways (a fresh weston starts its pointer in a corner). Moving to one corner
// of the screen and then to the other brings both to the same place
// whichever way they had parted.
bool syncPointer(QSize Screen) {
    return xdotool({"mousemove", "0", "0"}) &&
           xdotool({"mousemove", QString::number(Screen.width() - 1),
                    QString::number(Screen.height() - 1)});
}

bool xdotool(const QStringList& Arguments) {
    return bool(runProgram(QStringLiteral("xdotool"), Arguments));
}

// A real click on the window's status bar, low in the middle of the screen,
// so that Brisel gets keyboard focus and an input serial from weston, as
// after a person's click; false when the focus did not come.
bool clickIntoWindow(QWidget& Window) {
    const QRect screen = Window.screen()->geometry();
    if (!syncPointer(screen.size()) ||
        !xdotool({"mousemove", QString::number(screen.width() / 2),
                  QString::number(screen.height() - 8), "click", "1"}))
        return false;
    return waitUntil([&] { return QGuiApplication::focusWindow() == Window.windowHandle(); }, 5000);
}

QImage knownScreen(QSize Size) {
    QImage p(Size, QImage::Format_RGB32);
    for (int y = 0; y < p.height(); ++y)
        for (int x = 0; x < p.width(); ++x)
            p.setPixel(x, y,
                       qRgb(x & 255, y & 255, (x / 256 * 64 + y / 256 * 16 + x * 3 + y) & 255));
    return p;
}

bool portalOnBus() {
    return QDBusConnection::sessionBus().interface()->isServiceRegistered(
        QLatin1String(DBusScreenshotPortal::ServiceName));
}

class WaylandSession : public MainFormTest {
protected:
    void SetUp() override {
        if (!g_skipReason.isEmpty()) GTEST_SKIP() << g_skipReason.toStdString();
        MainFormTest::SetUp();
    }
    // The main window, maximized so a click low in the middle of the screen
    // lands on its status bar, and exposed by the compositor.
    TMainForm& shownForm() {
        TMainForm& f = form();
        f.showMaximized();
        EXPECT_TRUE(QTest::qWaitForWindowExposed(&f, 10000));
        // Exposed comes before the compositor's maximized size has arrived.
        EXPECT_TRUE(waitUntil([&] {
            return f.isMaximized() &&
                   (g_maximizedHeight == 0 ||
                    f.windowHandle()->frameGeometry().height() == g_maximizedHeight);
        }));
        return f;
    }
    // Starts the stand-in portal; false when it did not take the name.
    bool startPortal(Child& Portal, const QStringList& Arguments) {
        Portal.process().start(g_standIn, Arguments);
        return Portal.waitForLine("ready", 10000);
    }
};

} // namespace

TEST_F(WaylandSession, TheWindowIsANativeWaylandClient) {
    EXPECT_EQ(QGuiApplication::platformName(), QStringLiteral("wayland"));
    TMainForm& f = shownForm();
    EXPECT_TRUE(f.isVisible());
    EXPECT_TRUE(DBusScreenshotPortal::isWaylandSession());
}

// The compositor's screen is 800 x 600 with its panel on top: the window,
// its own title bar included, fits what is left, maximized, and its panels
// get the room they need.
TEST_F(WaylandSession, TheWindowMaximizesOnASmallScreen) {
    TMainForm& f = shownForm();
    const QRect screen = f.screen()->geometry();
    ASSERT_EQ(screen.size(), QSize(800, 600));
    if (g_maximizedHeight == 0) GTEST_SKIP() << "weston's panel did not come up";
    ASSERT_TRUE(waitUntil([&] { return f.isMaximized(); })) << "never maximized";
    QWindow* window = f.windowHandle();
    const QMargins frame = window->frameMargins();
    // What weston's panel leaves; the window must take exactly that.
    const int room = g_maximizedHeight;
    EXPECT_TRUE(waitUntil([&] { return window->frameGeometry().height() == room; }))
        << window->frameGeometry().height() << " high, room for " << room;
    EXPECT_LE(f.minimumHeight() + frame.top() + frame.bottom(), room);
    EXPECT_EQ(window->frameGeometry().width(), screen.width());
    EXPECT_GE(f.centralWidget()->height(), f.centralWidget()->minimumSizeHint().height());
}

TEST_F(WaylandSession, WithoutAPortalTheWindowStaysAndSaysSo) {
    ASSERT_TRUE(waitUntil([] { return !portalOnBus(); }, 5000));
    TMainForm& f = shownForm();
    prompts.answer(MessageAnswer::OK);
    f.photoClick();
    ASSERT_EQ(prompts.messages.size(), 1u);
    EXPECT_EQ(prompts.messages[0].Text, QStringLiteral("The screen cannot be captured here."));
    EXPECT_TRUE(f.isVisible());
    QTest::qWait(300);
    EXPECT_TRUE(f.isVisible()) << "never hidden afterwards either";
}

TEST_F(WaylandSession, ThePortalsPictureIsCapturedUnderTheFrame) {
    ASSERT_TRUE(waitUntil([] { return !portalOnBus(); }, 5000));
    TMainForm& f = shownForm();
    const QSize screen = f.screen()->geometry().size();
    const QImage picture = knownScreen(screen);
    const QString file = QDir(g_scratch).filePath(QStringLiteral("screen.png"));
    ASSERT_TRUE(picture.save(file, "PNG"));
    Child portal;
    ASSERT_TRUE(startPortal(portal, {QStringLiteral("picture"), file}));

    // The real pointer rests away from the middle of the screen.
    const QPoint resting(300, 250);
    ASSERT_TRUE(xdotool({"mousemove", QString::number(resting.x()), QString::number(resting.y())}));
    f.photoClick();
    EXPECT_FALSE(f.isVisible()) << "hidden while the desktop takes its picture";
    ASSERT_TRUE(waitUntil([&] {
        return f.frozenScreenForm() && f.frozenScreenForm()->isVisible();
    })) << "no frozen screen came";
    EXPECT_TRUE(portal.output().contains("asked interactive=false"));
    FrozenScreenForm* frozen = f.frozenScreenForm();
    EXPECT_TRUE(QTest::qWaitForWindowExposed(frozen, 10000));
    EXPECT_TRUE(frozen->windowState() & Qt::WindowFullScreen);
    ASSERT_EQ(frozen->screenPicture().size(), screen);
    EXPECT_EQ(frozen->screenPicture().convertToFormat(QImage::Format_RGB32), picture);
    // Before the pointer moves the frame waits in the middle, never at a
    // place guessed from the hidden main window.
    QTest::qWait(300);
    const QRect waiting = frozen->frame();
    EXPECT_EQ(waiting, captureFrameAt(frozen->rect().center(), QSize(32, 32)))
        << "the frame is at " << waiting.x() << "," << waiting.y();

    const QPoint pointer(200, 150);
    QMouseEvent move(QEvent::MouseMove, pointer, frozen->mapToGlobal(pointer), Qt::NoButton,
                     Qt::NoButton, Qt::NoModifier);
    QCoreApplication::sendEvent(frozen, &move);
    QTest::mouseClick(frozen, Qt::LeftButton, Qt::NoModifier, pointer);
    EXPECT_TRUE(waitUntil([&] { return f.isVisible() && !frozen->isVisible(); }));
    const FloatingSelection* taken = f.session().floatingSelection();
    ASSERT_NE(taken, nullptr);
    EXPECT_EQ(f.session().tools().CurrentTool(), SelectTag);
    const QPoint inside = captureInside(captureFrameAt(pointer, QSize(32, 32))).topLeft();
    for (int y = 0; y < 32; ++y)
        for (int x = 0; x < 32; ++x) {
            const QRgb p = picture.pixel(inside + QPoint(x, y));
            ASSERT_EQ(taken->Pixels.GetPixel(x, y), Color32(255, qRed(p), qGreen(p), qBlue(p)))
                << x << "," << y;
        }
}

// A refusal, and a portal that never answers, both end with the message and
// the window back.
TEST_F(WaylandSession, ARefusedOrUnansweredRequestBringsTheWindowBack) {
    struct Case {
        const char* mode;
        int timeout;
    };
    for (const Case& c : {Case{"refuse", 8000}, Case{"silent", 1500}}) {
        SCOPED_TRACE(c.mode);
        ASSERT_TRUE(waitUntil([] { return !portalOnBus(); }, 5000));
        m_form.reset();
        prompts.messages.clear();
        TMainForm& f = shownForm();
        DBusScreenshotPortal dbus(c.timeout);
        f.setScreenshotPortal(&dbus);
        Child portal;
        ASSERT_TRUE(startPortal(portal, {QLatin1String(c.mode)}));
        prompts.answer(MessageAnswer::OK);
        f.photoClick();
        EXPECT_FALSE(f.isVisible());
        ASSERT_TRUE(waitUntil([&] { return !prompts.messages.empty(); }, c.timeout + 5000));
        EXPECT_TRUE(f.isVisible());
        EXPECT_EQ(prompts.messages[0].Text, QStringLiteral("The screen cannot be captured here."));
        EXPECT_EQ(f.session().floatingSelection(), nullptr);
        f.setScreenshotPortal(nullptr);
    }
}

TEST_F(WaylandSession, AnotherProgramReadsTheCopiedPictureAsPngWithAlpha) {
    TMainForm& f = shownForm();
    ASSERT_TRUE(clickIntoWindow(f)) << "the window did not get the keyboard focus";
    const QImage picture = alphaPicture(32, 32);
    f.session().WorkBitmap().LoadFromBitmap(picture, 255);
    f.session().commit();
    f.commands().action(QStringLiteral("CopyA"))->trigger();

    // On weston wl-paste reads the clipboard through a window of its own that
    // must get the keyboard focus first, which it now and then does not: a
    // read it could not make is made again, a few times.
    auto wlPaste = [](const QStringList& Arguments) {
        std::optional<QByteArray> read;
        for (int attempt = 0; attempt < 3 && !read; ++attempt) {
            if (attempt > 0) QTest::qWait(300);
            read = runProgram(QStringLiteral("wl-paste"), Arguments);
        }
        return read;
    };
    const std::optional<QByteArray> types = wlPaste({"--list-types"});
    ASSERT_TRUE(types) << "wl-paste could not list the clipboard's types";
    EXPECT_TRUE(types->contains("image/png")) << types->constData();
    const std::optional<QByteArray> png = wlPaste({"--no-newline", "--type", "image/png"});
    ASSERT_TRUE(png) << "wl-paste could not read the picture";
    EXPECT_TRUE(samePixels(QImage::fromData(*png, "PNG"), picture));
}

TEST_F(WaylandSession, APngFromAnotherProgramPastesExactly) {
    TMainForm& f = shownForm();
    const QImage picture = alphaPicture(20, 12);
    QByteArray png;
    {
        QBuffer buffer(&png);
        buffer.open(QIODevice::WriteOnly);
        ASSERT_TRUE(picture.save(&buffer, "PNG"));
    }
    QAction* paste = f.commands().action(QStringLiteral("PasteA"));
    ASSERT_TRUE(runProgram(QStringLiteral("wl-copy"), {"--type", "image/png"}, png, true));
    // The clipboard's offer reaches the program with the keyboard focus.
    ASSERT_TRUE(clickIntoWindow(f)) << "the window did not get the keyboard focus";
    // What another program offers replaces what this one copied before.
    ASSERT_TRUE(waitUntil([&] {
        return QGuiApplication::clipboard()->image().size() == picture.size();
    })) << "the other program's picture did not arrive";
    ASSERT_TRUE(paste->isEnabled());
    paste->trigger();
    const FloatingSelection* pasted = f.session().floatingSelection();
    ASSERT_NE(pasted, nullptr);
    EXPECT_TRUE(samePixels(pasted->Pixels.toImage(), picture));
}

// A file dragged from another Wayland program, as from a file manager, and
// dropped on the window opens in it.
TEST_F(WaylandSession, AFileDroppedFromAnotherProgramOpens) {
    if (QStandardPaths::findExecutable(QStringLiteral("import")).isEmpty())
        GTEST_SKIP() << "ImageMagick's import is not installed";
    TMainForm& f = shownForm();
    if (g_maximizedHeight == 0) GTEST_SKIP() << "weston's panel did not come up";
    std::vector<std::unique_ptr<IconImage>> images;
    images.push_back(std::make_unique<IconImage>());
    images.back()->Pixels = TBitmap32(24, 24);
    const QString file = QDir(g_scratch).filePath(QStringLiteral("dropped.ico"));
    SaveIconFile(file, IconFileType, images, TransparencySettings());

    Child source;
    source.process().start(g_dragSource, {file});
    ASSERT_TRUE(source.waitForLine("ready")) << "the drag source did not show";
    // Weston shows a new window with an animation: the source is in place
    // once two pictures of the screen agree.
    std::optional<QPoint> from, before;
    ASSERT_TRUE(waitUntil([&] {
        before = from;
        QTest::qWait(200);
        from = middleOf(screenShot(), qRgb(255, 0, 255));
        return from && before && *from == *before;
    })) << "the drag source is not on the screen";

    // The window is maximized under the panel: its work view's place on the
    // screen follows from its frame. Any point of it away from the source.
    const QMargins frame = f.windowHandle()->frameMargins();
    const QPoint client(frame.left(),
                        f.screen()->geometry().height() - g_maximizedHeight + frame.top());
    QWidget* target = f.workPanel();
    QPoint to = client + target->mapTo(&f, target->rect().center());
    if (std::abs(to.x() - from->x()) < 120 && std::abs(to.y() - from->y()) < 100)
        to = client + target->mapTo(&f, QPoint(target->width() / 5, target->height() / 5));

    // Press on the source, move over the window in steps, each one served,
    // and let go.
    ASSERT_TRUE(syncPointer(f.screen()->geometry().size()));
    ASSERT_TRUE(xdotool({"mousemove", QString::number(from->x()), QString::number(from->y())}));
    QTest::qWait(100);
    ASSERT_TRUE(xdotool({"mousedown", "1"}));
    ASSERT_TRUE(source.waitForLine("pressed")) << "the press did not reach the drag source";
    QTest::qWait(200);
    for (int step = 1; step <= 8; ++step) {
        const QPoint at = *from + (to - *from) * step / 8;
        ASSERT_TRUE(xdotool({"mousemove", QString::number(at.x()), QString::number(at.y())}));
        QTest::qWait(60);
    }
    QTest::qWait(200);
    ASSERT_TRUE(xdotool({"mouseup", "1"}));
    EXPECT_TRUE(source.waitForLine("dragged")) << "the drag did not end";
    EXPECT_TRUE(waitUntil([&] {
        return f.session().document().ImageCount() == 1 && f.session().WorkBitmap().Width == 24;
    })) << "the dropped file was not opened; the source said: "
        << source.output().constData();
    EXPECT_TRUE(f.windowTitle().contains(QStringLiteral("dropped")));
}

namespace {

// Weston inside Xvfb and a session bus of its own, for the whole run.
class PrivateDesktop {
public:
    PrivateDesktop() { m_problem = start(); }
    ~PrivateDesktop() {
        m_bus.stop();
        m_weston.stop();
        m_xvfb.stop();
    }
    const QString& problem() const { return m_problem; }
    QString runtimeDir() const { return m_runtime.path(); }

private:
    QString start() {
        for (const char* tool : {"Xvfb", "weston", "dbus-daemon", "wl-copy", "wl-paste", "xdotool"})
            if (QStandardPaths::findExecutable(QLatin1String(tool)).isEmpty())
                return QStringLiteral("%1 is not installed").arg(QLatin1String(tool));
        const QString plugins = QLibraryInfo::path(QLibraryInfo::PluginsPath);
        if (!QFile::exists(plugins + QStringLiteral("/platforms/libqwayland-generic.so")))
            return QStringLiteral("Qt's Wayland platform (qt6-wayland) is not installed");
        if (!m_runtime.isValid()) return QStringLiteral("no temporary folder");
        QFile::setPermissions(m_runtime.path(),
                              QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);

        const QString display = startXvfb(m_xvfb.process(), QStringLiteral("1280x1024x24"));
        if (display.isEmpty()) return QStringLiteral("Xvfb did not start");

        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert(QStringLiteral("DISPLAY"), display);
        env.insert(QStringLiteral("XDG_RUNTIME_DIR"), m_runtime.path());
        env.insert(QStringLiteral("XDG_CONFIG_HOME"), m_runtime.filePath(QStringLiteral("config")));
        m_weston.process().setProcessEnvironment(env);
        m_weston.process().setProcessChannelMode(QProcess::MergedChannels);
        m_weston.process().start(QStringLiteral("weston"),
                                 {"--backend=x11-backend.so", "--socket=wayland-brisel",
                                  "--width=800", "--height=600", "--use-pixman", "--idle-time=0",
                                  "--no-config"});
        const QString socket = m_runtime.filePath(QStringLiteral("wayland-brisel"));
        QElapsedTimer clock;
        clock.start();
        while (!QFile::exists(socket)) {
            if (clock.elapsed() > 15000 || m_weston.process().state() == QProcess::NotRunning)
                return QStringLiteral("weston did not start: ") +
                       QString::fromLocal8Bit(m_weston.output().right(300));
            QThread::msleep(50);
        }

        // A bus with no service folders: nothing on it but what a test starts.
        const QString config = m_runtime.filePath(QStringLiteral("bus.conf"));
        QFile conf(config);
        if (!conf.open(QIODevice::WriteOnly)) return QStringLiteral("cannot write the bus setup");
        conf.write(
            QStringLiteral(
                "<!DOCTYPE busconfig PUBLIC \"-//freedesktop//DTD D-Bus Bus Configuration "
                "1.0//EN\" \"http://www.freedesktop.org/standards/dbus/1.0/"
                "busconfig.dtd\">\n<busconfig><type>session</type>"
                "<listen>unix:dir=%1</listen><auth>EXTERNAL</auth>"
                "<policy context=\"default\"><allow send_destination=\"*\" eavesdrop=\"true\"/>"
                "<allow eavesdrop=\"true\"/><allow own=\"*\"/></policy></busconfig>\n")
                .arg(m_runtime.path())
                .toUtf8());
        conf.close();
        m_bus.process().start(QStringLiteral("dbus-daemon"),
                              {"--nofork", "--print-address=1", "--config-file=" + config});
        if (!m_bus.waitForLine("\n")) return QStringLiteral("dbus-daemon did not start");
        const QByteArray address = m_bus.output().trimmed();

        qputenv("DISPLAY", display.toLocal8Bit());
        qputenv("XDG_RUNTIME_DIR", m_runtime.path().toLocal8Bit());
        qputenv("WAYLAND_DISPLAY", "wayland-brisel");
        qputenv("XDG_SESSION_TYPE", "wayland");
        qputenv("QT_QPA_PLATFORM", "wayland");
        qputenv("DBUS_SESSION_BUS_ADDRESS", address);
        g_display = display;
        return QString();
    }

    QTemporaryDir m_runtime;
    Child m_xvfb;
    Child m_weston;
    Child m_bus;
    QString m_problem;
};

// How high weston lets a maximized window be: what its panel leaves. The
// panel is a program of weston's own that may come up a moment after the
// compositor; until it has, a maximized window takes the whole screen.
int maximizedHeight() {
    QElapsedTimer clock;
    clock.start();
    while (clock.elapsed() < 15000) {
        QWindow probe;
        probe.showMaximized();
        int height = 0;
        const bool measured = waitUntil(
            [&] {
                height = probe.frameGeometry().height();
                return probe.isExposed() && height > 0;
            },
            2000);
        if (measured && height < probe.screen()->geometry().height()) return height;
        probe.close();
        QTest::qWait(200);
    }
    return 0;
}

} // namespace

int main(int argc, char** argv) {
    ::testing::InitGoogleTest(&argc, argv);
    PrivateDesktop desktop;
    g_skipReason = desktop.problem();
    if (!g_skipReason.isEmpty()) return RUN_ALL_TESTS();
    g_scratch = desktop.runtimeDir();
    int result = 0;
    {
        QApplication app(argc, argv);
        g_standIn =
            QCoreApplication::applicationDirPath() + QStringLiteral("/brisel_portal_standin");
        g_dragSource =
            QCoreApplication::applicationDirPath() + QStringLiteral("/brisel_drag_source");
        if (QGuiApplication::platformName() != QLatin1String("wayland"))
            g_skipReason = QStringLiteral("Qt did not connect to weston");
        else
            g_maximizedHeight = maximizedHeight();
        result = RUN_ALL_TESTS();
    }
    return result;
}
