#include "ExtbindFixture.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QStandardPaths>
#include <unistd.h>

namespace {

template <typename Case> std::string caseName(const ::testing::TestParamInfo<Case>& Info) {
    return Info.param.Name;
}

class ExtbindNothingToDo : public ExtbindTest,
                           public ::testing::WithParamInterface<std::vector<QByteArray>> {};

TEST_P(ExtbindNothingToDo, WritesNothingAndSaysNothing) {
    const ExtbindRun r = extbind(GetParam());
    EXPECT_EQ(r.Status, 0);
    EXPECT_EQ(r.Out, QByteArray());
    EXPECT_EQ(r.Err, QByteArray());
    EXPECT_EQ(filesWritten(), QStringList());
}

INSTANTIATE_TEST_SUITE_P(Arguments, ExtbindNothingToDo,
                         ::testing::Values(std::vector<QByteArray>{},
                                           std::vector<QByteArray>{"ico"},
                                           std::vector<QByteArray>{"ico", ""}),
                         [](const auto& Info) { return "Arguments" + std::to_string(Info.index); });

TEST_F(ExtbindTest, DatabaseReportsTheNewTypeForTheExtension) {
    if (!canRefresh()) GTEST_SKIP() << "update-mime-database is not installed";
    ASSERT_EQ(extbind({"ico", "Icon File"}).Status, 0);
    const QStringList lines = globLines("*.ico");
    ASSERT_EQ(lines.size(), 1) << lines.join('\n').toStdString();
    EXPECT_TRUE(lines[0].endsWith(":application/x-icon-file:*.ico")) << lines[0].toStdString();

    // xdg-mime asks the desktop's own lookup; GNOME's (gio) honours the
    // user's database and its glob weights.
    if (QStandardPaths::findExecutable("xdg-mime").isEmpty() ||
        QStandardPaths::findExecutable("gio").isEmpty())
        GTEST_SKIP() << "xdg-mime or gio is not installed";
    QFile file(m_scratch.filePath("x.ico"));
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write("\x89\x12\x77\x01 not an icon");
    file.close();
    QProcess query;
    QProcessEnvironment env = m_env;
    env.insert("XDG_CURRENT_DESKTOP", "GNOME");
    query.setProcessEnvironment(env);
    query.start("xdg-mime", {"query", "filetype", file.fileName()});
    ASSERT_TRUE(query.waitForFinished(60000));
    EXPECT_EQ(QString::fromUtf8(query.readAllStandardOutput()).trimmed(),
              "application/x-icon-file");
}

TEST_F(ExtbindTest, SecondRunReplacesTheFirst) {
    ASSERT_EQ(extbind({"ico", "Icon File"}).Status, 0);
    ASSERT_EQ(extbind({"ico", "Other Kind"}).Status, 0);
    // The database matches globs regardless of case, so ".ICO" is the same extension.
    ASSERT_EQ(extbind({".ICO", "Third Kind"}).Status, 0);
    ASSERT_EQ(packageFiles(), QStringList{"extbind-ico.xml"});
    const Package p = readPackage(packages() + "/extbind-ico.xml");
    EXPECT_EQ(p.Type, "application/x-third-kind");
    EXPECT_EQ(p.Comment, "Third Kind");
    if (canRefresh()) {
        const QStringList lines = globLines("*.ico");
        ASSERT_EQ(lines.size(), 1) << lines.join('\n').toStdString();
        EXPECT_TRUE(lines[0].endsWith(":application/x-third-kind:*.ico"));
    }
}

// A run that names the type an earlier run described (for another
// extension) adds its glob and leaves the description to that run.
TEST_F(ExtbindTest, ATypeAnEarlierRunDescribedKeepsItsDescription) {
    ASSERT_EQ(extbind({"ico", "Icon File"}).Status, 0);
    ASSERT_EQ(extbind({"icon", "application/x-icon-file"}).Status, 0);
    const Package p = readPackage(packages() + "/extbind-icon.xml");
    EXPECT_EQ(p.Type, "application/x-icon-file");
    EXPECT_FALSE(p.HasComment) << p.Comment.toStdString();
    EXPECT_EQ(readPackage(packages() + "/extbind-ico.xml").Comment, "Icon File");
    // Replacing the run that described it describes it again.
    ASSERT_EQ(extbind({"ico", "application/x-icon-file"}).Status, 0);
    EXPECT_EQ(readPackage(packages() + "/extbind-ico.xml").Comment, "application/x-icon-file");
}

TEST_F(ExtbindTest, WithoutTheRefreshProgramThePackageIsStillWritten) {
    QTemporaryDir emptyPath;
    m_env.insert("PATH", emptyPath.path());
    const ExtbindRun r = extbind({"ico", "Icon File"});
    EXPECT_EQ(r.Status, 0);
    EXPECT_EQ(r.Out + r.Err, QByteArray());
    EXPECT_EQ(filesWritten(), QStringList{"data/mime/packages/extbind-ico.xml"});
}

struct FailureCase {
    const char* Name;
    const char* InReason; // part of the one stderr line besides the file
};

class ExtbindWriteFailure : public ExtbindTest,
                            public ::testing::WithParamInterface<FailureCase> {};

// A store that cannot be written is reported, never passed off as success,
// and leaves no partial or temporary file behind.
TEST_P(ExtbindWriteFailure, EndsWithStatusOneAndOneLineNamingTheFile) {
    const QString name = GetParam().Name;
    QByteArray extension = "ico";
    QString named = packages() + "/extbind-ico.xml";
    if (name == "MimeFolderIsAFile") {
        ASSERT_TRUE(QDir().mkpath(dataHome()));
        QFile f(dataHome() + "/mime");
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        named = packages();
    } else if (name == "PackageNameTakenByAFolder") {
        ASSERT_TRUE(QDir().mkpath(packages() + "/extbind-ico.xml/inside"));
    } else if (name == "NameTooLong") {
        extension = QByteArray(250, 'x');
        named = packages() + "/extbind-" + extension + ".xml";
    } else if (name == "ReadOnlyFolder") {
        if (geteuid() == 0) GTEST_SKIP() << "permissions do not stop root";
        ASSERT_TRUE(QDir().mkpath(packages()));
        ASSERT_TRUE(QFile::setPermissions(packages(), QFile::ReadOwner | QFile::ExeOwner));
    }
    const ExtbindRun r = extbind({extension, "Icon File"});
    QFile::setPermissions(packages(), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    EXPECT_EQ(r.Status, 1);
    EXPECT_EQ(r.Out, QByteArray());
    EXPECT_EQ(r.Err.count('\n'), 1) << r.Err.toStdString();
    EXPECT_TRUE(r.Err.contains(named.toUtf8())) << r.Err.toStdString();
    EXPECT_TRUE(r.Err.contains(GetParam().InReason)) << r.Err.toStdString();
    const QStringList left = packageFiles();
    EXPECT_EQ(left, QStringList()) << left.join(' ').toStdString();
}

INSTANTIATE_TEST_SUITE_P(Stores, ExtbindWriteFailure,
                         ::testing::Values(FailureCase{"MimeFolderIsAFile", "Not a directory"},
                                           FailureCase{"PackageNameTakenByAFolder",
                                                       "Is a directory"},
                                           FailureCase{"NameTooLong", "File name too long"},
                                           FailureCase{"ReadOnlyFolder", "Permission denied"}),
                         caseName<FailureCase>);

} // namespace
