#pragma once

// brisel-cli run as a program, for the tests of its commands.

#include <QByteArray>
#include <QImage>
#include <QString>
#include <QStringList>
#include <QDir>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <gtest/gtest.h>

struct CliRun {
    int Status = -1;
    QString Out;
    QString Err;
};

CliRun cli(const QStringList& Args);
QByteArray readFile(const QString& Path);

class CliTest : public ::testing::Test {
protected:
    QString path(const QString& Name) const { return m_dir.filePath(Name); }

    // A picture whose pixel (x, y) is Colour(x, y), saved as PNG.
    QString picture(const QString& Name, int W, int H, QRgb (*Colour)(int, int));

    // A failure names the file on one line of standard error and writes nothing.
    void expectFailure(const CliRun& R, const QString& Names);

    QTemporaryDir m_dir;
};
