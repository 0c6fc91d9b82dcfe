#pragma once

#include "pixel/TColor32.h"

#include <QImage>
#include <QWidget>

// A picture centred in the box and scaled down, keeping its proportions,
// when it is larger; the window colour shows around it. A press reports the
// colour shown at the pressed point, so what the user picks is what the user
// sees, whatever the scaling.
class PictureBox : public QWidget {
    Q_OBJECT
public:
    explicit PictureBox(QWidget* Parent = nullptr);

    void setPicture(const QImage& Picture);
    // What the box shows, one pixel per box pixel.
    QImage shown() const;
    // The colour shown at Pos (red in the low byte).
    TColor colourAt(QPoint Pos) const;

signals:
    void pressed(TColor Displayed);

protected:
    void paintEvent(QPaintEvent* Event) override;
    void mousePressEvent(QMouseEvent* Event) override;

private:
    QImage m_picture;
};
