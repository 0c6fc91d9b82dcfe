// A stand-in for the desktop's screenshot portal on a private session bus.
//   brisel_portal_standin picture FILE   answers with FILE's URI
//   brisel_portal_standin refuse         answers that the user said no
//   brisel_portal_standin silent         never answers
// It prints "ready" once it owns the portal's name, and for every request one
// line "asked interactive=<true|false> token=<handle_token>".

#include <QCoreApplication>
#include <QDBusConnection>
#include <QDBusContext>
#include <QDBusMessage>
#include <QDBusObjectPath>
#include <QFileInfo>
#include <QTimer>
#include <QUrl>
#include <cstdio>

class ScreenshotStandIn : public QObject, protected QDBusContext {
    Q_OBJECT
    Q_CLASSINFO("D-Bus Interface", "org.freedesktop.portal.Screenshot")
public:
    ScreenshotStandIn(QString Mode, QString File)
        : m_mode(std::move(Mode)), m_file(std::move(File)) {}

public slots:
    QDBusObjectPath Screenshot(const QString& ParentWindow, const QVariantMap& Options) {
        Q_UNUSED(ParentWindow);
        const QString token = Options.value(QStringLiteral("handle_token")).toString();
        QString sender = message().service().mid(1).replace(QLatin1Char('.'), QLatin1Char('_'));
        const QString path =
            QStringLiteral("/org/freedesktop/portal/desktop/request/%1/%2").arg(sender, token);
        std::printf("asked interactive=%s token=%s\n",
                    Options.value(QStringLiteral("interactive")).toBool() ? "true" : "false",
                    qPrintable(token));
        std::fflush(stdout);
        if (m_mode != QLatin1String("silent")) {
            // The answer comes after the call has returned, as from a real
            // portal.
            QTimer::singleShot(50, this, [this, path] {
                QDBusMessage response = QDBusMessage::createSignal(
                    path, QStringLiteral("org.freedesktop.portal.Request"),
                    QStringLiteral("Response"));
                QVariantMap results;
                uint code = 1;
                if (m_mode == QLatin1String("picture")) {
                    code = 0;
                    results.insert(
                        QStringLiteral("uri"),
                        QUrl::fromLocalFile(QFileInfo(m_file).absoluteFilePath()).toString());
                }
                response << code << results;
                QDBusConnection::sessionBus().send(response);
            });
        }
        return QDBusObjectPath(path);
    }

private:
    QString m_mode;
    QString m_file;
};

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    const QStringList args = app.arguments();
    const QString mode = args.value(1);
    if (mode != QLatin1String("picture") && mode != QLatin1String("refuse") &&
        mode != QLatin1String("silent")) {
        std::fprintf(stderr, "usage: brisel_portal_standin picture FILE|refuse|silent\n");
        return 2;
    }
    ScreenshotStandIn portal(mode, args.value(2));
    QDBusConnection bus = QDBusConnection::sessionBus();
    if (!bus.registerObject(QStringLiteral("/org/freedesktop/portal/desktop"), &portal,
                            QDBusConnection::ExportAllSlots) ||
        !bus.registerService(QStringLiteral("org.freedesktop.portal.Desktop"))) {
        std::fprintf(stderr, "could not take the portal's name on the session bus\n");
        return 1;
    }
    std::printf("ready\n");
    std::fflush(stdout);
    return app.exec();
}

#include "PortalStandIn.moc"
