#include "colours/AlphaSlider.h"

#include <algorithm>

namespace AlphaSlider {

int alphaForLeft(int Left) {
    const int l = std::clamp(Left, MinLeft, MaxLeft);
    return RoundHalfEven((l - MinLeft) * 255 / 100.0);
}

int leftForAlpha(int Alpha) {
    return RoundHalfEven(ClampByte(Alpha) * 100 / 255.0) + MinLeft;
}

} // namespace AlphaSlider

int AlphaSliderModel::press(Qt::MouseButton Button, int X, const ColourState& State) {
    const int oldLeft = m_left;
    m_grabOffset = X;
    m_editing = slotForButton(Button);
    m_alpha = State.alpha(m_editing);
    m_left = AlphaSlider::leftForAlpha(m_alpha);
    m_dragging = true;
    return m_left - oldLeft;
}

void AlphaSliderModel::follow(const ColourState& State) {
    if (m_dragging) return;
    m_alpha = State.alpha(m_editing);
    m_left = AlphaSlider::leftForAlpha(m_alpha);
}

std::optional<int> AlphaSliderModel::move(int X, ColourState& State, TBitmap32& WorkBitmap) {
    if (!m_dragging) return std::nullopt;
    if ((m_left == AlphaSlider::MinLeft && X < m_grabOffset) ||
        (m_left == AlphaSlider::MaxLeft && X > m_grabOffset))
        return std::nullopt;
    m_left = std::clamp(X + m_left - m_grabOffset, AlphaSlider::MinLeft, AlphaSlider::MaxLeft);
    m_alpha = AlphaSlider::alphaForLeft(m_left);
    State.setAlpha(m_editing, m_alpha);
    applySlotColour(State, m_editing, WorkBitmap);
    return m_alpha;
}
