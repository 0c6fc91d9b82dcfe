#include "widgets/SwitchButton.h"

#include <QPainter>
#include <QStyleOptionButton>
#include <QStylePainter>

#include <cstdlib>

namespace {

// One line inside the button's edge on each side: Upper along the top and
// the left, Lower along the bottom and the right.
void bevel(QPainter& P, const QRect& R, const QColor& Upper, const QColor& Lower) {
    const QRect in = R.adjusted(1, 1, -1, -1);
    P.fillRect(QRect(in.left(), in.top(), in.width(), 1), Upper);
    P.fillRect(QRect(in.left(), in.top(), 1, in.height()), Upper);
    P.fillRect(QRect(in.left(), in.bottom(), in.width(), 1), Lower);
    P.fillRect(QRect(in.right(), in.top(), 1, in.height()), Lower);
}

// Of the palette's edge colours, the one that stands out more from the panel
// the button stands on: a dark edge on a light desktop, a light one on a dark
// desktop.
QColor edgeColour(const QPalette& Pal) {
    const int ground = Pal.color(QPalette::Window).lightness();
    const QColor dark = Pal.color(QPalette::Dark), light = Pal.color(QPalette::Light);
    return std::abs(dark.lightness() - ground) >= std::abs(light.lightness() - ground) ? dark
                                                                                       : light;
}

void outline(QPainter& P, const QRect& R, const QColor& Colour) {
    P.fillRect(QRect(R.left(), R.top(), R.width(), 1), Colour);
    P.fillRect(QRect(R.left(), R.bottom(), R.width(), 1), Colour);
    P.fillRect(QRect(R.left(), R.top(), 1, R.height()), Colour);
    P.fillRect(QRect(R.right(), R.top(), 1, R.height()), Colour);
}

} // namespace

SwitchButton::SwitchButton(QWidget* Parent) : QToolButton(Parent) {
    setCheckable(true);
}

void SwitchButton::paintEvent(QPaintEvent*) {
    QStylePainter p(this);
    const bool down = isChecked() || isDown();
    const QPalette& pal = palette();

    QStyleOptionButton panel;
    panel.initFrom(this);
    panel.state |= down ? (QStyle::State_Sunken | QStyle::State_On) : QStyle::State_Raised;
    p.drawPrimitive(QStyle::PE_PanelButtonCommand, panel);

    if (down) {
        QColor tint = pal.color(QPalette::Highlight);
        tint.setAlpha(100);
        p.fillRect(rect().adjusted(2, 2, -2, -2), tint);
        bevel(p, rect(), pal.color(QPalette::Shadow), pal.color(QPalette::Light));
    } else {
        bevel(p, rect(), pal.color(QPalette::Light), pal.color(QPalette::Dark));
    }

    // Up or down, the switch is a button with an edge of its own, never bare
    // text on the panel.
    outline(p, rect(), edgeColour(pal));

    // A pressed button's caption moves in by the style's shift.
    QRect text = rect();
    if (down)
        text.translate(style()->pixelMetric(QStyle::PM_ButtonShiftHorizontal, &panel, this),
                       style()->pixelMetric(QStyle::PM_ButtonShiftVertical, &panel, this));
    p.setPen(pal.color(isEnabled() ? QPalette::Active : QPalette::Disabled, QPalette::ButtonText));
    p.drawText(text, Qt::AlignCenter | Qt::TextShowMnemonic, this->text());
}
