#include "app/ProgramFolder.h"

#include <QDir>
#include <QFileInfo>

namespace {
QString withSeparator(const QString& Dir) {
    QString d = QDir::cleanPath(Dir);
    if (!d.endsWith(QLatin1Char('/'))) d += QLatin1Char('/');
    return d;
}
} // namespace

QString findProgramFolder(const QString& ExeDir) {
    const QDir exe(ExeDir);
    if (QFileInfo(exe.filePath(QStringLiteral("Use Files"))).isDir()) return withSeparator(ExeDir);
    const QString shared = exe.filePath(QStringLiteral("../share/brisel"));
    if (QFileInfo(shared).isDir()) return withSeparator(shared);
    return withSeparator(ExeDir);
}
