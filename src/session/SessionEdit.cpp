#include "session/EditSession.h"

#include "document/PaletteOps.h"

void EditSession::finishEdit(bool SnapToPalette) {
    // Snapped before it is recorded, so that undo and redo bring back the
    // colours the image really had.
    if (SnapToPalette) snapToPalette();
    PushUndo();
}

void EditSession::applyEdit(const std::function<void(TBitmap32&)>& Change, bool SnapToPalette) {
    reset();
    Change(m_workBitmap);
    commit();
    finishEdit(SnapToPalette);
    emit workChanged();
}

void EditSession::snapToPalette() {
    if (m_document.ActiveImage().Format > 8) return;
    fitToActivePalette(m_cleanBitmap);
    m_workBitmap.Assign(m_cleanBitmap);
}

void EditSession::fitToActivePalette(TBitmap32& Pixels) {
    const IconImage& image = m_document.ActiveImage();
    if (image.Format > 8) return;
    FitToPalette(Pixels, image.Format, image.Palette, this);
}
