#include "canvas/ui/BrushShapeEditor.h"

#include "canvas/tools/BrushShape.h"

#include <QMouseEvent>
#include <QPainter>

BrushShapeEditor::BrushShapeEditor(BrushShape& Shape, QWidget* Parent)
    : QWidget(Parent), m_shape(Shape) {
    setObjectName(QStringLiteral("BrusI"));
    setFixedSize(sizeHint());
    setCursor(Qt::PointingHandCursor);
}

QSize BrushShapeEditor::sizeHint() const {
    return QSize(BrushShape::PictureWidth, BrushShape::PictureHeight);
}

void BrushShapeEditor::paintEvent(QPaintEvent*) {
    QPainter p(this);
    p.drawImage(0, 0, m_shape.picture());
}

// BrusIMouseUp.
void BrushShapeEditor::mouseReleaseEvent(QMouseEvent* Event) {
    const QPoint at = Event->position().toPoint();
    if (!rect().contains(at)) return;
    if (m_shape.clickAt(at.x(), at.y())) {
        update();
        emit edited();
    }
}
