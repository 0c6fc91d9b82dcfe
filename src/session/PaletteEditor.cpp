#include "session/PaletteEditor.h"

#include "document/Bmp.h"
#include "document/DefaultPalette.h"
#include "document/PaletteFile.h"
#include "document/PaletteGrid.h"
#include "document/PaletteOps.h"
#include "session/Prompter.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <iterator>
#include <tuple>

const char* const PaletteEditor::PaletteFilter =
    "Colors Palette (*.icp)|*.icp|GIMP Palette (*.gpl)|*.gpl|JASC Palette (*.pal)|*.pal|"
    "Microsoft Palette (*.pal)|*.pal|Adobe Color Table (*.act)|*.act";
const char* const PaletteEditor::OpenPaletteFilter =
    "Colors Palette (*.icp)|*.icp|All Palettes (*.icp;*.gpl;*.pal;*.act)|"
    "*.icp;*.gpl;*.pal;*.act|GIMP Palette (*.gpl)|*.gpl|JASC or Microsoft Palette (*.pal)|*.pal|"
    "Adobe Color Table (*.act)|*.act";
const char* const PaletteEditor::BitmapFilter = "Bitmaps (*.bmp)|*.bmp";

namespace {

QString tr(const char* Text) {
    return QCoreApplication::translate("TPalFrm", Text);
}

// The format whose palette has Entries colours; 0 for a size no format has.
ColourFormat formatOfSize(int Entries) {
    for (ColourFormat f : {ColourFormat(1), ColourFormat(4), ColourFormat(8)})
        if (PaletteEntryCount(f) == Entries) return f;
    return 0;
}

FileDialogRequest request(const QString& Title, const char* Filter, const QString& FileName = {}) {
    FileDialogRequest r;
    r.Title = Title;
    r.Filter = QLatin1String(Filter);
    r.FileName = FileName;
    return r;
}

// The kinds of PaletteFilter, in its order, with their extensions.
const struct {
    PaletteFileKind Kind;
    const char* Extension;
} SaveKinds[] = {
    {PaletteFileKind::Icp, ".icp"},  {PaletteFileKind::Gimp, ".gpl"},
    {PaletteFileKind::Jasc, ".pal"}, {PaletteFileKind::Riff, ".pal"},
    {PaletteFileKind::Act, ".act"},
};

// The name and kind a palette is saved as: a name ending in one of the
// extensions keeps it (".pal" is JASC unless the Microsoft filter was
// chosen); any other name takes the chosen filter's extension in place of
// its own, as ".icp" always did.
std::pair<QString, PaletteFileKind> saveTarget(const QString& FileName, int FilterIndex) {
    const auto& chosen =
        SaveKinds[FilterIndex >= 1 && FilterIndex <= int(std::size(SaveKinds)) ? FilterIndex - 1
                                                                               : 0];
    for (const auto& k : SaveKinds) {
        if (!FileName.endsWith(QLatin1String(k.Extension), Qt::CaseInsensitive)) continue;
        const bool pal = QLatin1String(k.Extension) == QLatin1String(".pal");
        return {FileName, pal && chosen.Kind == PaletteFileKind::Riff ? chosen.Kind : k.Kind};
    }
    QString name = withPaletteExtension(FileName);
    name.chop(4);
    return {name + QLatin1String(chosen.Extension), chosen.Kind};
}

} // namespace

PaletteEditor::PaletteEditor(Prompter& Prompts, QString ProgramFolder)
    : m_prompter(Prompts), m_programFolder(std::move(ProgramFolder)) {}

void PaletteEditor::FormShow(const PalettePicture& Current) {
    m_working = PalettePicture(Current.picture().copy(0, 0, 1, Current.count()));
    m_pickMode = false;
}

void PaletteEditor::FormHide() {
    m_working = PalettePicture();
    m_pickMode = false;
}

QImage PaletteEditor::grid() const {
    return PaletteGrid::draw(m_working);
}

void PaletteEditor::error(const QString& Text) {
    m_prompter.message(Text, MessageKind::Error, mbOK);
}

void PaletteEditor::ColorsBoxMouseDown(QPoint Pos) {
    const int i = PaletteGrid::hitTest(m_working, Pos);
    if (i < 0) return;
    if (m_pickMode) {
        m_working.setEntry(i, m_picked);
        m_pickMode = false;
        return;
    }
    if (const std::optional<TColor> c = m_prompter.chooseColor(m_working.entry(i), m_custom))
        m_working.setEntry(i, *c);
}

void PaletteEditor::BitmapoMouseDown(TColor Displayed) {
    m_pickMode = !m_pickMode;
    m_picked = Displayed & 0xFFFFFFu;
}

void PaletteEditor::winClick() {
    const ColourFormat format = formatOfSize(m_working.count());
    if (format == 0) return;
    try {
        m_working = DefaultPalette(format, m_programFolder);
    } catch (const DataFileError& e) {
        error(e.message());
    }
}

void PaletteEditor::loadClick() {
    const std::optional<FileChoice> choice =
        m_prompter.openFile(request(tr("Open"), OpenPaletteFilter));
    if (!choice) return;
    try {
        LoadedPalette loaded = readAnyPaletteFile(choice->FileName);
        if (loaded.Kind == PaletteFileKind::Icp) {
            if (loaded.Palette.count() == m_working.count())
                m_working = std::move(loaded.Palette);
            else
                error(tr("Invalid colors palette."));
            return;
        }
        // Other programs' palettes rarely have exactly 2, 16 or 256 colours:
        // they are cut or filled with black, and the user is told which.
        std::string note;
        m_working = PalettePicture::fromEntries(
            FitPaletteLength(loaded.Palette.entries(), m_working.count(), note));
        if (!note.empty())
            m_prompter.message(QString::fromStdString(note), MessageKind::Information, mbOK);
    } catch (const PaletteFileError& e) {
        error(e.message());
    }
}

void PaletteEditor::saveClick() {
    QString name;
    int filter = 1;
    for (;;) {
        FileDialogRequest asked = request(tr("Save As"), PaletteFilter, name);
        asked.FilterIndex = filter;
        const std::optional<FileChoice> choice = m_prompter.saveFile(asked);
        if (!choice) return;
        filter = choice->FilterIndex;
        PaletteFileKind kind;
        std::tie(name, kind) = saveTarget(choice->FileName, filter);
        if (QFileInfo::exists(name)) {
            const MessageAnswer answer =
                m_prompter.message(name + tr(" already exists.\nDo you want to replace it?"),
                                   MessageKind::Warning, mbYesNoCancel);
            if (answer == MessageAnswer::No) continue;
            if (answer != MessageAnswer::Yes) return;
        }
        try {
            writePaletteFile(name, m_working, kind);
        } catch (const PaletteFileError& e) {
            error(e.message());
        }
        return;
    }
}

void PaletteEditor::bitClick() {
    const std::optional<FileChoice> choice = m_prompter.openFile(request(tr("Open"), BitmapFilter));
    if (!choice) return;
    QByteArray bytes;
    QString reason;
    QImage picture;
    if (readSmallFile(choice->FileName, bytes, &reason)) picture = decodeBmp(bytes, &reason);
    if (picture.isNull()) {
        error(tr("Cannot read the bitmap \"%1\".\n%2")
                  .arg(QDir::toNativeSeparators(choice->FileName), reason));
        return;
    }
    m_bitmap = picture;
}

void PaletteEditor::makeClick() {
    if (m_bitmap.isNull()) return;
    PaletteFromImage(m_bitmap, m_working.count(), m_working);
}
