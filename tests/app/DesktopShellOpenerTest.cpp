#include "app/ui/DesktopShellOpener.h"

#include <QCoreApplication>
#include <QDeadlineTimer>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>
#include <gtest/gtest.h>
#include <optional>

namespace {

// The desktop's opener stood in for by a script of ours in a folder of its
// own; PATH holds nothing else, so the real desktop is never asked.
class DesktopShellOpenerTest : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(folder.isValid());
        m_path = qgetenv("PATH");
        qputenv("PATH", QFile::encodeName(folder.path()));
    }
    void TearDown() override { qputenv("PATH", m_path); }

    // An opener that notes what it was asked for, then runs Body.
    void writeOpener(const QByteArray& Body) {
        QFile f(folder.filePath(QStringLiteral("xdg-open")));
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write("#!/bin/sh\nprintf '%s' \"$1\" > \"${0%/*}/asked\"\n" + Body + "\n");
        f.close();
        f.setPermissions(QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    }
    QString asked() const {
        QFile f(folder.filePath(QStringLiteral("asked")));
        return f.open(QIODevice::ReadOnly) ? QString::fromUtf8(f.readAll()) : QString();
    }
    // The outcome, waiting for it as long as the desktop may take.
    std::optional<bool> outcome(DesktopShellOpener& Opener, bool Url, const QString& Target) {
        std::optional<bool> result;
        int reports = 0;
        const auto done = [&](bool Opened) {
            result = Opened;
            ++reports;
        };
        Url ? Opener.openUrl(Target, done) : Opener.openFile(Target, done);
        QDeadlineTimer deadline(10000);
        while (!result && !deadline.hasExpired())
            QTest::qWait(10);
        // Everything it started has ended before the test goes on, and the
        // outcome came once.
        while (Opener.running() > 0 && !deadline.hasExpired())
            QTest::qWait(10);
        EXPECT_EQ(Opener.running(), 0);
        QTest::qWait(50);
        EXPECT_LE(reports, 1);
        return result;
    }

    QTemporaryDir folder;

private:
    QByteArray m_path;
};

// Starting the desktop's opener is not opening the document: what counts is
// what the opener reports, so a desktop without a browser is told to the user.
TEST_F(DesktopShellOpenerTest, ReportsWhatTheDesktopOpenerReports) {
    struct Case {
        const char* name;
        const char* body; // nullptr: there is no opener at all
        bool opened;
    };
    const Case cases[] = {
        {"the opener opens it", "exit 0", true},
        {"no browser found", "exit 3", false},
        {"the browser failed", "exit 4", false},
        {"killed", "kill -9 $$", false},
        {"no opener installed", nullptr, false},
        // A browser that runs in the opener's place holds the document until
        // it is closed: once the opener has not failed for a while, the
        // document counts as shown.
        {"the browser stays", "exec /bin/sleep 1", true},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        QFile::remove(folder.filePath(QStringLiteral("xdg-open")));
        QFile::remove(folder.filePath(QStringLiteral("asked")));
        if (c.body) writeOpener(c.body);
        DesktopShellOpener opener(200);
        const QString page = folder.filePath(QStringLiteral("help page.html"));
        EXPECT_EQ(outcome(opener, false, page), std::optional<bool>(c.opened));
        if (c.body) {
            EXPECT_EQ(asked(), page);
        }
        EXPECT_EQ(outcome(opener, true, QStringLiteral("https://example.org/a b")),
                  std::optional<bool>(c.opened));
    }
}

} // namespace
