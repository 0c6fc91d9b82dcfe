#include "session/EditSession.h"

#include "document/DefaultPalette.h"
#include "document/IconFileFormat.h"
#include "document/ImageCaption.h"
#include "document/Thumbnail.h"
#include "images/NewIconPrompt.h"
#include "session/SessionTools.h"

#include <algorithm>

void EditSession::RefreshThumbnail() {
    IconImage& image = m_document.ActiveImage();
    // While a selection floats the committed image has the lifted hole in
    // it; the record takes what the view shows instead.
    image.Pixels.Assign(m_floating ? shownImage() : m_cleanBitmap);
    image.Thumbnail = MakeThumbnail(image.Pixels);
    // A clip region is lent to the working copy for one operation; the
    // record must not keep pointing at it.
    image.Pixels.ClipRegion = nullptr;
    emit imageItemChanged(image.Index);
}

// The image being left keeps what the WorkBitmap shows, and its thumbnail
// shows the same, so the list never disagrees with what Save writes.
void EditSession::storeWorkIntoActive() {
    IconImage& image = m_document.ActiveImage();
    image.Pixels.Assign(m_workBitmap);
    image.Pixels.ClipRegion = nullptr;
    image.Thumbnail = MakeThumbnail(image.Pixels);
    emit imageItemChanged(image.Index);
}

void EditSession::endPendingShape() {
    m_tools->controller().cancelPendingShape();
}

void EditSession::ActivateImage(int Selected, bool Forced) {
    if (Selected < 0 || Selected >= m_document.ImageCount()) return;
    if (!Forced && Selected == m_document.activeIndex()) return;

    endPendingShape();
    dropSelectionUnrecorded();
    if (m_tools->controller().currentDrawsHoverPreview()) reset();
    // After a list change (Forced) the image being left was already stored,
    // or was removed and must not be written anywhere.
    if (!Forced) storeWorkIntoActive();

    m_document.setActiveImage(Selected);
    // The working copies follow the "Blend Colors" button, not the image.
    const bool blend = m_workBitmap.Blend;
    loadWorkingCopies(m_document.ActiveImage().Pixels);
    m_workBitmap.Blend = blend;
    m_cleanBitmap.Blend = blend;
    m_workBitmap.ClipRegion = nullptr;
    m_cleanBitmap.ClipRegion = nullptr;

    if (m_document.ActiveImage().Format < 24) fitColoursToPalette();
    ResetUndo();
    RebuildColoursBox();
    updateCommandStates();
    emit activeImageChanged();
    emit workChanged();
}

namespace {

bool documentFull(const IconDocument& Document) {
    return Document.ImageCount() >= IconFile::MaxImageCount;
}

} // namespace

void EditSession::NewIAExecute() {
    if (!m_newIconPrompt) return;
    if (const std::optional<NewIconChoice> choice = m_newIconPrompt->askNewIcon())
        appendNewImage(*choice);
}

void EditSession::appendNewImage(const NewIconChoice& Choice) {
    if (documentFull(m_document)) {
        m_prompter.message(tr("No image can be added: a file holds at most %1 images.")
                               .arg(IconFile::MaxImageCount),
                           MessageKind::Error, mbOK);
        return;
    }
    // The palette is read first: an image whose palette cannot be had is not
    // added at all.
    PalettePicture palette;
    if (Choice.Format >= 24) {
        palette = readColourChart();
    } else {
        try {
            palette = DefaultPalette(Choice.Format, m_programFolder);
        } catch (const DataFileError& e) {
            m_prompter.message(e.message(), MessageKind::Error, mbOK);
            return;
        }
    }
    const int width = std::clamp(Choice.Width, NewIconOptions::MinSide, NewIconOptions::MaxSide);
    const int height = std::clamp(Choice.Height, NewIconOptions::MinSide, NewIconOptions::MaxSide);

    dropSelectionUnrecorded();
    m_document.appendImage(newBlankImage(width, height, Choice.Format, std::move(palette)));
    setModified(true);
    emit imagesReplaced();
    ActivateImage(m_document.ImageCount() - 1, true);
}

void EditSession::RemoveIAExecute() {
    // The last image stays: a document always has one.
    if (m_document.ImageCount() < 2) return;
    discardFloatingSelection();
    m_document.removeImage(m_document.activeIndex());
    setModified(true);
    emit imagesReplaced();
    ActivateImage(m_document.activeIndex(), true);
}

void EditSession::Duplicate1Click() {
    if (documentFull(m_document)) {
        m_prompter.message(tr("No image can be added: a file holds at most %1 images.")
                               .arg(IconFile::MaxImageCount),
                           MessageKind::Error, mbOK);
        return;
    }
    endPendingShape();
    dropSelectionUnrecorded();
    if (m_tools->controller().currentDrawsHoverPreview()) reset();
    storeWorkIntoActive();

    const IconImage& active = m_document.ActiveImage();
    auto copy = std::make_unique<IconImage>(active);
    copy->Caption = ImageCaption(*copy);
    m_document.appendImage(std::move(copy));
    setModified(true);
    emit imagesReplaced();
    ActivateImage(m_document.ImageCount() - 1, true);
}

// Moving changes only the order of the images: the working copies, the
// history and the view stay as they are. The order is part of the file, so
// a move counts as an unsaved change.
void EditSession::IUBClick() {
    if (!m_document.moveActiveUp()) return;
    setModified(true);
    emit imagesReplaced();
}

void EditSession::IDBClick() {
    if (!m_document.moveActiveDown()) return;
    setModified(true);
    emit imagesReplaced();
}
