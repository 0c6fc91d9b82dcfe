#include "canvas/ui/WorkView.h"

#include "pixel/Random.h"

#include <QMouseEvent>
#include <QPainter>
#include <cmath>

namespace {

QColor toQColor(TColor C) {
    return QColor(RedOf(C), GreenOf(C), BlueOf(C));
}

WorkButton toWorkButton(Qt::MouseButton Button) {
    switch (Button) {
    case Qt::RightButton:
        return WorkButton::Right;
    case Qt::MiddleButton:
        return WorkButton::Middle;
    default:
        return WorkButton::Left;
    }
}

WorkShift toWorkShift(const QMouseEvent* Event, bool DoubleClick = false) {
    const Qt::KeyboardModifiers keys = Event->modifiers();
    const Qt::MouseButtons buttons = Event->buttons();
    WorkShift s;
    s.Shift = keys.testFlag(Qt::ShiftModifier);
    s.Ctrl = keys.testFlag(Qt::ControlModifier);
    s.Alt = keys.testFlag(Qt::AltModifier);
    s.Left = buttons.testFlag(Qt::LeftButton);
    s.Right = buttons.testFlag(Qt::RightButton);
    s.Middle = buttons.testFlag(Qt::MiddleButton);
    s.Double = DoubleClick;
    return s;
}

QString pixelText(QPoint P) {
    return QString::asprintf("%d,%d", P.x(), P.y());
}

} // namespace

WorkView::WorkView(QWidget* parent) : QWidget(parent) {
    setObjectName(QStringLiteral("Work"));
    setMouseTracking(true);
    // A click on the image takes the keyboard, so Ctrl+Z and Ctrl+Shift+Z
    // reach the image's undo and redo instead of the last option panel's
    // text box.
    setFocusPolicy(Qt::ClickFocus);
    setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Expanding);
    // Outside the magnified image the panel's own background shows.
    setAutoFillBackground(false);

    m_hotTim.setInterval(100);
    m_selTim.setInterval(500);
    m_refTim.setInterval(100);
    m_refTim.setSingleShot(true);
    connect(&m_hotTim, &QTimer::timeout, this, &WorkView::hotTimTimer);
    connect(&m_selTim, &QTimer::timeout, this, &WorkView::selTimTimer);
    connect(&m_refTim, &QTimer::timeout, this, &WorkView::refTimTimer);
}

void WorkView::setSceneSource(SceneSource Source) {
    m_source = std::move(Source);
    zoomToFit();
}

QSize WorkView::devicePaintSize() const {
    const qreal dpr = devicePixelRatioF();
    return QSize(qRound(width() * dpr), qRound(height() * dpr));
}

QPoint WorkView::pixelAt(const QPointF& Position) const {
    const qreal dpr = devicePixelRatioF();
    return m_geometry.PixelAt(Position.x() * dpr, Position.y() * dpr);
}

void WorkView::render(const WorkViewScene& Scene) {
    m_hotMarker.reset();
    m_selectionFrame.clear();
    m_stale = false;
    if (!Scene.WorkBitmap || Scene.WorkBitmap->Empty()) return;
    // The zoom follows the paint box and the image size at every render, so
    // it can never lag behind a change of either.
    const QSize paint = devicePaintSize();
    m_geometry =
        ZoomToFit(paint.width(), paint.height(), Scene.WorkBitmap->Width, Scene.WorkBitmap->Height);
    RenderWorkView(Scene, m_geometry, m_viewBuffer);
    // Built in device pixels: drawn at this ratio it lands one to one on screen.
    m_viewBuffer.setDevicePixelRatio(devicePixelRatioF());
}

void WorkView::zoomToFit() {
    m_stale = true;
    update();
}

void WorkView::renderWorkView() {
    if (m_source) render(m_source());
    update();
}

