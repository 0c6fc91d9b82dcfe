#include "session/EditSession.h"

#include "canvas/ClipboardPicture.h"
#include "canvas/tools/ToolInfo.h"
#include "session/DesktopClipboard.h"
#include "session/SessionTools.h"

#include <algorithm>
#include <utility>

void EditSession::setClipboard(DesktopClipboard* Clipboard) {
    if (m_clipboard) m_clipboard->setChangeListener(nullptr);
    m_clipboard = Clipboard;
    // Paste follows the clipboard, whichever program filled it.
    if (m_clipboard) m_clipboard->setChangeListener([this] { updateCommandStates(); });
    updateCommandStates();
}

void EditSession::CopyAExecute() {
    if (!m_clipboard) return;
    // The committed image, not the WorkBitmap: that may hold a tool's hover
    // preview (a brush footprint) that is not part of the image. A
    // selection goes as it is shown, stretched or squeezed into its
    // rectangle.
    const TBitmap32 source = m_floating ? m_floating->shownPixels() : m_cleanBitmap;
    if (source.Empty()) return;
    m_clipboard->putPicture(
        ClipboardPicture(source, m_document.ActiveImage().Format, m_settings.TraRange));
}

void EditSession::CutAExecute() {
    // Without a clipboard the picture would be lost, not moved.
    if (!m_clipboard) return;
    CopyAExecute();
    Clear2Click();
}

void EditSession::Clear2Click() {
    endPendingShape();
    const bool pasted = m_floating && m_floating->PastedSelection();
    if (m_floating) {
        // A lifted selection leaves its hole; a pasted one leaves the image
        // as it was before the paste.
        discardFloatingSelection();
        reset();
    } else {
        std::fill(m_workBitmap.Bits.begin(), m_workBitmap.Bits.end(), TColor32(0));
        m_workBitmap.Font = textFont();
        m_workBitmap.PenColor = m_foreground;
        m_workBitmap.BrushColor = m_background;
        m_workBitmap.FontColor = m_workBitmap.PenColor;
        commit();
    }
    // Throwing away a pasted selection changes nothing that was recorded.
    if (!pasted) PushUndo();
    setModified(true);
    emit workChanged();
}

void EditSession::PasteAExecute() {
    if (!m_clipboard) return;
    const QImage picture = m_clipboard->picture();
    if (picture.isNull()) return;
    endPendingShape();
    m_tools->controller().freeClick(SelectTag);
    TBitmap32 pixels;
    pixels.LoadFromBitmap(picture, 255);
    // The selection keeps the picture's own size; one larger than the image
    // is squeezed into it, each side on its own.
    const QRect rect = TRect(0, 0, std::min(pixels.Width, m_workBitmap.Width),
                             std::min(pixels.Height, m_workBitmap.Height));
    placeFloating(std::move(pixels), rect);
    setModified(true);
}
