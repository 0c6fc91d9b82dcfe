#include "session/EditSession.h"

#include "canvas/tools/ToolInfo.h"
#include "document/PaletteOps.h"
#include "session/SessionTools.h"

#include <algorithm>
#include <utility>

// The floating selection never reaches the image records while it floats:
// only a drop merges it, so a file saved meanwhile does not hold it.

TBitmap32* EditSession::floatingTarget() {
    return m_floating ? &m_floating->Pixels : nullptr;
}

void EditSession::moveFloatingSelection(QPoint Offset) {
    if (m_floating) m_floating->SelectionRect.translate(Offset);
}

void EditSession::finishFloatingEffect() {
    if (!m_floating) return;
    fitFloatingToPalette();
    // An effect may have changed the selection's size (a rotation): the
    // rectangle keeps its left and top and takes the new size.
    QRect& r = m_floating->SelectionRect;
    r = TRect(r.left(), r.top(), r.left() + m_floating->Pixels.Width,
              r.top() + m_floating->Pixels.Height);
    emit workChanged();
}

void EditSession::fitFloatingToPalette() {
    const IconImage& image = m_document.ActiveImage();
    if (!m_floating || image.Format > 8) return;
    FitToPalette(m_floating->Pixels, image.Format, image.Palette, this);
}

void EditSession::mergeFloatingSelection() {
    // Drawn once, onto the committed image, exactly as the view draws it: the
    // WorkBitmap already shows the selection, and drawing it there again
    // would blend its partly transparent pixels twice. The image dropped is
    // the picture that was last shown.
    m_workBitmap.Assign(m_cleanBitmap);
    m_workBitmap.StretchDraw(m_floating->SelectionRect, m_floating->Pixels);
    m_cleanBitmap.Assign(m_workBitmap);
}

void EditSession::DropSelection() {
    if (!m_floating) return;
    mergeFloatingSelection();
    discardFloatingSelection();
    PushUndo();
}

// Before another image becomes active or an image is added: the history is
// about to start over, so the merge is written into the record without an
// undo entry.
void EditSession::dropFloatingSelection() {
    if (!m_floating) return;
    mergeFloatingSelection();
    RefreshThumbnail();
    discardFloatingSelection();
}

void EditSession::discardFloatingSelection() {
    m_floating.reset();
    stopSelTim();
}

void EditSession::floatSelection(FloatingSelection Selection) {
    m_floating = std::move(Selection);
    m_selTimEnabled = true;
    m_selTimInterval = 500;
    emit selTimChanged();
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
    FloatingSelection placed;
    placed.Pixels = std::move(Pixels);
    placed.SelectionRect = Rect;
    // Nothing of it is recorded until it is dropped.
    placed.PastedSelection = true;
    floatSelection(std::move(placed));
    fitFloatingToPalette();
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
