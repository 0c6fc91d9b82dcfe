// The program started where it cannot show a window ends with a message and a
// failure status, not with the abort that shells report as a crash.

#include <QProcess>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

TEST(ProgramStart, WithoutADisplayItSaysSoAndFails) {
    const struct {
        const char* name;
        const char* platform;
    } cases[] = {
        {"an X display that is not there", "xcb"},
        {"a platform Qt does not have", "nosuchplatform"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        QTemporaryDir home;
        ASSERT_TRUE(home.isValid());
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert(QStringLiteral("QT_QPA_PLATFORM"), QLatin1String(c.platform));
        env.insert(QStringLiteral("DISPLAY"), QStringLiteral(":1987"));
        env.remove(QStringLiteral("WAYLAND_DISPLAY"));
        env.insert(QStringLiteral("HOME"), home.path());
        env.insert(QStringLiteral("XDG_CONFIG_HOME"), home.path());
        QProcess p;
        p.setProcessEnvironment(env);
        p.start(QStringLiteral(BRISEL_PROGRAM), {});
        ASSERT_TRUE(p.waitForStarted(5000));
        ASSERT_TRUE(p.waitForFinished(20000));
        EXPECT_EQ(p.exitStatus(), QProcess::NormalExit);
        EXPECT_EQ(p.exitCode(), 1);
        EXPECT_TRUE(p.readAllStandardError().contains("Brisel cannot start"));
    }
}

} // namespace
