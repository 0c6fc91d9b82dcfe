#include "app/ProgramFolder.h"
#include "app/ProgramPicture.h"
#include "app/ui/DesktopShellOpener.h"
#include "app/ui/GuardedApplication.h"
#include "app/ui/MainForm.h"
#include "app/ui/QtPrompter.h"

int main(int argc, char** argv) {
    GuardedApplication app(argc, argv);
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
