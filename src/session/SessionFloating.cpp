#include "session/EditSession.h"

#include "canvas/tools/ToolInfo.h"
#include "session/SessionTools.h"

#include <algorithm>
#include <utility>

// The floating selection never reaches the image records while it floats:
// only a drop merges it. A change recorded meanwhile (a resize) writes the
// record as the view shows it, selection included, never the hole a lift
// leaves under it.

TBitmap32* EditSession::floatingTarget() {
    return m_floating ? &m_floating->Pixels : nullptr;
}

QRect EditSession::floatingRect() const {
    return m_floating ? m_floating->SelectionRect() : QRect();
}

void EditSession::placeFloatingSelection(const QRect& Rect) {
    if (m_floating) m_floating->place(Rect);
}

void EditSession::finishFloatingEffect() {
    if (!m_floating) return;
    fitToActivePalette(m_floating->Pixels);
    emit workChanged();
}

TBitmap32 EditSession::shownImage() const {
    TBitmap32 shown = m_cleanBitmap;
    if (m_floating) {
        // Drawn once, onto the committed image, exactly as the view draws
        // it: the WorkBitmap already shows the selection, and drawing it
        // there again would blend its partly transparent pixels twice.
        shown.Blend = m_workBitmap.Blend;
        shown.StretchDraw(m_floating->SelectionRect(), m_floating->Pixels);
        shown.Blend = m_cleanBitmap.Blend;
    }
    return shown;
}

void EditSession::mergeFloatingSelection() {
    m_cleanBitmap.Assign(shownImage());
    m_workBitmap.Assign(m_cleanBitmap);
    m_floating.reset();
    stopSelTim();
    updateUndoStates();
}

void EditSession::DropSelection() {
    if (!m_floating) return;
    mergeFloatingSelection();
    PushUndo();
}

// Before another image becomes active or an image is added: the history is
// about to start over, so the merge is written into the record without an
// undo entry.
void EditSession::dropSelectionUnrecorded() {
    if (!m_floating) return;
    mergeFloatingSelection();
    RefreshThumbnail();
}

void EditSession::discardFloatingSelection() {
    m_floating.reset();
    stopSelTim();
    updateUndoStates();
}

void EditSession::cancelFloatingSelection() {
    if (!m_floating) return;
    if (const auto& origin = m_floating->origin()) {
        // The lifted pixels go back exactly as they came, whatever the
        // "Blend Colors" switch says.
        const bool blend = m_cleanBitmap.Blend;
        m_cleanBitmap.Blend = false;
        m_cleanBitmap.CopyRect(origin->Rect, origin->Pixels,
                               TRect(0, 0, origin->Pixels.Width, origin->Pixels.Height));
        m_cleanBitmap.Blend = blend;
        // Normally this is the recorded state again. Had a change been
        // recorded over the hole meanwhile (a resize), that entry now holds
        // the pixels put back, so no later step brings the hole back.
        m_undo.amendCurrent(m_cleanBitmap, m_document.ActiveImage());
    }
    discardFloatingSelection();
    reset();
    RefreshThumbnail();
    emit workChanged();
}

void EditSession::floatSelection(FloatingSelection Selection) {
    m_floating = std::move(Selection);
    m_selTimEnabled = true;
    m_selTimInterval = 500;
    emit selTimChanged();
    updateUndoStates();
}

void EditSession::setSelTimInterval(int Milliseconds) {
    if (m_selTimInterval == Milliseconds) return;
    m_selTimInterval = Milliseconds;
    emit selTimChanged();
}

void EditSession::stopSelTim() {
    if (!m_selTimEnabled && m_selTimInterval == 500) return;
    m_selTimEnabled = false;
    m_selTimInterval = 500;
    emit selTimChanged();
}

void EditSession::placeFloating(TBitmap32 Pixels, const QRect& Rect) {
    // Nothing of it is recorded until it is dropped.
    floatSelection(FloatingSelection::pasted(std::move(Pixels), Rect));
    fitToActivePalette(m_floating->Pixels);
    emit workChanged();
}

void EditSession::placeCapture(const QImage& Picture) {
    if (Picture.isNull()) return;
    m_tools->controller().freeClick(SelectTag);
    TBitmap32 pixels;
    // Read without its alpha: every captured pixel is opaque.
    pixels.LoadFromBitmap(Picture.convertToFormat(QImage::Format_RGB888), 255);
    placeFloating(std::move(pixels), TRect(0, 0, m_workBitmap.Width, m_workBitmap.Height));
}
