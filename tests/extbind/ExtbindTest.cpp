#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QXmlStreamReader>
#include <gtest/gtest.h>
#include <unistd.h>

namespace {

struct ExtbindRun {
    int Status = -1;
    QString Out;
    QString Err;
};

// What a package file says, read back with an XML parser so escaping faults show.
struct Package {
    QString Type;
    QString Comment;
    QString Glob;
    bool WellFormed = false;
};

Package readPackage(const QString& Path) {
    QFile f(Path);
    Package p;
    if (!f.open(QIODevice::ReadOnly))
        return p;
    QXmlStreamReader xml(&f);
    while (!xml.atEnd()) {
        if (xml.readNext() != QXmlStreamReader::StartElement)
            continue;
        if (xml.name() == QLatin1String("mime-type"))
            p.Type = xml.attributes().value("type").toString();
        else if (xml.name() == QLatin1String("comment"))
            p.Comment = xml.readElementText();
        else if (xml.name() == QLatin1String("glob"))
            p.Glob = xml.attributes().value("pattern").toString();
    }
    p.WellFormed = !xml.hasError();
    return p;
}

class ExtbindTest : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(m_home.isValid());
        m_env = QProcessEnvironment::systemEnvironment();
        m_env.insert("HOME", m_home.path());
        m_env.insert("XDG_DATA_HOME", dataHome());
    }

    QString dataHome() const { return m_home.filePath("data"); }
    QString packages() const { return dataHome() + "/mime/packages"; }

    ExtbindRun extbind(const QStringList& Args) {
        QProcess p;
        p.setProcessEnvironment(m_env);
        p.start(QStringLiteral(BRISEL_EXTBIND), Args);
        ExtbindRun r;
        if (!p.waitForFinished(60000)) {
            ADD_FAILURE() << "extbind did not finish";
            return r;
        }
        r.Status = p.exitStatus() == QProcess::NormalExit ? p.exitCode() : -1;
        r.Out = QString::fromLocal8Bit(p.readAllStandardOutput());
        r.Err = QString::fromLocal8Bit(p.readAllStandardError());
        return r;
    }

    // Every file below the temporary home, so stray writes anywhere show.
    QStringList filesWritten() const {
        QStringList files;
        QDirIterator it(m_home.path(), QDir::Files | QDir::Hidden, QDirIterator::Subdirectories);
        while (it.hasNext())
            files << QDir(m_home.path()).relativeFilePath(it.next());
        return files;
    }

    QStringList packageFiles() const {
        return QDir(packages()).entryList(QDir::Files | QDir::Hidden);
    }

    // The compiled glob list's lines for one pattern ("weight:type:glob").
    QStringList globLines(const QString& Glob) const {
        QFile f(dataHome() + "/mime/globs2");
        QStringList lines;
        if (!f.open(QIODevice::ReadOnly))
            return lines;
        for (const QByteArray& line : f.readAll().split('\n'))
            if (line.endsWith(":" + Glob.toUtf8()))
                lines << QString::fromUtf8(line);
        return lines;
    }

    static bool canRefresh() {
        return !QStandardPaths::findExecutable("update-mime-database").isEmpty();
    }

    QTemporaryDir m_home;
    QProcessEnvironment m_env;
};

class ExtbindNothingToDo : public ExtbindTest, public ::testing::WithParamInterface<QStringList> {};

TEST_P(ExtbindNothingToDo, WritesNothingAndSaysNothing) {
    const ExtbindRun r = extbind(GetParam());
    EXPECT_EQ(r.Status, 0);
    EXPECT_EQ(r.Out, QString());
    EXPECT_EQ(r.Err, QString());
    EXPECT_EQ(filesWritten(), QStringList());
}

INSTANTIATE_TEST_SUITE_P(Arguments, ExtbindNothingToDo,
                         ::testing::Values(QStringList(), QStringList{"ico"}, QStringList{"ico", ""}),
                         [](const auto& Info) { return "Arguments" + std::to_string(Info.index); });

template <typename Case>
std::string caseName(const ::testing::TestParamInfo<Case>& Info) {
    return Info.param.Name;
}

struct TypeCase {
    const char* Name;
    const char* Value;
    const char* Type;
};

class ExtbindType : public ExtbindTest, public ::testing::WithParamInterface<TypeCase> {};

