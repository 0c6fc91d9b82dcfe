#pragma once

// What the tests that run Brisel beside other programs on a private desktop
// share: bounded waits that keep the event loop going (the clipboard is
// served from it), the other programs run to their end, a picture with every
// kind of alpha and its comparison, and the private X server.

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QImage>
#include <QProcess>
#include <QString>
#include <functional>
#include <gtest/gtest.h>
#include <optional>
#include <signal.h>
#include <sys/prctl.h>

// Runs the event loop until Done or the deadline.
inline bool waitUntil(const std::function<bool()>& Done, int Milliseconds = 10000) {
    QElapsedTimer clock;
    clock.start();
    while (!Done()) {
        if (clock.elapsed() > Milliseconds) return false;
        QCoreApplication::processEvents(QEventLoop::AllEvents, 20);
    }
    return true;
}

// Every kind of pixel the clipboard must carry unchanged: opaque, partly and
// fully transparent ones with colour under them.
inline QImage alphaPicture(int W, int H) {
    QImage p(W, H, QImage::Format_ARGB32);
    for (int y = 0; y < H; ++y)
        for (int x = 0; x < W; ++x)
            p.setPixel(
                x, y, qRgba(x * 9 % 256, y * 13 % 256, (x + y) * 5 % 256, (x * 37 + y * 11) % 256));
    return p;
}

// Runs a program to its end, serving the event loop meanwhile (the
// clipboard is served from it); its output when it ended well in time.
inline std::optional<QByteArray> runProgram(const QString& Program, const QStringList& Arguments,
                                            const QByteArray& Input = QByteArray(),
                                            bool InBackground = false) {
    QProcess p;
    p.start(Program, Arguments);
    if (!p.waitForStarted(5000)) return std::nullopt;
    if (!Input.isEmpty()) p.write(Input);
    p.closeWriteChannel();
    if (InBackground) {
        // wl-copy stays behind to serve the clipboard; it is ended when the
        // compositor goes.
        p.waitForFinished(5000);
        return p.exitStatus() == QProcess::NormalExit ? std::optional<QByteArray>(QByteArray())
                                                      : std::nullopt;
    }
    if (!waitUntil([&] { return p.state() == QProcess::NotRunning; })) {
        p.kill();
        p.waitForFinished(1000);
        return std::nullopt;
    }
    if (p.exitStatus() != QProcess::NormalExit || p.exitCode() != 0) return std::nullopt;
    return p.readAllStandardOutput();
}

// Read holds exactly the pixels of Expected, alpha included; where not, the
// first pixel that differs.
inline ::testing::AssertionResult samePixels(const QImage& Read, const QImage& Expected) {
    const QImage a = Read.convertToFormat(QImage::Format_ARGB32);
    const QImage b = Expected.convertToFormat(QImage::Format_ARGB32);
    if (a.size() != b.size())
        return ::testing::AssertionFailure() << a.width() << " x " << a.height() << " instead of "
                                             << b.width() << " x " << b.height();
    for (int y = 0; y < a.height(); ++y)
        for (int x = 0; x < a.width(); ++x)
            if (a.pixel(x, y) != b.pixel(x, y))
                return ::testing::AssertionFailure()
                       << "pixel " << x << "," << y << " is " << std::hex << a.pixel(x, y)
                       << " instead of " << b.pixel(x, y);
    return ::testing::AssertionSuccess();
}

// P's program is ended by the system when this test program ends, even when
// it ends abruptly (a fatal error from the display): no X server or
// compositor outlives the run.
inline void endsWithThisProgram(QProcess& P) {
    P.setChildProcessModifier([] { ::prctl(PR_SET_PDEATHSIG, SIGTERM); });
}

// Ends a helper program, politely first.
inline void endProcess(QProcess& P) {
    if (P.state() == QProcess::NotRunning) return;
    P.terminate();
    if (!P.waitForFinished(3000)) {
        P.kill();
        P.waitForFinished(1000);
    }
}

// Starts a private Xvfb with one screen of Screen ("WxHxDepth"); its display
// (":N"), or empty when it did not start in time.
inline QString startXvfb(QProcess& Xvfb, const QString& Screen) {
    endsWithThisProgram(Xvfb);
    Xvfb.start(QStringLiteral("Xvfb"),
               {QStringLiteral("-displayfd"), QStringLiteral("1"), QStringLiteral("-screen"),
                QStringLiteral("0"), Screen, QStringLiteral("-nolisten"), QStringLiteral("tcp")});
    QElapsedTimer clock;
    clock.start();
    QByteArray number;
    while (!number.contains('\n') && clock.elapsed() < 10000 &&
           Xvfb.state() != QProcess::NotRunning) {
        Xvfb.waitForReadyRead(200);
        number += Xvfb.readAllStandardOutput();
    }
    return number.contains('\n') ? QStringLiteral(":") + QString::fromLatin1(number.trimmed())
                                 : QString();
}
