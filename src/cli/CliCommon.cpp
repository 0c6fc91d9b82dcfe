#include "CliCommon.h"

#include <QDir>
#include <QFile>
#include <cstdio>

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
