#include "session/EditSession.h"

#include "document/DefaultPalette.h"

bool EditSession::ConfirmSaveChanges() {
    // A floating selection is a change of its own: it is in no file yet.
    if (!m_document.Modified && !m_floating) return false;
    switch (m_prompter.message(tr("Save changes?"), MessageKind::Confirmation, mbYesNoCancel)) {
    case MessageAnswer::No:
        return false;
    case MessageAnswer::Yes:
        // Whatever keeps the changes from reaching a file (a cancelled file
        // dialog, a failed write) stops the caller, so they are never dropped.
        return !m_save || m_save() != SaveResult::Saved;
    default:
        return true;
    }
}

PalettePicture EditSession::readColourChart() {
    try {
        return DefaultPalette(32, m_programFolder);
    } catch (const DataFileError& e) {
        // The document stays usable with an empty chart; only the colours
        // panel has less to offer.
        m_prompter.message(e.message(), MessageKind::Error, mbOK);
        return PalettePicture();
    }
}

void EditSession::NewAExecute(bool FromCode) {
    if (!FromCode && ConfirmSaveChanges()) return;
    // A new document starts with the pencil, like an opened one.
    emit openingDocument();

    // Everything that can fail happens before the old document is touched.
    PalettePicture chart = readColourChart();
    IconDocument::ImageList images;
    images.push_back(untitledImage(std::move(chart)));

    TBitmap32 blank(32, 32);
    blank.Font = textFont();
    m_workBitmap = blank;
    m_cleanBitmap = blank;

    m_document.replaceImages(std::move(images));
    m_document.FileName.clear();
    m_document.FileType = IconFileType;
    m_document.Modified = false;
    ResetUndo();
    updateCommandStates();

    emit imagesReplaced();
    emit activeImageChanged();
    emit captionChanged(windowCaption());
    emit workChanged();
}
