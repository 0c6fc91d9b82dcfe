#include "app/ui/MainForm.h"

#include "app/ShellOpener.h"
#include "app/ui/AboutBox.h"
#include "app/ui/ULForm.h"
#include "images/ui/PreviewForm.h"

#include <QAction>
#include <QDir>
#include <QFileInfo>
#include <QPointer>
#include <QStatusBar>
#include <QToolBar>

const char* const TMainForm::HomePage = "https://brisel.example.org/";
const char* const TMainForm::HelpFileName = "briselhelp.html";

void TMainForm::Exit1Click() {
    close();
}

void TMainForm::UndoLevel1Click() {
    if (const auto v = ulForm().ask(tr("Undo Level"), m_session->settings().UndoMax,
                                    ProgramSettings::UndoMaxLimit))
        m_session->setUndoMax(*v);
}

void TMainForm::ransparencyalpharange1Click() {
    if (const auto v =
            ulForm().ask(tr("Transparency alpha range"), m_session->settings().TraRange, 255))
        m_session->setTraRange(*v);
}

void TMainForm::GridAExecute() {
    m_session->setGridShown(m_commands.action(QStringLiteral("GridA"))->isChecked());
}

void TMainForm::oolbar1Click() {
    m_toolBar->setVisible(m_commands.action(QStringLiteral("oolbar1"))->isChecked());
}

void TMainForm::Statusbar1Click() {
    statusBar()->setVisible(m_commands.action(QStringLiteral("Statusbar1"))->isChecked());
}

void TMainForm::HelpAExecute() {
    const QString path = QDir(m_session->ProgramFolder()).filePath(QLatin1String(HelpFileName));
    if (!QFileInfo::exists(path)) {
        m_prompter.message(
            tr("The help file \"%1\" was not found.").arg(QDir::toNativeSeparators(path)),
            MessageKind::Error, mbOK);
        return;
    }
    // The help is a web page: the desktop shows it in its browser. Without
    // one, the message says where the page is, so it can be opened by hand.
    const QPointer<TMainForm> self(this);
    m_shell.openFile(path, [self, path](bool Opened) {
        if (Opened || !self) return;
        self->m_prompter.message(tr("No web browser could be started to show the help.\n"
                                    "The help document is \"%1\".")
                                     .arg(QDir::toNativeSeparators(path)),
                                 MessageKind::Error, mbOK);
    });
}

void TMainForm::VisitHomepage1Click() {
    const QString url = QLatin1String(HomePage);
    const QPointer<TMainForm> self(this);
    m_shell.openUrl(url, [self, url](bool Opened) {
        if (Opened || !self) return;
        self->m_prompter.message(tr("No web browser could be started to open %1.").arg(url),
                                 MessageKind::Error, mbOK);
    });
}

void TMainForm::PreviewAExecute() {
    if (!m_prvFrm) {
        m_prvFrm = new TPrvFrm(m_prompter, this);
        m_prvFrm->setMagnifierCursor(m_cursors.cursor(33));
    }
    m_prvFrm->execute(m_session->CleanBitmap(), m_session->ActiveImage().Format,
                      m_session->transparency(), m_session->customColours());
}

void TMainForm::About1Click() {
    if (!m_aboutBox) m_aboutBox = new TAboutBox(this);
    m_aboutBox->exec();
}
