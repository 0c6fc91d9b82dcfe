#pragma once

#include "pixel/TColor32.h"

#include <QImage>
#include <QPoint>
#include <QWidget>
#include <optional>

// The paint box of the preview window (`PB`): the frame drawn so the image
// sits centred, and a magnifier following the mouse over it.
class PreviewBox : public QWidget {
    Q_OBJECT
public:
    explicit PreviewBox(QWidget* Parent = nullptr);

    // The frame to show, the image size inside it and the colour around it.
    void setFrame(const QImage& Frame, QPoint Origin, int Width, int Height, TColor Background);
    void clearFrame();

    void PBMouseMove(QPoint Mouse);
    // Draws the frame again without the magnifier.
    void hideMagnifier();
    bool magnifierShown() const { return m_mouse.has_value(); }

protected:
    void paintEvent(QPaintEvent* Event) override;
    void mouseMoveEvent(QMouseEvent* Event) override;
    void leaveEvent(QEvent* Event) override;

private:
    QImage m_frame;
    QPoint m_origin;
    int m_width = 0;
    int m_height = 0;
    TColor m_background = 0xFFFFFF;
    std::optional<QPoint> m_mouse;
};
