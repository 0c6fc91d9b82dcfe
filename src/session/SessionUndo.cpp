#include "session/EditSession.h"

#include "document/ImageCaption.h"
#include "session/HotSpot.h"
#include "session/SessionFrames.h"

// The history belongs to one activation of one image: it starts over, with
// the state being shown, whenever another image is shown.
void EditSession::ResetUndo() {
    m_undo.setUndoMax(m_settings.UndoMax);
    m_undo.ResetUndo(m_workBitmap, m_document.ActiveImage());
    updateUndoStates();
}

void EditSession::commit() {
    m_cleanBitmap.Assign(m_workBitmap);
}

void EditSession::reset() {
    m_workBitmap.Assign(m_cleanBitmap);
}

void EditSession::PushUndo() {
    // The record is what Save writes: every recorded change reaches it here.
    RefreshThumbnail();
    // A level lowered since the last change trims the history only now.
    m_undo.setUndoMax(m_settings.UndoMax);
    m_undo.PushUndo(m_workBitmap, m_document.ActiveImage());
    m_frames->dropRedo();
    updateUndoStates();
    setModified(true);
    // A change of size or format may decide how the image is stored.
    updateCommandStates();
}

void EditSession::hotSpotMoved() {
    const IconImage& image = m_document.ActiveImage();
    m_undo.amendCurrentHotSpot(image.HotSpotX, image.HotSpotY);
}

void EditSession::UndoAExecute() {
    if (!m_floating && !m_undo.canUndo() && !m_frames->canUndo()) return;
    endPendingShape();
    // A floating selection is not part of any entry: the first Undo takes
    // back only the selection, the next one the history.
    if (m_floating) {
        cancelFloatingSelection();
        return;
    }
    // Every frame edit starts the image's history afresh: once that is
    // spent, the frame edit before it comes next.
    if (!m_undo.canUndo()) return m_frames->undo();
    if (const UndoNode* node = m_undo.UndoAExecute()) showUndoNode(*node);
}

void EditSession::RedoAExecute() {
    if (m_floating || (!m_undo.canRedo() && !m_frames->canRedo())) return;
    endPendingShape();
    if (!m_undo.canRedo()) return m_frames->redo();
    if (const UndoNode* node = m_undo.RedoAExecute()) showUndoNode(*node);
}

void EditSession::showUndoNode(const UndoNode& Node) {
    IconImage& image = m_document.ActiveImage();
    const UndoRestore restored = restoreUndoNode(Node, m_workBitmap, m_cleanBitmap, image);
    updateUndoStates();
    if (restored.SizeChanged || !restored.SameFormat) {
        image.Caption = ImageCaption(m_workBitmap.Width, m_workBitmap.Height, image.Format);
        emit workResized();
    }
    setModified(true);
    RefreshThumbnail();
    RebuildColoursBox();
    updateCommandStates();
    if (!restored.SameFormat) {
        if (image.Format < 24) fitColoursToPalette();
        emit formatChanged();
    }
    emit workChanged();
}
