#pragma once

#include <QImage>
#include <QPoint>

// The screen as the capture window needs it: a frozen copy of the primary
// screen and the mouse pointer's place on it, both in the screen's logical
// pixels. The program answers with the real screen, tests with a known
// picture.
class ScreenGrabber {
public:
    virtual ~ScreenGrabber() = default;
    // The whole primary screen, its top-left pixel at (0, 0); null when it
    // cannot be read.
    virtual QImage grabPrimaryScreen() = 0;
    // The pointer, relative to the primary screen's top-left corner.
    virtual QPoint pointerPosition() const = 0;
    // Where the primary screen's top-left corner lies on the desktop.
    virtual QPoint screenOrigin() const { return QPoint(); }
};

// The platform's primary screen and pointer.
class QtScreenGrabber : public ScreenGrabber {
public:
    QImage grabPrimaryScreen() override;
    QPoint pointerPosition() const override;
    QPoint screenOrigin() const override;
};
