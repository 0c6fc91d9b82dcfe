#include "session/EditSession.h"

#include "document/AniFileIO.h"
#include "document/IconFileReader.h"
#include "document/IconFileWriter.h"
#include "document/PaletteOps.h"
#include "document/ProgramIcons.h"
#include "document/XcursorAnimationIO.h"
#include "document/Thumbnail.h"
#include "session/RecentFileList.h"

#include <QDir>
#include <QFileInfo>
#include <algorithm>

namespace {

const QString OpenFilter =
    QStringLiteral("All supported files|*.ico;*.cur;*.ani;%1|Windows icon (*.ico)|*.ico|"
                   "Windows cursor (*.cur)|*.cur|Animated cursor (*.ani)|*.ani|"
                   "Windows programs and libraries|%1|X cursor (no extension)|*")
        .arg(QLatin1String(ProgramFilePatterns));
const QString SaveFilter =
    QStringLiteral("Windows icon (*.ico)|*.ico|Windows cursor (*.cur)|*.cur|"
                   "Animated cursor (*.ani)|*.ani|X cursor (no extension)|*");

// The save dialog's filters are numbered like the file types: 1 icon, 2 cursor,
// 3 animated cursor, whose frames are cursors, and 4 X cursor.
constexpr int AniFilter = 3;
constexpr int XcursorFilter = 4;
std::uint16_t typeOfFilter(int FilterIndex) {
    if (FilterIndex == XcursorFilter) return XcursorFileType;
    return FilterIndex == 2 || FilterIndex == AniFilter ? CursorFileType : IconFileType;
}

// An animated cursor is saved as one by its name.
bool isAniName(const QString& Name) {
    return QFileInfo(Name).suffix().compare(QLatin1String("ani"), Qt::CaseInsensitive) == 0;
}

// Name with its extension replaced by (or given) the one of the filter; an X
// cursor has none (cursor themes name their files "left_ptr", "text", ...).
QString withTypeExtension(const QString& Name, int FilterIndex) {
    const QString suffix = QFileInfo(Name).suffix();
    QString base = Name;
    if (!suffix.isEmpty()) base.chop(suffix.size() + 1);
    if (FilterIndex == XcursorFilter) return base;
    if (FilterIndex == AniFilter) return base + QStringLiteral(".ani");
    return base + (typeOfFilter(FilterIndex) == CursorFileType ? QStringLiteral(".cur")
                                                               : QStringLiteral(".ico"));
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

// What both Open commands read from FileName: an icon or cursor file, or the
// group of a program that the user chooses (FromProgram then says so);
// nothing when the chooser is cancelled. Throws FileError.
std::optional<IconFileContents> readOpenable(Prompter& Prompts, const QString& FileName,
                                             const QByteArray& Bytes,
                                             const TransparencySettings& Settings,
                                             bool& FromProgram) {
    FromProgram = IsProgramFile(Bytes);
    if (!FromProgram) return ReadIconFile(Bytes, FileName, Settings);
    const std::vector<ProgramGroup> groups = ReadProgramGroups(Bytes, FileName, Settings);
    const std::optional<int> chosen = Prompts.chooseProgramGroup(FileName, groups);
    if (!chosen || *chosen < 0 || *chosen >= int(groups.size())) return std::nullopt;
    const ProgramGroup& group = groups[std::size_t(*chosen)];
    return ReadIconFile(
        group.File,
        EditSession::tr("%1, group %2").arg(QDir::toNativeSeparators(FileName), group.Label),
        Settings);
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
    std::optional<AniFileContents> ani;
    bool animatedXcursor = false;
    bool fromProgram = false;
    try {
        // Palette images carry their own palette; the colour chart is only
        // read (and its absence reported) when a true-colour image needs it.
        const QByteArray bytes = LoadFileBytes(fileName);
        if (IsAniFileData(bytes)) {
            ani = ReadAniFile(bytes, fileName, transparency());
        } else if (IsAnimatedXcursorData(bytes)) {
            ani = ReadXcursorAnimation(bytes, fileName);
            animatedXcursor = true;
        } else {
            std::optional<IconFileContents> read =
                readOpenable(m_prompter, fileName, bytes, transparency(), fromProgram);
            if (!read) return;
            contents = std::move(*read);
        }
    } catch (const FileError& e) {
        m_prompter.message(e.message(), MessageKind::Error, mbOK);
        return;
    }
    // A save asked for here still goes to the current document's own file.
    if (ConfirmSaveChanges()) return;
    emit openingDocument();

    std::optional<PalettePicture> chart;
    const auto prepare = [&](std::vector<std::unique_ptr<IconImage>>& Images) {
        for (auto& image : Images) {
            if (image->Format >= 24) {
                if (!chart) chart = readColourChart();
                image->Palette = *chart;
            }
            image->Thumbnail = MakeThumbnail(*image);
        }
    };
    if (ani) {
        for (IconFrame& frame : ani->Frames)
            prepare(frame.Images);
        m_document.replaceFrames(std::move(ani->Frames));
        m_document.Sequence = std::move(ani->Sequence);
        m_document.DisplayRate = ani->DisplayRate;
        m_document.Title = ani->Title;
        m_document.Author = ani->Author;
        m_document.FileType = animatedXcursor ? XcursorFileType : CursorFileType;
        contents.Notice = ani->Notice;
    } else {
        prepare(contents.Images);
        m_document.replaceImages(std::move(contents.Images));
        m_document.FileType = contents.FileType;
    }
    // A group taken from a program is a new document: it has no file of its
    // own yet, and closing it asks to save it.
    m_document.FileName = fromProgram ? QString() : fileName;
    showOpenedDocument();
    m_document.Modified = fromProgram;
    updateCommandStates();
    emit captionChanged(windowCaption());
    if (!fromProgram) AddRecentFile();
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
        bool fromProgram = false;
        std::optional<IconFileContents> read =
            readOpenable(m_prompter, fileName, LoadFileBytes(fileName), transparency(), fromProgram);
        if (!read) return;
        contents = std::move(*read);
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
    // What is saved is what the user sees: a floating selection lands first,
    // as one undo step, as a tool change would drop it. Left floating, it
    // would be missing from the file while the document counted as saved.
    endPendingShape();
    DropSelection();
    const bool ani = isAniName(m_document.FileName);
    const bool xcursor = m_document.FileType == XcursorFileType;
    // An X cursor animates its frames too.
    const bool animatedXcursor = xcursor && m_document.FrameCount() > 1;
    // A cursor or icon file holds one frame: the others would be lost.
    if (!ani && !animatedXcursor && m_document.FrameCount() > 1 &&
        m_prompter.message(tr("This animated cursor has %1 frames, but \"%2\" can hold only one. "
                              "Save only frame %3, the one being edited?")
                               .arg(m_document.FrameCount())
                               .arg(QDir::toNativeSeparators(m_document.FileName))
                               .arg(m_document.activeFrame() + 1),
                           MessageKind::Warning, mbYes | mbCancel) != MessageAnswer::Yes)
        return SaveResult::Cancelled;
    // What a still X cursor leaves out is counted on what it keeps.
    std::vector<const IconImage*> images;
    for (const auto& image : m_document.Images())
        images.push_back(image.get());
    const std::vector<const IconImage*> kept = XcursorKeptImages(images);
    const int repeated = xcursor ? int(images.size() - kept.size()) : 0;
    int inverted = xcursor && !animatedXcursor ? CountInvertedPixels(kept, transparency()) : 0;
    try {
        if (ani)
            SaveAniFile(m_document.FileName, m_document, transparency());
        else if (animatedXcursor)
            SaveXcursorAnimation(m_document.FileName, m_document, transparency(), inverted);
        else
            SaveIconFile(m_document.FileName, m_document.FileType, m_document.Images(),
                         transparency());
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
    if (repeated > 0)
        m_prompter.message(
            tr("An X cursor holds one image of each size: %1 images of a size another image "
               "already has were left out, the one of most colours kept.")
                .arg(repeated),
            MessageKind::Information, mbOK);
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
    request.FilterIndex = m_document.FileType == XcursorFileType ? XcursorFilter
                          : isAniName(m_document.FileName) || m_document.FrameCount() > 1
                              ? AniFilter
                          : m_document.FileType == CursorFileType ? 2
                                                                  : 1;
    for (;;) {
        const std::optional<FileChoice> choice = m_prompter.saveFile(request);
        if (!choice) return SaveResult::Cancelled;
        const int filter = std::clamp(choice->FilterIndex, 1, XcursorFilter);
        const std::uint16_t type = typeOfFilter(filter);
        const QString name = withTypeExtension(choice->FileName, filter);
        request.FileName = name;
        request.FilterIndex = filter;
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
