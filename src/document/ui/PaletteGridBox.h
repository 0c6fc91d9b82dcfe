#pragma once

#include <QImage>
#include <QWidget>

// A paint box that shows a palette grid picture at its own size and reports
// where it was pressed, with any button.
class PaletteGridBox : public QWidget {
    Q_OBJECT
public:
    explicit PaletteGridBox(QWidget* Parent = nullptr);

    // The box takes the picture's height and repaints.
    void setPicture(const QImage& Picture);
    const QImage& picture() const { return m_picture; }

signals:
    void pressed(QPoint Pos);

protected:
    void paintEvent(QPaintEvent* Event) override;
    void mousePressEvent(QMouseEvent* Event) override;

private:
    QImage m_picture;
};
