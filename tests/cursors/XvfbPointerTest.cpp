// An exported theme's pointer on a real X server: a private Xvfb, the
// cursor loaded by libXcursor from the theme (XcursorLibraryLoadCursor),
// set on the root window and read back from the server with
// XFixesGetCursorImage. Skipped where Xvfb or the libraries are missing;
// every wait is bounded.

#include "SchemeDrawing.h"

#include "cursortheme/CursorThemeExport.h"
#include "document/file/CursorSizes.h"
#include "document/file/XcursorPixel.h"

#include <QDir>
#include <QElapsedTimer>
#include <QImage>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <dlfcn.h>
#include <gtest/gtest.h>

namespace {

// The few Xlib, Xcursor and XFixes calls the test makes, loaded at run time
// so that no development package is needed.
struct XFixesCursorImageC {
    short x, y;
    unsigned short width, height;
    unsigned short xhot, yhot;
    unsigned long cursor_serial;
    unsigned long* pixels;
    unsigned long atom;
    const char* name;
};

struct XLibraries {
    void* x11 = dlopen("libX11.so.6", RTLD_NOW);
    void* fixes = dlopen("libXfixes.so.3", RTLD_NOW);
    void* xcursor = dlopen("libXcursor.so.1", RTLD_NOW);
    bool loaded() const { return x11 && fixes && xcursor; }
    template <class F> F get(void* Lib, const char* Name) {
        return reinterpret_cast<F>(dlsym(Lib, Name));
    }
};

class PrivateXServer {
public:
    PrivateXServer() {
        if (QStandardPaths::findExecutable(QStringLiteral("Xvfb")).isEmpty()) return;
        m_xvfb.start(QStringLiteral("Xvfb"),
                     {"-displayfd", "1", "-screen", "0", "320x240x24", "-nolisten", "tcp"});
        QElapsedTimer clock;
        clock.start();
        QByteArray number;
        while (!number.contains('\n') && clock.elapsed() < 10000 &&
               m_xvfb.state() != QProcess::NotRunning) {
            m_xvfb.waitForReadyRead(200);
            number += m_xvfb.readAllStandardOutput();
        }
        if (number.contains('\n')) m_display = ":" + number.trimmed();
    }
    ~PrivateXServer() {
        if (m_xvfb.state() == QProcess::NotRunning) return;
        m_xvfb.terminate();
        if (!m_xvfb.waitForFinished(3000)) {
            m_xvfb.kill();
            m_xvfb.waitForFinished(1000);
        }
    }
    const QByteArray& display() const { return m_display; }

private:
    QProcess m_xvfb;
    QByteArray m_display;
};

} // namespace

TEST(XvfbPointer, TheServerShowsTheExportedPointerWithItsHotSpot) {
    XLibraries x;
    if (!x.loaded()) GTEST_SKIP() << "libX11, libXfixes or libXcursor is not installed";
    PrivateXServer server;
    if (server.display().isEmpty()) GTEST_SKIP() << "Xvfb is not installed or did not start";

    QTemporaryDir dir;
    CursorThemePlan plan;
    plan.Name = "Drawn";
    for (const CursorRole* r : SchemeCursorRoles())
        plan.Cursors.push_back({r, DrawSchemeCursor(*r)});
    WriteCursorTheme(dir.path().toStdString(), plan.Name, LayOutCursorTheme(plan));
    // libXcursor reads these once, at its first theme lookup in this process.
    qputenv("XCURSOR_PATH", dir.path().toLocal8Bit());
    qputenv("XCURSOR_THEME", "Drawn");
    qputenv("XCURSOR_SIZE", "48");

    using Display = void;
    const auto open = x.get<Display* (*)(const char*)>(x.x11, "XOpenDisplay");
    const auto root = x.get<unsigned long (*)(Display*)>(x.x11, "XDefaultRootWindow");
    const auto define = x.get<int (*)(Display*, unsigned long, unsigned long)>(x.x11, "XDefineCursor");
    const auto sync = x.get<int (*)(Display*, int)>(x.x11, "XSync");
    const auto xfree = x.get<int (*)(void*)>(x.x11, "XFree");
    const auto close = x.get<int (*)(Display*)>(x.x11, "XCloseDisplay");
    const auto load = x.get<unsigned long (*)(Display*, const char*)>(x.xcursor,
                                                                      "XcursorLibraryLoadCursor");
    const auto image = x.get<XFixesCursorImageC* (*)(Display*)>(x.fixes, "XFixesGetCursorImage");
    ASSERT_TRUE(open && root && define && sync && xfree && close && load && image);

    Display* display = open(server.display().constData());
    ASSERT_NE(display, nullptr);
    struct Case {
        const char* Name;
        const char* Role;
    };
    // A CSS name, an X11 core name and a legacy name, each through its link.
    const Case cases[] = {{"default", "Arrow"}, {"hand2", "Hand"}, {"size_fdiag", "SizeNWSE"}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.Name);
        const unsigned long cursor = load(display, c.Name);
        ASSERT_NE(cursor, 0u);
        define(display, root(display), cursor);
        sync(display, 0);
        XFixesCursorImageC* shown = image(display);
        ASSERT_NE(shown, nullptr);
        const CursorRole* role = nullptr;
        for (const CursorRole* r : SchemeCursorRoles())
            if (r->Registry == c.Role) role = r;
        const XcursorImage want = MakeCursorSizes(DrawSchemeCursor(*role).Images, {48}).front();
        EXPECT_EQ(shown->width, want.Width);
        EXPECT_EQ(shown->height, want.Height);
        EXPECT_EQ(shown->xhot, want.HotSpotX);
        EXPECT_EQ(shown->yhot, want.HotSpotY);
        QImage picture(shown->width, shown->height, QImage::Format_ARGB32_Premultiplied);
        int differing = 0;
        for (int i = 0; i < shown->width * shown->height; ++i) {
            const std::uint32_t got = std::uint32_t(shown->pixels[i]);
            differing += got != premultipliedArgb(want.Pixels[std::size_t(i)]) ? 1 : 0;
            picture.setPixel(i % shown->width, i / shown->width, got);
        }
        EXPECT_EQ(differing, 0);
        if (const QByteArray shots = qgetenv("BRISEL_SHOT_DIR"); !shots.isEmpty()) {
            // Enlarged four times, the hot spot's pixel outlined in red.
            QImage big = picture.scaled(picture.size() * 4);
            for (int k = 0; k < 4; ++k) {
                const int hx = shown->xhot * 4, hy = shown->yhot * 4;
                big.setPixel(hx + k, hy, qRgb(255, 0, 0));
                big.setPixel(hx, hy + k, qRgb(255, 0, 0));
            }
            big.save(QDir(QString::fromLocal8Bit(shots))
                         .filePath(QStringLiteral("xvfb-pointer-%1.png").arg(c.Name)));
        }
        xfree(shown);
    }
    close(display);
}
