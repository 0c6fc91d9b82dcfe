#include "canvas/FloatingSelection.h"

#include <utility>

FloatingSelection FloatingSelection::pasted(TBitmap32 Pixels, const QRect& Rect) {
    FloatingSelection s;
    s.Pixels = std::move(Pixels);
    s.m_rect = Rect;
    return s;
}

FloatingSelection FloatingSelection::lifted(TBitmap32 Pixels, const QRect& Rect) {
    FloatingSelection s;
    s.m_origin = Origin{Pixels, Rect};
    s.Pixels = std::move(Pixels);
    s.m_rect = Rect;
    return s;
}

void FloatingSelection::stretchBy(int DX, int DY) {
    m_rect.setWidth(m_rect.width() + DX);
    m_rect.setHeight(m_rect.height() + DY);
}

TBitmap32 FloatingSelection::shownPixels() const {
    if (m_rect.width() <= 0 || m_rect.height() <= 0) return TBitmap32();
    TBitmap32 shown(m_rect.width(), m_rect.height());
    // Replacing, not blending: the scaled picture keeps every pixel's alpha
    // and colour as the selection holds them.
    shown.Blend = false;
    shown.StretchDraw(TRect(0, 0, shown.Width, shown.Height), Pixels);
    shown.Blend = true;
    return shown;
}
