#include "app/ui/DesktopShellOpener.h"

#include <QProcess>
#include <QTimer>
#include <QUrl>

DesktopShellOpener::DesktopShellOpener(int PatienceMs) : m_patience(PatienceMs) {}

void DesktopShellOpener::openFile(const QString& Path, Outcome Done) {
    start(Path, std::move(Done));
}

void DesktopShellOpener::openUrl(const QString& Url, Outcome Done) {
    start(QUrl(Url).toString(QUrl::FullyEncoded), std::move(Done));
}

void DesktopShellOpener::start(const QString& Target, Outcome Done) {
    // The process is not owned by anything that ends with the program: a
    // browser that runs in the opener's place stays open after it.
    auto* opener = new QProcess;
    opener->setStandardOutputFile(QProcess::nullDevice());
    opener->setStandardErrorFile(QProcess::nullDevice());
    auto reported = std::make_shared<bool>(false);
    const auto report = [reported, Done](bool Opened) {
        if (*reported) return;
        *reported = true;
        if (Done) Done(Opened);
    };
    std::shared_ptr<int> running = m_running;
    ++*running;
    const auto ended = [opener, running] {
        --*running;
        opener->deleteLater();
    };
    QObject::connect(opener, &QProcess::errorOccurred, opener,
                     [report, ended](QProcess::ProcessError Error) {
                         if (Error != QProcess::FailedToStart) return;
                         report(false);
                         ended();
                     });
    QObject::connect(opener, &QProcess::finished, opener,
                     [report, ended](int Code, QProcess::ExitStatus Status) {
                         report(Status == QProcess::NormalExit && Code == 0);
                         ended();
                     });
    QTimer::singleShot(m_patience, opener, [report] { report(true); });
    opener->start(QStringLiteral("xdg-open"), {Target});
}
