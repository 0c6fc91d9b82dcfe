#pragma once

#include <QWidget>

class BrushShape;

// BrusI: the brush shape as its 7 x 7 grid of 5 x 5-pixel cells. A click on a
// cell toggles it; a click on a grid line changes nothing.
class BrushShapeEditor : public QWidget {
    Q_OBJECT
public:
    BrushShapeEditor(BrushShape& Shape, QWidget* Parent = nullptr);

    QSize sizeHint() const override;
    // The shape changed from outside (a preset button): show it.
    void shapeChanged() { update(); }

signals:
    void edited();

protected:
    void paintEvent(QPaintEvent* Event) override;
    void mouseReleaseEvent(QMouseEvent* Event) override;

private:
    BrushShape& m_shape;
};
