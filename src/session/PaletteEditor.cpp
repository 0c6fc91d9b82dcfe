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

const char* const PaletteEditor::PaletteFilter = "Colors Palette (*.icp)|*.icp";
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
        m_prompter.openFile(request(tr("Open"), PaletteFilter));
    if (!choice) return;
    try {
        PalettePicture loaded = readPaletteFile(choice->FileName);
        if (loaded.count() == m_working.count())
            m_working = std::move(loaded);
        else
            error(tr("Invalid colors palette."));
    } catch (const PaletteFileError& e) {
        error(e.message());
    }
}

void PaletteEditor::saveClick() {
    QString name;
    for (;;) {
        const std::optional<FileChoice> choice =
            m_prompter.saveFile(request(tr("Save As"), PaletteFilter, name));
        if (!choice) return;
        name = withPaletteExtension(choice->FileName);
        if (QFileInfo::exists(name)) {
            const MessageAnswer answer =
                m_prompter.message(name + tr(" already exists.\nDo you want to replace it?"),
                                   MessageKind::Warning, mbYesNoCancel);
            if (answer == MessageAnswer::No) continue;
            if (answer != MessageAnswer::Yes) return;
        }
        try {
            writePaletteFile(name, m_working);
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