TEST_P(ExtbindType, PackageMapsTheGlobToTheTypeWithTheValueAsComment) {
    const QString value = QString::fromUtf8(GetParam().Value);
    const ExtbindRun r = extbind({"ico", value});
    EXPECT_EQ(r.Status, 0);
    EXPECT_EQ(r.Out + r.Err, QString());
    ASSERT_EQ(packageFiles(), QStringList{"extbind-ico.xml"});
    const Package p = readPackage(packages() + "/extbind-ico.xml");
    EXPECT_TRUE(p.WellFormed);
    EXPECT_EQ(p.Type, QString::fromUtf8(GetParam().Type));
    EXPECT_EQ(p.Comment, value);
    EXPECT_EQ(p.Glob, "*.ico");
}

INSTANTIATE_TEST_SUITE_P(Values, ExtbindType, ::testing::Values(
    TypeCase{"TwoWords", "Icon File", "application/x-icon-file"},
    TypeCase{"RunOfBlanks", "Big \t  Type", "application/x-big-type"},
    TypeCase{"FullType", "image/vnd.microsoft.icon", "image/vnd.microsoft.icon"},
    TypeCase{"XmlSpecials", "AT&T <\"Doc\"> 'x'", "application/x-at&t-<\"doc\">-'x'"},
    TypeCase{"NonAscii", "Icône", "application/x-icône"}),
    caseName<TypeCase>);

TEST_F(ExtbindTest, DatabaseReportsTheNewTypeForTheExtension) {
    if (!canRefresh())
        GTEST_SKIP() << "update-mime-database is not installed";
    ASSERT_EQ(extbind({"ico", "Icon File"}).Status, 0);
    const QStringList lines = globLines("*.ico");
    ASSERT_EQ(lines.size(), 1) << lines.join('\n').toStdString();
    EXPECT_TRUE(lines[0].endsWith(":application/x-icon-file:*.ico")) << lines[0].toStdString();

    // xdg-mime asks the desktop's own lookup; GNOME's (gio) honours the
    // user's database and its glob weights.
    if (QStandardPaths::findExecutable("xdg-mime").isEmpty() || QStandardPaths::findExecutable("gio").isEmpty())
        GTEST_SKIP() << "xdg-mime or gio is not installed";
    QFile file(m_home.filePath("x.ico"));
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write("\x89\x12\x77\x01 not an icon");
    file.close();
    QProcess query;
    QProcessEnvironment env = m_env;
    env.insert("XDG_CURRENT_DESKTOP", "GNOME");
    query.setProcessEnvironment(env);
    query.start("xdg-mime", {"query", "filetype", file.fileName()});
    ASSERT_TRUE(query.waitForFinished(60000));
    EXPECT_EQ(QString::fromUtf8(query.readAllStandardOutput()).trimmed(), "application/x-icon-file");
}

TEST_F(ExtbindTest, SecondRunReplacesTheFirst) {
    ASSERT_EQ(extbind({"ico", "Icon File"}).Status, 0);
    ASSERT_EQ(extbind({"ico", "Other Kind"}).Status, 0);
    // The database matches globs regardless of case, so ".ICO" is the same extension.
    ASSERT_EQ(extbind({"ICO", "Third Kind"}).Status, 0);
    ASSERT_EQ(packageFiles(), QStringList{"extbind-ico.xml"});
    EXPECT_EQ(readPackage(packages() + "/extbind-ico.xml").Type, "application/x-third-kind");
    if (canRefresh()) {
        const QStringList lines = globLines("*.ico");
        ASSERT_EQ(lines.size(), 1) << lines.join('\n').toStdString();
        EXPECT_TRUE(lines[0].endsWith(":application/x-third-kind:*.ico"));
    }
}

TEST_F(ExtbindTest, WithoutTheRefreshProgramThePackageIsStillWritten) {
    QTemporaryDir emptyPath;
    m_env.insert("PATH", emptyPath.path());
    const ExtbindRun r = extbind({"ico", "Icon File"});
    EXPECT_EQ(r.Status, 0);
    EXPECT_EQ(r.Out + r.Err, QString());
    EXPECT_EQ(filesWritten(), QStringList{"data/mime/packages/extbind-ico.xml"});
}

struct UnsafeCase {
    const char* Name;
    const char* Extension;
    int Status;
    const char* Written; // the one file expected, or null for none
};

class ExtbindExtension : public ExtbindTest, public ::testing::WithParamInterface<UnsafeCase> {};

