#include "colours/ColourState.h"

#include "pixel/TBitmap32.h"

#include <utility>

void ColourState::setColour(ColourSlot Slot, TColor Rgb, int Alpha) {
    Swatch& s = at(Slot);
    s.Rgb = Color32ToColor(Rgb);
    s.Alpha = ClampByte(Alpha);
}

void ColourState::setAlpha(ColourSlot Slot, int Alpha) {
    at(Slot).Alpha = ClampByte(Alpha);
}

void ColourState::swap() {
    std::swap(m_foreground, m_background);
}

void ColourState::fitToPalette(const std::function<TColor(TColor)>& Nearest) {
    m_foreground.Rgb = Color32ToColor(Nearest(m_foreground.Rgb));
    m_background.Rgb = Color32ToColor(Nearest(m_background.Rgb));
}

void applyPenColour(const ColourState& State, TBitmap32& WorkBitmap) {
    WorkBitmap.PenColor = State.ForegroundColor32();
}

void applyBrushColour(const ColourState& State, TBitmap32& WorkBitmap) {
    WorkBitmap.BrushColor = State.BackgroundColor32();
}

void applySlotColour(const ColourState& State, ColourSlot Slot, TBitmap32& WorkBitmap) {
    if (Slot == ColourSlot::Foreground)
        applyPenColour(State, WorkBitmap);
    else
        applyBrushColour(State, WorkBitmap);
}

bool swatchMouseDown(ColourState& State, ColourSlot Slot, Qt::MouseButton Button,
                     std::optional<TColor> Chosen, const std::function<TColor(TColor)>& Nearest,
                     TBitmap32& WorkBitmap) {
    bool changed = false;
    if (Button == Qt::RightButton) {
        State.swap();
        changed = true;
    } else if (Chosen) {
        const TColor rgb = Color32ToColor(*Chosen);
        State.setColour(Slot, Nearest ? Nearest(rgb) : rgb, 255);
        changed = true;
    }
    // The text tool takes its colour from PenColor at every use, so the pen
    // is all the text colour needs here.
    applyPenColour(State, WorkBitmap);
    applyBrushColour(State, WorkBitmap);
    return changed;
}

QString rgbReadout(TColor Colour) {
    return QStringLiteral("%1,%2,%3")
        .arg(int(RedOf(Colour)))
        .arg(int(GreenOf(Colour)))
        .arg(int(BlueOf(Colour)));
}

QString hexReadout(TColor Colour) {
    return QStringLiteral("#%1%2%3")
        .arg(int(RedOf(Colour)), 2, 16, QLatin1Char('0'))
        .arg(int(GreenOf(Colour)), 2, 16, QLatin1Char('0'))
        .arg(int(BlueOf(Colour)), 2, 16, QLatin1Char('0'))
        .toUpper();
}
