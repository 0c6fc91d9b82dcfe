#include "app/ui/QtPrompter.h"

#include "document/ui/ProgramGroupDialog.h"

#include <QColorDialog>
#include <QFileDialog>
#include <QFontDialog>
#include <QMessageBox>

namespace {

QColor toQColor(TColor C) {
    return QColor(int(C & 0xFF), int((C >> 8) & 0xFF), int((C >> 16) & 0xFF));
}
TColor fromQColor(const QColor& C) {
    return TColor(C.red()) | (TColor(C.green()) << 8) | (TColor(C.blue()) << 16);
}

} // namespace

MessageAnswer QtPrompter::message(const QString& Text, MessageKind Kind, MessageButtons Buttons) {
    QMessageBox::Icon icon = QMessageBox::Information;
    QString title = QMessageBox::tr("Information");
    switch (Kind) {
    case MessageKind::Confirmation:
        icon = QMessageBox::Question;
        title = QMessageBox::tr("Confirm");
        break;
    case MessageKind::Warning:
        icon = QMessageBox::Warning;
        title = QMessageBox::tr("Warning");
        break;
    case MessageKind::Error:
        icon = QMessageBox::Critical;
        title = QMessageBox::tr("Error");
        break;
    case MessageKind::Information:
        break;
    }
    QMessageBox::StandardButtons buttons;
    if (Buttons & mbYes) buttons |= QMessageBox::Yes;
    if (Buttons & mbNo) buttons |= QMessageBox::No;
    if (Buttons & mbOK) buttons |= QMessageBox::Ok;
    if (Buttons & mbCancel) buttons |= QMessageBox::Cancel;
    if (!buttons) buttons = QMessageBox::Ok;

    QMessageBox box(icon, title, Text, buttons, m_parent);
    box.setWindowModality(Qt::ApplicationModal);
    // Closing the box counts as its cancel button, or OK for a plain notice.
    switch (box.exec()) {
    case QMessageBox::Yes:
        return MessageAnswer::Yes;
    case QMessageBox::No:
        return MessageAnswer::No;
    case QMessageBox::Ok:
        return MessageAnswer::OK;
    default:
        return (Buttons & mbCancel) || !(Buttons & mbOK) ? MessageAnswer::Cancel
                                                         : MessageAnswer::OK;
    }
}

QStringList QtPrompter::nameFilters(const QString& Filter) {
    QStringList out;
    const QStringList parts = Filter.split(QLatin1Char('|'));
    for (int i = 0; i + 1 < parts.size(); i += 2) {
        const QString raw = parts.at(i + 1).trimmed();
        const QString patterns = raw.split(QLatin1Char(';')).join(QLatin1Char(' '));
        // Qt reads the patterns from the last parentheses of each entry; a
        // description that already shows them ("Windows icon (*.ico)") keeps
        // its words.
        QString description = parts.at(i).trimmed();
        const QString shown = QLatin1Char('(') + raw + QLatin1Char(')');
        if (description.endsWith(shown)) description.chop(shown.size());
        out << description.trimmed() + QStringLiteral(" (") + patterns + QLatin1Char(')');
    }
    return out;
}

std::optional<FileChoice> QtPrompter::runFileDialog(const FileDialogRequest& Request, bool Save) {
    QFileDialog dialog(m_parent, Request.Title, Request.InitialDir);
    dialog.setAcceptMode(Save ? QFileDialog::AcceptSave : QFileDialog::AcceptOpen);
    dialog.setFileMode(Save ? QFileDialog::AnyFile : QFileDialog::ExistingFile);
    // The overwrite question belongs to the Save command, which asks it itself.
    dialog.setOption(QFileDialog::DontConfirmOverwrite, true);
    const QStringList filters = nameFilters(Request.Filter);
    dialog.setNameFilters(filters);
    if (Request.FilterIndex >= 1 && Request.FilterIndex <= filters.size())
        dialog.selectNameFilter(filters.at(Request.FilterIndex - 1));
    if (!Request.FileName.isEmpty()) dialog.selectFile(Request.FileName);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return std::nullopt;
    FileChoice choice;
    choice.FileName = dialog.selectedFiles().constFirst();
    choice.FilterIndex = int(filters.indexOf(dialog.selectedNameFilter())) + 1;
    if (choice.FilterIndex < 1) choice.FilterIndex = 1;
    return choice;
}

std::optional<FileChoice> QtPrompter::openFile(const FileDialogRequest& Request) {
    return runFileDialog(Request, false);
}

std::optional<FileChoice> QtPrompter::saveFile(const FileDialogRequest& Request) {
    return runFileDialog(Request, true);
}

std::optional<TColor> QtPrompter::chooseColor(TColor Initial, CustomColours& Custom) {
    // Slots that were never set show white, as a fresh colour dialog does.
    const auto known = Custom.slotColours();
    for (int i = 0; i < CustomColours::Count; ++i)
        QColorDialog::setCustomColor(i, toQColor(known[std::size_t(i)].value_or(0xFFFFFF)));
    QColorDialog dialog(toQColor(Initial), m_parent);
    const bool ok = dialog.exec() == QDialog::Accepted;
    std::array<TColor, CustomColours::Count> after{};
    for (int i = 0; i < CustomColours::Count; ++i)
        after[std::size_t(i)] = fromQColor(QColorDialog::customColor(i));
    Custom.setSlots(after);
    if (!ok) return std::nullopt;
    return fromQColor(dialog.selectedColor());
}

std::optional<QFont> QtPrompter::chooseFont(const QFont& Initial) {
    bool ok = false;
    const QFont f = QFontDialog::getFont(&ok, Initial, m_parent);
    if (!ok) return std::nullopt;
    return f;
}

std::optional<int> QtPrompter::chooseProgramGroup(const QString& Program,
                                                  const std::vector<ProgramGroup>& Groups) {
    ProgramGroupDialog dialog(Program, Groups, m_parent);
    if (dialog.exec() != QDialog::Accepted) return std::nullopt;
    return dialog.chosen();
}
