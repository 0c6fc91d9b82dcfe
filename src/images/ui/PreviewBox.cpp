#include "images/ui/PreviewBox.h"

#include "images/ui/PreviewFrame.h"

#include <QMouseEvent>
#include <QPainter>

PreviewBox::PreviewBox(QWidget* Parent) : QWidget(Parent) {
    setObjectName(QStringLiteral("PB"));
    setFixedSize(PreviewBoxSize, PreviewBoxSize);
    setMouseTracking(true);
}

void PreviewBox::setFrame(const QImage& Frame, QPoint Origin, int Width, int Height,
                          TColor Background) {
    m_frame = Frame;
    m_origin = Origin;
    m_width = Width;
    m_height = Height;
    m_background = Background;
    setFixedSize(previewBoxSize(Width, Height));
    update();
}

void PreviewBox::clearFrame() {
    m_frame = QImage();
    m_mouse.reset();
    update();
}

void PreviewBox::PBMouseMove(QPoint Mouse) {
    m_mouse = Mouse;
    update();
}

void PreviewBox::hideMagnifier() {
    if (!m_mouse) return;
    m_mouse.reset();
    update();
}

void PreviewBox::paintEvent(QPaintEvent*) {
    if (m_frame.isNull()) return;
    QPainter p(this);
    p.drawImage(m_origin - QPoint(PreviewMargin, PreviewMargin), m_frame);
    if (!m_mouse) return;
    const std::optional<MagnifierRects> glass = magnifierAt(*m_mouse, m_origin, m_width, m_height);
    if (!glass) return;
    // A plain pixel copy: each frame pixel becomes a block, never a blur.
    p.setRenderHint(QPainter::SmoothPixmapTransform, false);
    p.drawImage(glass->Target, magnifierPixels(m_frame, glass->Source, m_background));
}

void PreviewBox::mouseMoveEvent(QMouseEvent* Event) {
    PBMouseMove(Event->position().toPoint());
}

void PreviewBox::leaveEvent(QEvent*) {
    hideMagnifier();
}
