#pragma once

#include <QImage>
#include <QWidget>

// The capture window where no window may follow the pointer across the
// screen or read it (a Wayland session): one full-screen window shows the
// frozen screen the desktop handed over, and inside it the black frame of
// the image's size follows the pointer. A left click captures what lies
// inside the frame; any other button, or Escape, cancels. Either way the
// window hides.
class FrozenScreenForm : public QWidget {
    Q_OBJECT
public:
    explicit FrozenScreenForm(QWidget* Parent = nullptr);

    // Shows Screen over the whole screen, one picture pixel to one logical
    // pixel of the window, with a frame for an image of ImageSize.
    void execute(const QImage& Screen, QSize ImageSize);

    // The frozen screen as shown, at the window's size.
    const QImage& screenPicture() const { return m_screen; }
    // The frame as last placed, in window coordinates.
    QRect frame() const { return m_frame; }

signals:
    // A left click: the area inside the frame, the image's size, 24-bit.
    void captured(const QImage& Picture);
    // After any click or Escape: the main window shows again.
    void finished();

protected:
    void paintEvent(QPaintEvent* Event) override;
    void mouseMoveEvent(QMouseEvent* Event) override;
    void mousePressEvent(QMouseEvent* Event) override;
    void keyPressEvent(QKeyEvent* Event) override;
    void resizeEvent(QResizeEvent* Event) override;

private:
    void placeFrame(QPoint Pointer);
    void fitPicture();
    void finish(bool Take);

    QImage m_handed; // as the desktop handed it over
    QImage m_screen; // scaled to the window
    QSize m_image;
    QRect m_frame;
};
