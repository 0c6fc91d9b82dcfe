#include "session/EditSession.h"

#include "document/IconFileReader.h"
#include "document/IconFileWriter.h"
#include "document/PaletteOps.h"
#include "document/Thumbnail.h"
#include "session/RecentFileList.h"

#include <QDir>
#include <QFileInfo>

namespace {

const QString OpenFilter = QStringLiteral(
    "All supported files|*.ico;*.cur|Windows icon (*.ico)|*.ico|Windows cursor (*.cur)|*.cur|"
    "X cursor (no extension)|*");
const QString SaveFilter = QStringLiteral(
    "Windows icon (*.ico)|*.ico|Windows cursor (*.cur)|*.cur|X cursor (no extension)|*");

// The save dialog's filters are numbered like the file types: 1 icon, 2
// cursor, 3 X cursor.
std::uint16_t typeOfFilter(int FilterIndex) {
    return FilterIndex == 3 ? XcursorFileType : FilterIndex == 2 ? CursorFileType : IconFileType;
}

// Name with its extension replaced by (or given) the one of Type; an X
// cursor has none (cursor themes name their files "left_ptr", "text", ...).
QString withTypeExtension(const QString& Name, std::uint16_t Type) {
    const QString suffix = QFileInfo(Name).suffix();
    QString base = Name;
    if (!suffix.isEmpty()) base.chop(suffix.size() + 1);
    if (Type == XcursorFileType) return base;
    return base + (Type == CursorFileType ? QStringLiteral(".cur") : QStringLiteral(".ico"));
}

// The file both Open commands read: Path when run from code, otherwise the
// one chosen in the open dialog (none when it is cancelled).
std::optional<QString> fileToOpen(Prompter& Prompts, bool FromCode, const QString& Path) {
    if (FromCode) return Path;
    FileDialogRequest request;
    request.Title = EditSession::tr("Open");
    request.Filter = OpenFilter;
    const std::optional<FileChoice> choice = Prompts.openFile(request);
    if (!choice) return std::nullopt;
    return choice->FileName;
}

bool hasTrueColour(const IconFileContents& Contents) {
    for (const auto& image : Contents.Images)
        if (image->Format >= 24) return true;
    return false;
}

} // namespace

void EditSession::OpenAExecute(bool FromCode, const QString& Path) {
    const std::optional<QString> chosen = fileToOpen(m_prompter, FromCode, Path);
    if (!chosen) return;
    const QString& fileName = *chosen;
    // The file is read and checked before anything else: a file that cannot
    // be opened is reported and costs nothing, neither the document with its
    // unsaved changes and undo history nor a question about saving them.
    IconFileContents contents;
    try {
        // Palette images carry their own palette; the colour chart is only
        // read (and its absence reported) when a true-colour image needs it.
        contents = LoadIconFile(fileName, transparency());
    } catch (const FileError& e) {
        m_prompter.message(e.message(), MessageKind::Error, mbOK);
        return;
    }
    // A save asked for here still goes to the current document's own file.
    if (ConfirmSaveChanges()) return;
    emit openingDocument();

    if (hasTrueColour(contents)) {
        const PalettePicture chart = readColourChart();
        for (auto& image : contents.Images)
            if (image->Format >= 24) image->Palette = chart;
    }
    for (auto& image : contents.Images)
        image->Thumbnail = MakeThumbnail(*image);

    m_document.replaceImages(std::move(contents.Images));
    m_document.FileName = fileName;
    m_document.FileType = contents.FileType;
    showOpenedDocument();
    m_document.Modified = false;
    updateCommandStates();
    emit captionChanged(windowCaption());
    AddRecentFile();
    if (!contents.Notice.isEmpty())
        m_prompter.message(contents.Notice, MessageKind::Information, mbOK);
}

void EditSession::showOpenedDocument() {
    // The working copies follow the "Blend Colors" button, not the image.
    const bool blend = m_workBitmap.Blend;
    loadWorkingCopies(m_document.ActiveImage().Pixels);
    m_workBitmap.Blend = blend;
    m_cleanBitmap.Blend = blend;
    ResetUndo();

    const IconImage& active = m_document.ActiveImage();
    if (active.Format < 24) {
        const auto snap = [&](TColor32 C) {
            return SetAlpha(NearestPaletteColor(Color32ToColor(C), active), AlphaOf(C));
        };
        m_foreground = snap(m_foreground);
        m_background = snap(m_background);
    }
    emit imagesReplaced();
    emit activeImageChanged();
    emit workChanged();
}