void WorkView::paintEvent(QPaintEvent*) {
    if ((m_stale || m_viewBuffer.devicePixelRatio() != devicePixelRatioF()) && m_source)
        render(m_source());
    QPainter painter(this);
    painter.setRenderHint(QPainter::SmoothPixmapTransform, false);
    if (!m_viewBuffer.isNull()) painter.drawImage(QPointF(0, 0), m_viewBuffer);

    if (!m_hotMarker && m_selectionFrame.empty()) return;
    // The marker and the frame are laid out in device pixels, like the buffer.
    const qreal dpr = devicePixelRatioF();
    painter.scale(1.0 / dpr, 1.0 / dpr);
    if (m_hotMarker) painter.fillRect(m_hotMarker->Cell, toQColor(m_hotMarker->Colour));
    for (const FrameCell& f : m_selectionFrame)
        painter.fillRect(m_geometry.CellRect(f.Cell.x(), f.Cell.y()), toQColor(f.Colour));
}

void WorkView::resizeEvent(QResizeEvent* Event) {
    QWidget::resizeEvent(Event);
    zoomToFit();
}

void WorkView::setHotSpotMarkerEnabled(bool Enabled) {
    if (Enabled == m_hotTim.isActive()) return;
    if (Enabled) {
        m_hotTim.start();
    } else {
        m_hotTim.stop();
        renderWorkView();
    }
}

void WorkView::setSelectionFrameEnabled(bool Enabled) {
    setSelectionFrame(Enabled, m_selTim.interval());
}

void WorkView::setSelectionFrame(bool Enabled, int Interval) {
    m_selTimEnabled = Enabled;
    m_selTim.setInterval(Interval);
    // A timer of interval 0 never fires here: it stands for the frame being
    // held, where a Qt timer would fire at every turn of the event loop.
    const bool running = Enabled && Interval > 0;
    if (running == m_selTim.isActive()) return;
    if (running)
        m_selTim.start();
    else
        m_selTim.stop();
}

void WorkView::startDelayedRepaint() {
    m_refTim.start();
}

void WorkView::hotTimTimer() {
    if (!m_source) return;
    const WorkViewScene scene = m_source();
    if (!scene.WorkBitmap || scene.WorkBitmap->Empty()) return;
    Randomize();
    const int red = Random(255), green = Random(255), blue = Random(255);
    const TColor colour = TColor(red) | (TColor(green) << 8) | (TColor(blue) << 16);
    m_hotMarker = Marker{m_geometry.CellRect(scene.HotSpot.x(), scene.HotSpot.y()), colour};
    update();
}

void WorkView::selTimTimer() {
    if (!m_source) return;
    const WorkViewScene scene = m_source();
    if (!scene.WorkBitmap || scene.WorkBitmap->Empty() || !scene.Selection) return;
    m_selectionFrame = SelectionFrameCells(scene.Selection->SelectionRect, scene.WorkBitmap->Width,
                                           scene.WorkBitmap->Height, m_selPhase);
    m_selPhase = 1 - m_selPhase;
    update();
}

void WorkView::refTimTimer() {
    m_refTim.stop();
    if (m_source) render(m_source());
    repaint();
}

void WorkView::press(QMouseEvent* Event, bool DoubleClick) {
    const QPoint pixel = pixelAt(Event->position());
    m_downPixel = pixel;
    emit workMouseDown(pixel, toWorkButton(Event->button()), toWorkShift(Event, DoubleClick));
}

void WorkView::mousePressEvent(QMouseEvent* Event) {
    press(Event, false);
}

void WorkView::mouseDoubleClickEvent(QMouseEvent* Event) {
    // The second press of a double click reports the double click first and
    // then arrives as a press of its own, marked as double.
    emit workDblClick(pixelAt(Event->position()));
    press(Event, true);
}

void WorkView::mouseMoveEvent(QMouseEvent* Event) {
    const QPoint pixel = pixelAt(Event->position());
    emit pixelReadoutChanged(pixelText(pixel));
    if (m_downPixel && Event->buttons() != Qt::NoButton)
        emit dragReadoutChanged(pixelText(pixel - *m_downPixel));
    emit workMouseMove(pixel, toWorkShift(Event));
}

void WorkView::mouseReleaseEvent(QMouseEvent* Event) {
    const QPoint pixel = pixelAt(Event->position());
    if (Event->buttons() == Qt::NoButton) m_downPixel.reset();
    emit dragReadoutChanged(QString());
    emit workMouseUp(pixel, toWorkButton(Event->button()), toWorkShift(Event));
}
