#pragma once

#include "widgets/ScreenGrabber.h"

#include <QImage>
#include <QTimer>
#include <QWidget>

// The screen-capture window: a borderless, always-on-top black frame exactly
// one pixel wider than the image on every side. The screen is frozen into a
// picture a moment after the window appears (off-screen, so it is not in
// the picture); from then on the frame follows the pointer and shows the
// frozen screen at the very place it covers. A left click captures what lies
// inside the frame; any other button cancels. Either way the window hides.
class TCapForm : public QWidget {
    Q_OBJECT
public:
    explicit TCapForm(ScreenGrabber& Grabber, QWidget* Parent = nullptr);

    // FormShow: sized for an image of ImageSize, put outside the screen and
    // shown; Tim2 starts.
    void execute(QSize ImageSize);

    const QImage& screenPicture() const { return m_screen; }
    // The frame's top-left corner relative to the screen, as TimTimer last
    // placed it.
    QPoint framePosition() const { return m_frame; }
    bool timRunning() const { return m_tim.isActive(); }
    bool tim2Running() const { return m_tim2.isActive(); }

public slots:
    // Tim2 (100 ms, once): the screen is frozen and Tim starts.
    void Tim2Timer();
    // Tim (10 ms): the frame is centred on the pointer.
    void TimTimer();

signals:
    // A left click: the area inside the frame, the image's size, 24-bit.
    void captured(const QImage& Picture);
    // After any click: the main window shows again.
    void finished();

protected:
    void paintEvent(QPaintEvent* Event) override;
    void mousePressEvent(QMouseEvent* Event) override;
    void hideEvent(QHideEvent* Event) override;

private:
    QRect inside() const;

    ScreenGrabber& m_grabber;
    QImage m_screen;
    QPoint m_frame{-500, 0};
    QTimer m_tim;
    QTimer m_tim2;
};