void EditSession::Open2Click(bool FromCode, const QString& Path) {
    const std::optional<QString> chosen = fileToOpen(m_prompter, FromCode, Path);
    if (!chosen) return;
    const QString& fileName = *chosen;

    IconFileContents contents;
    try {
        contents = LoadIconFile(fileName, transparency());
        if (m_document.ImageCount() + int(contents.Images.size()) > IconFile::MaxImageCount)
            throw IconFileError(
                tr("The images of \"%1\" cannot be added: a file holds at most %2 images.")
                    .arg(QDir::toNativeSeparators(fileName))
                    .arg(IconFile::MaxImageCount));
    } catch (const FileError& e) {
        m_prompter.message(e.message(), MessageKind::Error, mbOK);
        return;
    }
    if (hasTrueColour(contents)) {
        const PalettePicture chart = readColourChart();
        for (auto& image : contents.Images)
            if (image->Format >= 24) image->Palette = chart;
    }
    for (auto& image : contents.Images) {
        image->Thumbnail = MakeThumbnail(*image);
        m_document.appendImage(std::move(image));
    }
    m_document.Modified = true;
    updateCommandStates();
    emit imagesReplaced();
}

SaveResult EditSession::SaveAExecute(bool FromCode) {
    if (m_document.FileName.isEmpty()) return SaveAs1Click();
    const int inverted = m_document.FileType == XcursorFileType
                             ? CountInvertedPixels(m_document.Images(), transparency())
                             : 0;
    try {
        SaveIconFile(m_document.FileName, m_document.FileType, m_document.Images(), transparency());
    } catch (const FileError& e) {
        // The old file is replaced only by a complete new one, so it is still
        // there as it was; the changes stay in memory, marked unsaved.
        m_prompter.message(e.message(), MessageKind::Error, mbOK);
        return SaveResult::Failed;
    }
    m_document.Modified = false;
    // A Save the user chose leaves the recent files alone; a save from code
    // (Save As, the "Save changes?" question) puts the file at the top.
    if (FromCode) AddRecentFile();
    if (inverted > 0)
        m_prompter.message(
            tr("An X cursor cannot invert the screen: its %1 screen-inverting pixels were saved "
               "as dark pixels with a light outline.")
                .arg(inverted),
            MessageKind::Information, mbOK);
    return SaveResult::Saved;
}

SaveResult EditSession::SaveAs1Click() {
    FileDialogRequest request;
    request.Title = tr("Save As");
    request.Filter = SaveFilter;
    request.FileName =
        m_document.FileName.isEmpty() ? QStringLiteral("untitled") : m_document.FileName;
    request.FilterIndex = m_document.FileType == XcursorFileType  ? 3
                          : m_document.FileType == CursorFileType ? 2
                                                                  : 1;
    for (;;) {
        const std::optional<FileChoice> choice = m_prompter.saveFile(request);
        if (!choice) return SaveResult::Cancelled;
        const std::uint16_t type = typeOfFilter(choice->FilterIndex);
        const QString name = withTypeExtension(choice->FileName, type);
        request.FileName = name;
        request.FilterIndex = type;
        if (QFileInfo::exists(name)) {
            const MessageAnswer answer =
                m_prompter.message(name + tr(" already exists.\nDo you want to replace it?"),
                                   MessageKind::Warning, mbYesNoCancel);
            if (answer == MessageAnswer::No) continue;
            if (answer != MessageAnswer::Yes) return SaveResult::Cancelled;
        }

        // Name and type change only with a file to show for them: a save that
        // fails leaves the document named as before.
        const QString oldName = m_document.FileName;
        const std::uint16_t oldType = m_document.FileType;
        m_document.FileName = name;
        m_document.FileType = type;
        const SaveResult result = SaveAExecute(true);
        if (result != SaveResult::Saved) {
            m_document.FileName = oldName;
            m_document.FileType = oldType;
        }
        emit captionChanged(windowCaption());
        return result;
    }
}

void EditSession::AddRecentFile() {
    if (m_recent) m_recent->AddRecentFile(m_document.FileName);
    emit recentFilesChanged();
}
