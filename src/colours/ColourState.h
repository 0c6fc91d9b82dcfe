#pragma once

#include "pixel/TColor32.h"

#include <QString>
#include <Qt>
#include <functional>
#include <optional>

class TBitmap32;

// The two drawing colours: the foreground (left button) and the background
// (right button), each an RGB with its own alpha. They are not settings: every
// run starts with opaque black in front and fully transparent black behind.
enum class ColourSlot { Foreground, Background };

// The swatch a mouse button chooses for: left is the foreground, any other
// button the background.
inline ColourSlot slotForButton(Qt::MouseButton Button) {
    return Button == Qt::LeftButton ? ColourSlot::Foreground : ColourSlot::Background;
}

class ColourState {
public:
    TColor colour(ColourSlot Slot) const { return at(Slot).Rgb; }
    int alpha(ColourSlot Slot) const { return at(Slot).Alpha; }
    TColor32 color32(ColourSlot Slot) const { return SetAlpha(at(Slot).Rgb, at(Slot).Alpha); }

    TColor32 ForegroundColor32() const { return color32(ColourSlot::Foreground); }
    TColor32 BackgroundColor32() const { return color32(ColourSlot::Background); }
    int ForegroundAlpha() const { return alpha(ColourSlot::Foreground); }
    int BackgroundAlpha() const { return alpha(ColourSlot::Background); }

    // Rgb is taken as 24 bits; Alpha is limited to 0..255.
    void setColour(ColourSlot Slot, TColor Rgb, int Alpha);
    void setAlpha(ColourSlot Slot, int Alpha);
    // The right click on either swatch: colours and alphas change places.
    void swap();

    // What the swatch label shows: the alpha in decimal ("255").
    QString alphaCaption(ColourSlot Slot) const { return QString::number(alpha(Slot)); }
    // The label text is the swatch colour's complement so it stays readable.
    TColor labelTextColour(ColourSlot Slot) const { return 0xFFFFFFu - colour(Slot); }

    // Snaps both RGBs to the active palette (after an undo, redo or image
    // switch into a palette format). Nearest is NearestPaletteColor of the
    // active image; alphas stay.
    void fitToPalette(const std::function<TColor(TColor)>& Nearest);

private:
    struct Swatch {
        TColor Rgb = 0;
        int Alpha = 255;
    };
    const Swatch& at(ColourSlot Slot) const {
        return Slot == ColourSlot::Foreground ? m_foreground : m_background;
    }
    Swatch& at(ColourSlot Slot) {
        return Slot == ColourSlot::Foreground ? m_foreground : m_background;
    }

    Swatch m_foreground{0, 255};
    Swatch m_background{0, 0};
};

// The drawing colours of the WorkBitmap follow the chosen colours at once
// (the tools set them again at every press).
void applyPenColour(const ColourState& State, TBitmap32& WorkBitmap);   // PenColor
void applyBrushColour(const ColourState& State, TBitmap32& WorkBitmap); // BrushColor
void applySlotColour(const ColourState& State, ColourSlot Slot, TBitmap32& WorkBitmap);

// A click on a swatch (or its label). The right button swaps the two colours
// without asking; any other button offers the colour dialog, whose answer
// Chosen the caller obtained beforehand (empty when cancelled). An accepted
// colour is snapped with Nearest (NearestPaletteColor; identity for true
// colour) and becomes opaque. In every case the WorkBitmap's PenColor and
// BrushColor then follow both colours. Returns true when a colour changed.
//
// The caller shows the dialog only for buttons other than the right one,
// initialised with colour(Slot); afterwards it refreshes both captions and
// label text colours.
bool swatchMouseDown(ColourState& State, ColourSlot Slot, Qt::MouseButton Button,
                     std::optional<TColor> Chosen, const std::function<TColor(TColor)>& Nearest,
                     TBitmap32& WorkBitmap);

// The status bar readouts of a colour: "r,g,b" in decimal and "#RRGGBB" in
// upper-case hexadecimal (red first).
QString rgbReadout(TColor Colour);
QString hexReadout(TColor Colour);