// The extension becomes part of a file name and a glob: it never leads out of
// the packages folder, and wildcards or separators are refused with a message.
TEST_P(ExtbindExtension, StaysInThePackagesFolderOrIsRefused) {
    const ExtbindRun r = extbind({QString::fromUtf8(GetParam().Extension), "Icon File"});
    EXPECT_EQ(r.Status, GetParam().Status);
    EXPECT_EQ(r.Out, QString());
    if (GetParam().Status == 0) {
        EXPECT_EQ(r.Err, QString());
    } else {
        EXPECT_EQ(r.Err.count('\n'), 1) << r.Err.toStdString();
        EXPECT_TRUE(r.Err.startsWith("extbind: ")) << r.Err.toStdString();
    }
    QStringList packageWritten;
    if (GetParam().Written)
        packageWritten << QString("data/mime/packages/") + GetParam().Written;
    // Besides the package, only the database's own compiled files may appear.
    QStringList written = filesWritten();
    written.removeIf([](const QString& f) {
        return f.startsWith("data/mime/") && !f.startsWith("data/mime/packages/");
    });
    EXPECT_EQ(written, packageWritten);
}

INSTANTIATE_TEST_SUITE_P(Extensions, ExtbindExtension, ::testing::Values(
    UnsafeCase{"ParentFolders", "../../evil", 1, nullptr},
    UnsafeCase{"Subfolder", "a/b", 1, nullptr},
    UnsafeCase{"AbsolutePath", "/tmp/x", 1, nullptr},
    UnsafeCase{"Star", "*", 1, nullptr},
    UnsafeCase{"QuestionMark", "i?o", 1, nullptr},
    UnsafeCase{"Empty", "", 1, nullptr},
    UnsafeCase{"TwoDots", "..", 0, "extbind-...xml"},
    UnsafeCase{"DoubleExtension", "tar.gz", 0, "extbind-tar.gz.xml"}),
    caseName<UnsafeCase>);

struct FailureCase {
    const char* Name;
    const char* InReason; // part of the one stderr line besides the file
};

class ExtbindWriteFailure : public ExtbindTest, public ::testing::WithParamInterface<FailureCase> {};

// A store that cannot be written is reported, never passed off as success,
// and leaves no partial or temporary file behind.
TEST_P(ExtbindWriteFailure, EndsWithStatusOneAndOneLineNamingTheFile) {
    const QString name = GetParam().Name;
    QString extension = "ico";
    QString named = packages() + "/extbind-ico.xml";
    if (name == "MimeFolderIsAFile") {
        ASSERT_TRUE(QDir().mkpath(dataHome()));
        QFile f(dataHome() + "/mime");
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        named = packages();
    } else if (name == "PackageNameTakenByAFolder") {
        ASSERT_TRUE(QDir().mkpath(packages() + "/extbind-ico.xml/inside"));
    } else if (name == "NameTooLong") {
        extension = QString(250, 'x');
        named = packages() + "/extbind-" + extension + ".xml";
    } else if (name == "ReadOnlyFolder") {
        if (geteuid() == 0)
            GTEST_SKIP() << "permissions do not stop root";
        ASSERT_TRUE(QDir().mkpath(packages()));
        ASSERT_TRUE(QFile::setPermissions(packages(), QFile::ReadOwner | QFile::ExeOwner));
    }
    const ExtbindRun r = extbind({extension, "Icon File"});
    QFile::setPermissions(packages(), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    EXPECT_EQ(r.Status, 1);
    EXPECT_EQ(r.Out, QString());
    EXPECT_EQ(r.Err.count('\n'), 1) << r.Err.toStdString();
    EXPECT_TRUE(r.Err.contains(named)) << r.Err.toStdString();
    EXPECT_TRUE(r.Err.contains(GetParam().InReason)) << r.Err.toStdString();
    const QStringList left = packageFiles();
    EXPECT_EQ(left, QStringList()) << left.join(' ').toStdString();
}

INSTANTIATE_TEST_SUITE_P(Stores, ExtbindWriteFailure, ::testing::Values(
    FailureCase{"MimeFolderIsAFile", "Not a directory"},
    FailureCase{"PackageNameTakenByAFolder", "Is a directory"},
    FailureCase{"NameTooLong", "File name too long"},
    FailureCase{"ReadOnlyFolder", "Permission denied"}),
    caseName<FailureCase>);

} // namespace
