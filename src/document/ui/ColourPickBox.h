#pragma once

#include "pixel/TColor32.h"
#include "widgets/PictureBox.h"

// A picture box whose press reports the colour shown at the pressed point,
// so what the user picks is what the user sees, whatever the scaling. The
// window colour shows around the picture.
class ColourPickBox : public PictureBox {
    Q_OBJECT
public:
    explicit ColourPickBox(QWidget* Parent = nullptr);

    // What the box shows, one pixel per box pixel.
    QImage shown() const;
    // The colour shown at Pos (red in the low byte).
    TColor colourAt(QPoint Pos) const;

signals:
    void pressed(TColor Displayed);

protected:
    void paintEvent(QPaintEvent* Event) override;
    void mousePressEvent(QMouseEvent* Event) override;
};
