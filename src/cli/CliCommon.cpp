#include "cli/CliCommon.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <atomic>
#include <cerrno>
#include <cstdio>
#include <cstring>
#include <unistd.h>

void printLine(const QString& Line) {
    const QByteArray bytes = Line.toLocal8Bit();
    std::fwrite(bytes.constData(), 1, std::size_t(bytes.size()), stdout);
    std::fputc('\n', stdout);
}

void printError(const QString& Message) {
    // One line, whatever the reason's text holds.
    QString line = Message.simplified();
    const QByteArray bytes = (QStringLiteral("brisel-cli: ") + line).toLocal8Bit();
    std::fwrite(bytes.constData(), 1, std::size_t(bytes.size()), stderr);
    std::fputc('\n', stderr);
}

QByteArray readWholeFile(const QString& Path) {
    QFile file(Path);
    if (!file.open(QIODevice::ReadOnly))
        throw CliError(
            QStringLiteral("%1: %2").arg(QDir::toNativeSeparators(Path), file.errorString()));
    QByteArray bytes = file.readAll();
    if (file.error() != QFileDevice::NoError)
        throw CliError(
            QStringLiteral("%1: %2").arg(QDir::toNativeSeparators(Path), file.errorString()));
    return bytes;
}

void writeFileReplacing(const QString& Path, const QByteArray& Bytes) {
    const QString shown = QDir::toNativeSeparators(Path);
    const QFileInfo target(Path);
    // A name of its own beside the target: threads and other runs write
    // their own, and the rename stays on one file system.
    static std::atomic<unsigned> serial{0};
    const QString temp = target.absolutePath() + QStringLiteral("/.") + target.fileName() +
                         QStringLiteral(".%1-%2.part").arg(::getpid()).arg(serial++);
    QFile file(temp);
    if (!file.open(QIODevice::WriteOnly | QIODevice::NewOnly))
        throw CliError(QStringLiteral("%1: %2").arg(shown, file.errorString()));
    if (target.exists() && !target.isDir()) file.setPermissions(QFile::permissions(Path));
    if (file.write(Bytes) != Bytes.size() || !file.flush()) {
        const QString reason = file.errorString();
        file.remove();
        throw CliError(QStringLiteral("%1: %2").arg(shown, reason));
    }
    file.close();
    if (::rename(QFile::encodeName(temp).constData(), QFile::encodeName(Path).constData()) != 0) {
        const QString reason = QString::fromLocal8Bit(std::strerror(errno));
        QFile::remove(temp);
        throw CliError(QStringLiteral("%1: %2").arg(shown, reason));
    }
}
