#pragma once

#include <QImage>
#include <functional>
#include <utility>

// The desktop's clipboard as the editor uses it: it puts a picture there and
// takes one from there, so pictures travel to and from other programs. The
// program answers it with the platform's clipboard, tests with a fake.
class DesktopClipboard {
public:
    virtual ~DesktopClipboard() = default;

    // Replaces the clipboard's contents with Picture, a straight-alpha ARGB32
    // picture whose alpha other programs receive too.
    virtual void putPicture(const QImage& Picture) = 0;
    // Whether the clipboard holds a picture Paste can take.
    virtual bool hasPicture() const = 0;
    // The picture on the clipboard, alpha included; null when there is none
    // or it cannot be read.
    virtual QImage picture() const = 0;

    // Called whenever the clipboard's contents change, whoever changed them.
    void setChangeListener(std::function<void()> Listener) { m_listener = std::move(Listener); }

protected:
    void contentsChanged() {
        if (m_listener) m_listener();
    }

private:
    std::function<void()> m_listener;
};
