#include "CliTestSupport.h"

#include <QFile>
#include <QProcess>

CliRun cli(const QStringList& Args) {
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

QByteArray readFile(const QString& Path) {
    QFile f(Path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

QString CliTest::picture(const QString& Name, int W, int H, QRgb (*Colour)(int, int)) {
    QImage img(W, H, QImage::Format_ARGB32);
    for (int y = 0; y < H; ++y)
        for (int x = 0; x < W; ++x)
            img.setPixel(x, y, Colour(x, y));
    const QString p = path(Name);
    EXPECT_TRUE(img.save(p, "PNG"));
    return p;
}

void CliTest::expectFailure(const CliRun& R, const QString& Names) {
    EXPECT_EQ(R.Status, 1);
    EXPECT_TRUE(R.Out.isEmpty()) << R.Out.toStdString();
    EXPECT_EQ(R.Err.count(QLatin1Char('\n')), 1) << R.Err.toStdString();
    EXPECT_TRUE(R.Err.startsWith(QStringLiteral("brisel-cli: "))) << R.Err.toStdString();
    EXPECT_TRUE(R.Err.contains(Names)) << R.Err.toStdString();
}
