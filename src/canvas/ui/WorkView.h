#pragma once

#include "canvas/RenderWorkView.h"
#include "canvas/SelectionFrame.h"
#include "canvas/WorkMouse.h"
#include "canvas/WorkViewGeometry.h"

#include <QImage>
#include <QTimer>
#include <QWidget>
#include <functional>
#include <optional>
#include <vector>

// The paint box `Work`: shows the WorkBitmap magnified with its grid, turns
// mouse events into image pixels for the tools, and runs the hot-spot marker,
// the marching selection frame and the delayed repaint.
//
// The view holds no pixels of its own: it asks its scene source for what to
// show whenever it renders. It works in device pixels, so at any device pixel
// ratio each image pixel covers whole screen pixels and the grid stays one
// screen pixel wide.
class WorkView : public QWidget {
    Q_OBJECT
public:
    using SceneSource = std::function<WorkViewScene()>;

    explicit WorkView(QWidget* parent = nullptr);

    void setSceneSource(SceneSource Source);
    const WorkViewGeometry& zoom() const { return m_geometry; }
    const QImage& viewBuffer() const { return m_viewBuffer; }
    // The image pixel under a position on the widget (logical coordinates).
    QPoint pixelAt(const QPointF& Position) const;

    bool hotSpotMarkerRunning() const { return m_hotTim.isActive(); }
    bool selectionFrameRunning() const { return m_selTim.isActive(); }
    bool selectionFrameEnabled() const { return m_selTimEnabled; }
    int selectionFrameInterval() const { return m_selTim.interval(); }
    bool delayedRepaintPending() const { return m_refTim.isActive(); }
    int selectionFramePhase() const { return m_selPhase; }

public slots:
    // Refits the zoom to the paint box and the image, then repaints.
    void zoomToFit();
    // Rebuilds the view from the scene and repaints; wipes the marker and frame.
    void renderWorkView();
    // HotTim: the hot-spot marker, while the hot-spot tool is chosen.
    void setHotSpotMarkerEnabled(bool Enabled);
    // SelTim: the marching frame, while a floating selection exists. An
    // interval of 0 holds the frame (it is not drawn) while the selection is
    // being moved or stretched.
    void setSelectionFrameEnabled(bool Enabled);
    void setSelectionFrame(bool Enabled, int Interval);
    // RefTim: one repaint shortly after an effect has finished.
    void startDelayedRepaint();

    // One tick of each timer; public so they can be driven directly.
    void hotTimTimer();
    void selTimTimer();
    void refTimTimer();

signals:
    void workMouseDown(QPoint Pixel, WorkButton Button, WorkShift Shift);
    void workMouseMove(QPoint Pixel, WorkShift Shift);
    void workMouseUp(QPoint Pixel, WorkButton Button, WorkShift Shift);
    void workDblClick(QPoint Pixel);
    // Status bar texts: the pixel under the mouse, and the drag extent while a
    // button is held (empty once it is released).
    void pixelReadoutChanged(const QString& Text);
    void dragReadoutChanged(const QString& Text);

protected:
    void paintEvent(QPaintEvent* Event) override;
    void resizeEvent(QResizeEvent* Event) override;
    void mousePressEvent(QMouseEvent* Event) override;
    void mouseMoveEvent(QMouseEvent* Event) override;
    void mouseReleaseEvent(QMouseEvent* Event) override;
    void mouseDoubleClickEvent(QMouseEvent* Event) override;

private:
    struct Marker {
        QRect Cell; // device pixels
        TColor Colour;
    };

    void render(const WorkViewScene& Scene);
    void press(QMouseEvent* Event, bool DoubleClick);
    QSize devicePaintSize() const;

    SceneSource m_source;
    WorkViewGeometry m_geometry;
    QImage m_viewBuffer;
    bool m_stale = true;

    QTimer m_hotTim;
    QTimer m_selTim;
    QTimer m_refTim;
    int m_selPhase = 0;
    bool m_selTimEnabled = false;
    // Drawn over the view until the next render wipes them.
    std::optional<Marker> m_hotMarker;
    std::vector<FrameCell> m_selectionFrame;

    std::optional<QPoint> m_downPixel;
};
