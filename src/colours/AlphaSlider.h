#pragma once

#include "colours/ColourState.h"

#include <QString>
#include <Qt>
#include <optional>

class TBitmap32;

// The alpha slider: a thumb whose left edge moves from 1 to 101 inside its
// track, mapped to alpha 0..255 with halves rounded to even.
namespace AlphaSlider {

constexpr int MinLeft = 1;
constexpr int MaxLeft = 101;

// Round((Left - 1) x 255 / 100); Left is limited to the track first.
int alphaForLeft(int Left);
// Round(Alpha x 100 / 255) + 1; Alpha is limited to 0..255 first.
int leftForAlpha(int Alpha);

} // namespace AlphaSlider

// The slider's drag state. X is the mouse position relative to the pressed
// control (the thumb or the label filling it).
class AlphaSliderModel {
public:
    int thumbLeft() const { return m_left; }
    // The thumb's caption: the alpha it stands for.
    QString caption() const { return QString::number(m_alpha); }
    int shownAlpha() const { return m_alpha; }
    // The colour being edited: left button the foreground, any other the
    // background.
    ColourSlot editing() const { return m_editing; }
    bool AlphaDragging() const { return m_dragging; }

    // AlPMouseDown: the thumb jumps to the chosen colour's alpha and a drag
    // begins. Returns how far the mouse pointer must be moved horizontally
    // (new left - old left) so that it stays on the same spot of the thumb.
    int press(Qt::MouseButton Button, int X, const ColourState& State);

    // AlPMouseMove: while dragging, the thumb follows the mouse within the
    // track and the edited colour takes the new alpha, as does the
    // WorkBitmap's PenColor or BrushColor. Returns the new alpha, or nothing
    // when not dragging or when the mouse pushes against an end of the track.
    std::optional<int> move(int X, ColourState& State, TBitmap32& WorkBitmap);

    // AlPMouseUp and AlLMouseLeave.
    void release() { m_dragging = false; }

    // The colours changed elsewhere (a swatch, the palette box, a swap, the
    // picker): the thumb shows the alpha of the colour it last edited, so it
    // never disagrees with that swatch. A drag in progress leads instead.
    void follow(const ColourState& State);

private:
    int m_left = AlphaSlider::MaxLeft;
    int m_alpha = 255;
    int m_grabOffset = 0;
    ColourSlot m_editing = ColourSlot::Foreground;
    bool m_dragging = false;
};
