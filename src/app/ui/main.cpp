#include "app/ProgramFolder.h"
#include "app/ProgramPicture.h"
#include "app/ui/DesktopShellOpener.h"
#include "app/ui/MainForm.h"
#include "app/ui/QtPrompter.h"

#include <QApplication>

int main(int argc, char** argv) {
    QApplication app(argc, argv);
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
    const QStringList args = QApplication::arguments();
    if (args.size() > 1) form.setCommandLineFile(args.at(1));
    form.show();
    return app.exec();
}
