#pragma once

#include "widgets/ScreenshotPortal.h"

#include <QObject>
#include <QString>
#include <QTimer>
#include <QVariantMap>

// The XDG desktop portal's Screenshot interface on the session bus. The
// answer comes as a Response signal on a request object whose path the
// caller can predict, so the program listens there before it asks and no
// answer can slip past.
class DBusScreenshotPortal : public QObject, public ScreenshotPortal {
    Q_OBJECT
public:
    // Timeout: how long to wait for the desktop's answer.
    explicit DBusScreenshotPortal(int TimeoutMilliseconds = 8000, QObject* Parent = nullptr);

    bool available() const override;
    void requestScreenshot(std::function<void(const QImage&)> Done) override;

    // Whether the desktop is a Wayland session, also for a program that
    // itself talks X11 to XWayland: there no program may read the screen.
    static bool isWaylandSession();

    static const char* const ServiceName;

private slots:
    void onResponse(uint Response, const QVariantMap& Results);

private:
    void listenOn(const QString& Path);
    void finish(const QImage& Picture);

    int m_timeout;
    QTimer m_timer;
    QString m_requestPath;
    std::function<void(const QImage&)> m_done;
    int m_requests = 0;
};
