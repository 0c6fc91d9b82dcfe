#pragma once

#include "widgets/PictureBox.h"

// A picture control that shows its picture turned by a free angle about its
// centre, on a square whose side is the picture's diagonal. The corners the
// turned picture leaves uncovered take the colour of the picture's
// bottom-left pixel. Every view is computed from the picture as it was
// assigned, never from an already turned view.
class TRotatableImage : public PictureBox {
    Q_OBJECT
public:
    explicit TRotatableImage(QWidget* Parent = nullptr);

    // Degrees, counterclockwise on screen.
    double RotationAngle() const { return m_angle; }
    void setRotationAngle(double Angle);

    // The unturned picture; the control shows it turned by RotationAngle.
    void setPicture(const QImage& Picture) override;
    const QImage& unrotated() const { return m_unrotated; }

private:
    void rotate();

    double m_angle = 0;
    QImage m_unrotated;
};
