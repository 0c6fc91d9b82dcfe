#pragma once

#include <QImage>
#include <QWidget>

// A picture control: shows its picture centred, scaled down proportionally
// when it is larger than the control. A smaller picture is shown at its own
// size, or, once enlarging is allowed, at the largest whole-number zoom that
// fits, every pixel a square block.
class PictureBox : public QWidget {
    Q_OBJECT
public:
    explicit PictureBox(QWidget* Parent = nullptr);

    void setEnlarging(bool Enlarge);
    bool enlarging() const { return m_enlarge; }

    // A null picture empties the control.
    virtual void setPicture(const QImage& Picture);
    // What the control shows, at its own size.
    const QImage& picture() const { return m_shown; }
    // Where the picture is drawn inside the control.
    QRect pictureRect() const;

protected:
    void showPicture(const QImage& Picture);
    void paintEvent(QPaintEvent* Event) override;

private:
    QImage m_shown;
    bool m_enlarge = false;
};
