#include "app/ui/MainForm.h"

#include "app/WindowFit.h"

#include <QFrame>
#include <QScreen>
#include <QWindow>

namespace {

// The smallest the whole window may become, frame included, with the
// panels at their design widths.
constexpr QSize DesignMinimum(700, 545);
constexpr int DesignColorsWidth = 135;

} // namespace

void TMainForm::fitMinimumSize() {
    const QSize content = QMainWindow::minimumSizeHint();
    // The frame is the desktop's, known once the window is on the screen (on
    // a Wayland desktop it is drawn by the program itself, and only made
    // when the desktop has said how large the window is to be). Until then
    // only the panels count: a minimum larger than the first size the
    // desktop hands out (a maximized window under its panel) is a fault a
    // Wayland desktop ends the program for.
    const bool framed = windowHandle() && windowHandle()->isExposed();
    // Panels that came or grew (the frame strip of an animated cursor, the
    // colours panel under a large font) widen the window rather than squeeze
    // the tool options.
    QSize outer = DesignMinimum;
    if (m_framesPanel->isVisibleTo(this)) outer.rwidth() += m_framesPanel->minimumWidth();
    outer.rwidth() += std::max(0, m_colorsPanel->width() - DesignColorsWidth);
    if (!framed) outer.setHeight(0);
    const QSize least =
        smallestClientSize(content, outer, framed ? windowHandle()->frameMargins() : QMargins());
    if (least != minimumSize()) setMinimumSize(least);
}

void TMainForm::fitOnItsScreen() {
    const QScreen* s = screen();
    if (!s) return;
    const QMargins frame =
        windowHandle() && isVisible() ? windowHandle()->frameMargins() : QMargins();
    const QRect placed = fitOnScreen(geometry(), frame, s->availableGeometry(), minimumSize());
    if (placed != geometry()) setGeometry(placed);
}
