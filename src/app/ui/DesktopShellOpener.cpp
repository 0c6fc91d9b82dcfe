#include "app/ui/DesktopShellOpener.h"

#include <QDesktopServices>
#include <QUrl>

bool DesktopShellOpener::openFile(const QString& Path) {
    return QDesktopServices::openUrl(QUrl::fromLocalFile(Path));
}

bool DesktopShellOpener::openUrl(const QString& Url) {
    return QDesktopServices::openUrl(QUrl(Url));
}
