#include "session/EditSession.h"

#include "colours/ColourReplace.h"
#include "document/PaletteOps.h"

ColourState EditSession::colours() const {
    ColourState state;
    state.setColour(ColourSlot::Foreground, Color32ToColor(m_foreground), AlphaOf(m_foreground));
    state.setColour(ColourSlot::Background, Color32ToColor(m_background), AlphaOf(m_background));
    return state;
}

void EditSession::setForegroundColor32(TColor32 Color) {
    ColourState state = colours();
    state.setColour(ColourSlot::Foreground, Color32ToColor(Color), AlphaOf(Color));
    setColours(state);
}

void EditSession::setBackgroundColor32(TColor32 Color) {
    ColourState state = colours();
    state.setColour(ColourSlot::Background, Color32ToColor(Color), AlphaOf(Color));
    setColours(state);
}

void EditSession::setColours(const ColourState& State) {
    m_foreground = State.ForegroundColor32();
    m_background = State.BackgroundColor32();
    applyPenColour(State, m_workBitmap);
    applyBrushColour(State, m_workBitmap);
    emit coloursChanged();
}

// After a switch into a palette format the swatches show palette colours
// only; their alphas stay.
void EditSession::fitColoursToPalette() {
    const IconImage& active = m_document.ActiveImage();
    ColourState state = colours();
    state.fitToPalette([&active](TColor C) { return NearestPaletteColor(C, active); });
    setColours(state);
}

void EditSession::RebuildColoursBox() {
    m_coloursBox.rebuild(m_document.ActiveImage().Palette, m_settings.TraColor,
                         m_settings.InvColor);
    emit coloursBoxChanged();
}

void EditSession::ColorsBoxMouseDown(int X, int Y, Qt::MouseButton Button) {
    ColourState state = colours();
    if (colorsBoxMouseDown(m_coloursBox, X, Y, Button, state, m_workBitmap)) setColours(state);
}

void EditSession::pecolMouseDown(ColourSlot Slot, Qt::MouseButton Button) {
    ColourState state = colours();
    std::optional<TColor> chosen;
    if (Button != Qt::RightButton)
        chosen = m_prompter.chooseColor(state.colour(Slot), m_settings.CustomColors);
    const IconImage& active = m_document.ActiveImage();
    swatchMouseDown(
        state, Slot, Button, chosen, [&active](TColor C) { return NearestPaletteColor(C, active); },
        m_workBitmap);
    setColours(state);
}

void EditSession::chooseDisplayColour(DisplayColour Which) {
    TColor tra = m_settings.TraColor;
    TColor inv = m_settings.InvColor;
    TColor grid = m_settings.GridColor;
    TColor& setting = Which == DisplayColour::TraColor   ? tra
                      : Which == DisplayColour::InvColor ? inv
                                                         : grid;
    const std::optional<TColor> chosen = m_prompter.chooseColor(setting, m_settings.CustomColors);
    const DisplayColourUpdate update = ::chooseDisplayColour(Which, chosen, setting);
    if (!update.Changed) return;
    // Repaints the work view.
    setDisplayColors(tra, inv, grid);
    if (update.RebuildColoursBox) RebuildColoursBox();
}

// The two colours come from the palette of a palette image already, so the
// result needs no snapping.
void EditSession::changecolClick() {
    const TColor32 f = m_foreground, b = m_background;
    applyEdit([f, b](TBitmap32& Work) { ChangeColorFToB(Work, f, b); }, false);
}

void EditSession::colcovertClick() {
    const TColor32 f = m_foreground, b = m_background;
    applyEdit([f, b](TBitmap32& Work) { ReplaceColorsFAndB(Work, f, b); }, false);
}
