#include "widgets/DBusScreenshotPortal.h"

#include <QCoreApplication>
#include <QDBusConnection>
#include <QDBusMessage>
#include <QDBusObjectPath>
#include <QDBusPendingCallWatcher>
#include <QDBusPendingReply>
#include <QGuiApplication>
#include <QUrl>

namespace {

const char* const DesktopPath = "/org/freedesktop/portal/desktop";
const char* const ScreenshotInterface = "org.freedesktop.portal.Screenshot";
const char* const RequestInterface = "org.freedesktop.portal.Request";

// The bus daemon answers at once; the bound only keeps a wedged bus from
// freezing the window.
constexpr int BusQueryTimeout = 2000;

QDBusMessage askBus(const QString& Method, const QVariantList& Arguments = {}) {
    QDBusMessage call = QDBusMessage::createMethodCall(
        QStringLiteral("org.freedesktop.DBus"), QStringLiteral("/org/freedesktop/DBus"),
        QStringLiteral("org.freedesktop.DBus"), Method);
    call.setArguments(Arguments);
    return QDBusConnection::sessionBus().call(call, QDBus::Block, BusQueryTimeout);
}

} // namespace

const char* const DBusScreenshotPortal::ServiceName = "org.freedesktop.portal.Desktop";

DBusScreenshotPortal::DBusScreenshotPortal(int TimeoutMilliseconds, QObject* Parent)
    : QObject(Parent), m_timeout(TimeoutMilliseconds) {
    m_timer.setSingleShot(true);
    connect(&m_timer, &QTimer::timeout, this, [this] { finish(QImage()); });
}

bool DBusScreenshotPortal::isWaylandSession() {
    if (QGuiApplication::platformName().startsWith(QLatin1String("wayland"))) return true;
    if (!qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY")) return true;
    return qEnvironmentVariable("XDG_SESSION_TYPE") == QLatin1String("wayland");
}

bool DBusScreenshotPortal::available() const {
    if (!QDBusConnection::sessionBus().isConnected()) return false;
    const QString name = QLatin1String(ServiceName);
    const QDBusMessage owner = askBus(QStringLiteral("NameHasOwner"), {name});
    if (owner.type() == QDBusMessage::ReplyMessage && owner.arguments().value(0).toBool())
        return true;
    // Desktops usually start the portal on the first call.
    const QDBusMessage names = askBus(QStringLiteral("ListActivatableNames"));
    return names.type() == QDBusMessage::ReplyMessage &&
           names.arguments().value(0).toStringList().contains(name);
}

void DBusScreenshotPortal::listenOn(const QString& Path) {
    QDBusConnection bus = QDBusConnection::sessionBus();
    if (!m_requestPath.isEmpty())
        bus.disconnect(QString(), m_requestPath, QLatin1String(RequestInterface),
                       QStringLiteral("Response"), this, SLOT(onResponse(uint, QVariantMap)));
    m_requestPath = Path;
    bus.connect(QString(), Path, QLatin1String(RequestInterface), QStringLiteral("Response"), this,
                SLOT(onResponse(uint, QVariantMap)));
}

void DBusScreenshotPortal::requestScreenshot(std::function<void(const QImage&)> Done) {
    if (m_done) {
        // One request at a time; a second caller is refused at once rather
        // than left waiting for an answer that belongs to the first.
        QTimer::singleShot(0, this, [Done] { Done(QImage()); });
        return;
    }
    m_done = std::move(Done);
    QDBusConnection bus = QDBusConnection::sessionBus();
    const QString token =
        QStringLiteral("brisel%1_%2").arg(QCoreApplication::applicationPid()).arg(++m_requests);
    // The request object's path is made from the caller's unique name
    // without its colon, dots turned to underscores, and the token.
    QString sender = bus.baseService();
    sender.remove(0, sender.startsWith(QLatin1Char(':')) ? 1 : 0)
        .replace(QLatin1Char('.'), QLatin1Char('_'));
    listenOn(QStringLiteral("/org/freedesktop/portal/desktop/request/%1/%2").arg(sender, token));
    m_timer.start(m_timeout);

    QDBusMessage call = QDBusMessage::createMethodCall(
        QLatin1String(ServiceName), QLatin1String(DesktopPath), QLatin1String(ScreenshotInterface),
        QStringLiteral("Screenshot"));
    QVariantMap options;
    options.insert(QStringLiteral("handle_token"), token);
    options.insert(QStringLiteral("interactive"), false);
    options.insert(QStringLiteral("modal"), true);
    call.setArguments({QString(), options});
    auto* watcher = new QDBusPendingCallWatcher(bus.asyncCall(call, m_timeout), this);
    connect(watcher, &QDBusPendingCallWatcher::finished, this, [this](QDBusPendingCallWatcher* W) {
        W->deleteLater();
        if (!m_done) return;
        const QDBusPendingReply<QDBusObjectPath> reply = *W;
        if (reply.isError()) {
            finish(QImage());
            return;
        }
        // Older portals choose the path themselves.
        const QString path = reply.value().path();
        if (path != m_requestPath) listenOn(path);
    });
}

void DBusScreenshotPortal::onResponse(uint Response, const QVariantMap& Results) {
    if (!m_done) return;
    // 0: the picture is there; 1: the user said no; 2: anything else.
    if (Response != 0) {
        finish(QImage());
        return;
    }
    const QUrl uri(Results.value(QStringLiteral("uri")).toString());
    finish(uri.isLocalFile() ? QImage(uri.toLocalFile()) : QImage());
}

void DBusScreenshotPortal::finish(const QImage& Picture) {
    m_timer.stop();
    if (!m_requestPath.isEmpty()) {
        QDBusConnection::sessionBus().disconnect(
            QString(), m_requestPath, QLatin1String(RequestInterface), QStringLiteral("Response"),
            this, SLOT(onResponse(uint, QVariantMap)));
        m_requestPath.clear();
    }
    auto done = std::move(m_done);
    m_done = nullptr;
    if (done) done(Picture);
}
