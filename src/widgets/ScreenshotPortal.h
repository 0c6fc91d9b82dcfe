#pragma once

#include <QImage>
#include <functional>

// Where programs may not read the screen themselves (a Wayland session), the
// desktop hands out a picture of it on request. The program asks the desktop
// portal; tests answer with a known picture, a refusal or silence.
class ScreenshotPortal {
public:
    virtual ~ScreenshotPortal() = default;
    // Whether anything is there to ask. Cheap and immediate, so the caller can
    // decide before it hides any window.
    virtual bool available() const = 0;
    // Asks for a picture of the whole screen. Done runs exactly once, later,
    // on the GUI thread: with the picture, or with a null image when the
    // desktop refused, failed or did not answer in time.
    virtual void requestScreenshot(std::function<void(const QImage&)> Done) = 0;
};
