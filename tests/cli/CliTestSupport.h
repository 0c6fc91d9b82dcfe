#pragma once

// brisel-cli run as a program, in a temporary folder of its own.

#include <QDir>
#include <QFile>
#include <QImage>
#include <QProcess>
#include <QTemporaryDir>
#include <gtest/gtest.h>

struct CliRun {
    int Status = -1;
    QString Out;
    QString Err;
};

inline CliRun cli(const QStringList& Args) {
    QProcess p;
    p.start(QStringLiteral(BRISEL_CLI), Args);
    CliRun r;
    if (!p.waitForFinished(60000)) {
        ADD_FAILURE() << "brisel-cli did not finish";
        return r;
    }
    r.Status = p.exitStatus() == QProcess::NormalExit ? p.exitCode() : -1;
    r.Out = QString::fromLocal8Bit(p.readAllStandardOutput());
    r.Err = QString::fromLocal8Bit(p.readAllStandardError());
    return r;
}

inline QByteArray readFile(const QString& Path) {
    QFile f(Path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

class CliTest : public ::testing::Test {
protected:
    QString path(const QString& Name) const { return m_dir.filePath(Name); }

    // A picture whose pixel (x, y) is Colour(x, y), saved as PNG.
    QString picture(const QString& Name, int W, int H, QRgb (*Colour)(int, int)) {
        QImage img(W, H, QImage::Format_ARGB32);
        for (int y = 0; y < H; ++y)
            for (int x = 0; x < W; ++x)
                img.setPixel(x, y, Colour(x, y));
        const QString p = path(Name);
        EXPECT_TRUE(img.save(p, "PNG"));
        return p;
    }

    // A failure names the file on one line of standard error and writes nothing.
    void expectFailure(const CliRun& R, const QString& Names) {
        EXPECT_EQ(R.Status, 1);
        EXPECT_TRUE(R.Out.isEmpty()) << R.Out.toStdString();
        EXPECT_EQ(R.Err.count(QLatin1Char('\n')), 1) << R.Err.toStdString();
        EXPECT_TRUE(R.Err.startsWith(QStringLiteral("brisel-cli: "))) << R.Err.toStdString();
        EXPECT_TRUE(R.Err.contains(Names)) << R.Err.toStdString();
    }

    QTemporaryDir m_dir;
};
