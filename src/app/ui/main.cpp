#include "app/ProgramFolder.h"
#include "app/ProgramPicture.h"
#include "app/ui/DesktopShellOpener.h"
#include "app/ui/GuardedApplication.h"
#include "app/ui/MainForm.h"
#include "app/ui/QtPrompter.h"

#include <cstdio>
#include <cstdlib>

namespace {

QtMessageHandler g_qtMessages = nullptr;
bool g_starting = true;

// Where no display can be opened (no desktop, a display that went away,
// a missing platform plugin) Qt ends the program with an abort, which shells
// and desktops report as a crash with a core dump. Qt has said why; the
// program adds that it cannot start and ends with a plain failure status.
void startupMessages(QtMsgType Type, const QMessageLogContext& Context, const QString& Text) {
    g_qtMessages(Type, Context, Text);
    if (Type == QtFatalMsg && g_starting) {
        std::fputs("Brisel cannot start: it has no display to show its window on.\n", stderr);
        std::fflush(stderr);
        std::_Exit(1);
    }
}

} // namespace

int main(int argc, char** argv) {
    g_qtMessages = qInstallMessageHandler(startupMessages);
    GuardedApplication app(argc, argv);
    g_starting = false;
    // The program's title is its name and version; the window captions carry
    // only the document's name.
    QApplication::setApplicationName(QStringLiteral("Brisel"));
    QApplication::setApplicationVersion(QStringLiteral("1.0"));
    // The desktop finds the launcher entry, and with it the themed icon, by
    // this name.
    QGuiApplication::setDesktopFileName(QLatin1String(ApplicationId));

    QtPrompter prompter;
    DesktopShellOpener shell;
    TMainForm form(prompter, shell, findProgramFolder(QApplication::applicationDirPath()));
    prompter.setParent(&form);
    app.setOutOfMemoryReport([&prompter] {
        prompter.message(QObject::tr("There is not enough memory to finish the command."),
                         MessageKind::Error, mbOK);
    });
    const QStringList args = QApplication::arguments();
    if (args.size() > 1) form.setCommandLineFile(args.at(1));
    form.show();
    return app.exec();
}
