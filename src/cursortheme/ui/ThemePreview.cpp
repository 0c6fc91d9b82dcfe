#include "cursortheme/ui/ThemePreview.h"

#include "cursortheme/ui/CursorPicture.h"
#include "session/CursorThemeEditor.h"

#include <QPainter>

namespace {
constexpr int Gap = 8;
}

ThemePreview::ThemePreview(CursorThemeEditor& Editor, QWidget* Parent)
    : QWidget(Parent), m_editor(Editor) {
    setBackgroundRole(QPalette::Base);
    setAutoFillBackground(true);
    // Often enough for the shortest delays people give (a jiffy, 17 ms)
    // to show as motion.
    m_frames.setInterval(20);
    connect(&m_frames, &QTimer::timeout, this, qOverload<>(&QWidget::update));
    m_clock.start();
}

std::vector<int> ThemePreview::shownSlots() const {
    std::vector<int> shown;
    for (int i = 0; i < int(m_editor.roleSlots().size()); ++i)
        if (m_editor.roleSlots()[std::size_t(i)].Role->inScheme() ||
            m_editor.servingRole(i) == m_editor.roleSlots()[std::size_t(i)].Role)
            shown.push_back(i);
    return shown;
}

int ThemePreview::labelWidth() const {
    int widest = 0;
    for (const CursorThemeEditor::Slot& slot : m_editor.roleSlots())
        widest = std::max(widest,
                          fontMetrics().horizontalAdvance(QString::fromStdString(slot.Role->Title)));
    return widest + 2 * Gap;
}

int ThemePreview::rowHeight() const {
    int tallest = 0;
    for (std::uint32_t s : m_editor.sizes())
        tallest = std::max(tallest, int(s));
    return std::max(tallest, fontMetrics().height()) + Gap;
}

QSize ThemePreview::sizeHint() const {
    int width = labelWidth();
    for (std::uint32_t s : m_editor.sizes())
        width += int(s) + Gap;
    return QSize(width, fontMetrics().height() + Gap + rowHeight() * int(shownSlots().size()));
}

void ThemePreview::refresh() {
    updateGeometry();
    resize(sizeHint());
    bool animated = false;
    for (int index : shownSlots())
        animated = animated || m_editor.frameCount(index) > 1;
    if (animated && !m_frames.isActive()) m_frames.start();
    if (!animated) m_frames.stop();
    update();
}

void ThemePreview::paintEvent(QPaintEvent*) {
    QPainter p(this);
    const int head = fontMetrics().height() + Gap;
    int x = labelWidth();
    for (std::uint32_t s : m_editor.sizes()) {
        p.drawText(QRect(x, 0, int(s) + Gap, head), Qt::AlignLeft | Qt::AlignVCenter,
                   QString::number(s));
        x += int(s) + Gap;
    }
    int y = head;
    for (int index : shownSlots()) {
        const CursorThemeEditor::Slot& slot = m_editor.roleSlots()[std::size_t(index)];
        p.setPen(palette().color(QPalette::Text));
        p.drawText(QRect(Gap, y, labelWidth() - Gap, rowHeight()), Qt::AlignLeft | Qt::AlignTop,
                   QString::fromStdString(slot.Role->Title));
        x = labelWidth();
        for (std::uint32_t s : m_editor.sizes()) {
            if (const auto image = m_editor.previewAt(index, s, std::uint64_t(m_clock.elapsed()))) {
                const QImage picture = CursorPicture(*image);
                PaintCursorWithHotSpot(p, QPoint(x, y), picture, image->HotSpotX, image->HotSpotY);
            }
            x += int(s) + Gap;
        }
        y += rowHeight();
    }
}
