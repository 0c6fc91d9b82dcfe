// extbind against real databases compiled by update-mime-database, read back
// the way a desktop reads them: through GIO.
#include "ExtbindFixture.h"

#include <QDir>
#include <QFile>

namespace {

template <typename Case> std::string caseName(const ::testing::TestParamInfo<Case>& Info) {
    return Info.param.Name;
}

// A system database and another program's package, as a desktop has them.
class ExtbindDatabase : public ExtbindTest {
protected:
    void SetUp() override {
        ExtbindTest::SetUp();
        if (!canRefresh()) GTEST_SKIP() << "update-mime-database is not installed";
        buildSystemDatabase();
        addOtherProgramsPackage();
        m_gioMissing = GioView::missing();
    }

    GioView gio() const { return GioView(m_env, m_scratch.path()); }

    // What GIO says of files *.foo, *.htm and *.sad and of their types.
    QStringList gioSays() const {
        const QStringList suffixes = {".foo", ".htm", ".sad"};
        const QStringList types = gio().typesOfFiles(suffixes);
        const QStringList descriptions = gio().descriptions(types);
        QStringList said;
        for (int i = 0; i < suffixes.size(); ++i)
            said << suffixes[i] + " is " + types.value(i) + ", described as " +
                        descriptions.value(i);
        return said;
    }

    // Everything a refused or undone run must leave as it was.
    struct Snapshot {
        QMap<QString, QByteArray> Files;
        QStringList Gio;
    };
    Snapshot snapshot() const {
        return {dataFiles(), m_gioMissing.isEmpty() ? gioSays() : QStringList()};
    }
    void expectUnchanged(const Snapshot& Before) const {
        const Snapshot after = snapshot();
        EXPECT_EQ(after.Files.keys(), Before.Files.keys());
        for (const QString& file : Before.Files.keys())
            EXPECT_EQ(after.Files.value(file), Before.Files.value(file)) << file.toStdString();
        EXPECT_EQ(after.Gio, Before.Gio);
    }

    static void expectOneLine(const ExtbindRun& R) {
        EXPECT_EQ(R.Status, 1);
        EXPECT_EQ(R.Out, QByteArray());
        EXPECT_TRUE(R.Err.startsWith("extbind: ")) << R.Err.toStdString();
        EXPECT_EQ(R.Err.count('\n'), 1) << R.Err.toStdString();
        EXPECT_TRUE(R.Err.endsWith('\n')) << R.Err.toStdString();
    }

    QString m_gioMissing;
};

struct AcceptCase {
    const char* Name;
    QByteArray Extension;
    QByteArray Value;
    const char* PackageFile;
    const char* Glob;
    QString Type;        // the package's and GIO's type of a file *.EXTENSION
    const char* Comment; // the package's description, null for none
    QString Description; // GIO's description of Type
    const char* Suffix;  // of a file GIO is asked about, null for none
};

void PrintTo(const AcceptCase& Case, std::ostream* Out) {
    *Out << Case.Name;
}

class ExtbindAccepts : public ExtbindDatabase, public ::testing::WithParamInterface<AcceptCase> {};

TEST_P(ExtbindAccepts, MapsTheExtensionAndChangesNothingElse) {
    const AcceptCase& c = GetParam();
    const QByteArray otherProgram = dataFiles().value("mime/packages/someapp.xml");
    const ExtbindRun r = extbind({c.Extension, c.Value});
    EXPECT_EQ(r.Status, 0);
    EXPECT_EQ(r.Out + r.Err, QByteArray());
    EXPECT_EQ(packageFiles(), QStringList({QString::fromUtf8(c.PackageFile), "someapp.xml"}));
    EXPECT_EQ(dataFiles().value("mime/packages/someapp.xml"), otherProgram);

    const Package p = readPackage(packages() + "/" + QString::fromUtf8(c.PackageFile));
    EXPECT_TRUE(p.WellFormed);
    EXPECT_EQ(p.Type, c.Type);
    EXPECT_EQ(p.HasComment, c.Comment != nullptr);
    if (c.Comment) {
        EXPECT_EQ(p.Comment, QString::fromUtf8(c.Comment));
    }
    EXPECT_EQ(p.Glob, QString::fromUtf8(c.Glob));
    // The compiler folds ASCII capitals only.
    const QStringList compiled = globLines(QString::fromUtf8(QByteArray(c.Glob).toLower()));
    EXPECT_EQ(compiled, QStringList("100:" + c.Type + ":" + QByteArray(c.Glob).toLower()));

    if (!m_gioMissing.isEmpty()) GTEST_SKIP() << m_gioMissing.toStdString();
    // The types already known keep their descriptions and their other globs.
    QStringList suffixes{".htm", ".html", ".sad"};
    QStringList types{"text/html", "text/html", "application/x-someapp"};
    if (c.Suffix) {
        suffixes << QString::fromUtf8(c.Suffix);
        types << c.Type;
    }
    EXPECT_EQ(gio().typesOfFiles(suffixes), types);
    EXPECT_EQ(gio().descriptions({"text/html", "application/x-someapp", c.Type}),
              QStringList({"HTML document", "Someapp drawing", c.Description}));
}

const QByteArray longDescription = QByteArray("Long ").repeated(60).trimmed();

INSTANTIATE_TEST_SUITE_P(
    Values, ExtbindAccepts,
    ::testing::Values(
        AcceptCase{"TwoWords", "ico", "Icon File", "extbind-ico.xml", "*.ico",
                   "application/x-icon-file", "Icon File", "Icon File", ".ico"},
        AcceptCase{"RunOfBlanks", "ico", "Big \t  Type", "extbind-ico.xml", "*.ico",
                   "application/x-big-type", "Big \t  Type", "Big \t  Type", ".ico"},
        AcceptCase{"XmlSpecials", "ico", "AT&T <\"Doc\"> 'x'", "extbind-ico.xml", "*.ico",
                   "application/x-at&t-doc-x", "AT&T <\"Doc\"> 'x'", "AT&T <\"Doc\"> 'x'", ".ico"},
        AcceptCase{"Accented", "ico", "Icône", "extbind-ico.xml", "*.ico", "application/x-ic-ne",
                   "Icône", "Icône", ".ico"},
        AcceptCase{"OtherScript", "ico", "日本", "extbind-ico.xml", "*.ico",
                   "application/x-e697a5e69cac", "日本", "日本", ".ico"},
        AcceptCase{"LongDescription", "ico", longDescription, "extbind-ico.xml", "*.ico",
                   "application/x-" + QString("long-").repeated(24) + "long",
                   longDescription.constData(), QString::fromUtf8(longDescription), ".ico"},
        AcceptCase{"UnknownType", "ico", "image/x-brisel", "extbind-ico.xml", "*.ico",
                   "image/x-brisel", "image/x-brisel", "image/x-brisel", ".ico"},
        AcceptCase{"TypeInCapitals", "ico", "Image/X-Brisel", "extbind-ico.xml", "*.ico",
                   "image/x-brisel", "Image/X-Brisel", "Image/X-Brisel", ".ico"},
        AcceptCase{"SystemType", "foo", "text/html", "extbind-foo.xml", "*.foo", "text/html",
                   nullptr, "HTML document", ".foo"},
        AcceptCase{"SystemTypeInCapitals", "foo", "TEXT/HTML", "extbind-foo.xml", "*.foo",
                   "text/html", nullptr, "HTML document", ".foo"},
        AcceptCase{"SystemAlias", "foo", "application/x-html", "extbind-foo.xml", "*.foo",
                   "text/html", nullptr, "HTML document", ".foo"},
        AcceptCase{"OtherProgramsType", "foo", "application/x-someapp", "extbind-foo.xml", "*.foo",
                   "application/x-someapp", nullptr, "Someapp drawing", ".foo"},
        AcceptCase{"LeadingDot", ".ico", "Icon File", "extbind-ico.xml", "*.ico",
                   "application/x-icon-file", "Icon File", "Icon File", ".ico"},
        AcceptCase{"DoubleExtension", "tar.gz", "Icon File", "extbind-tar.gz.xml", "*.tar.gz",
                   "application/x-icon-file", "Icon File", "Icon File", ".tar.gz"},
        AcceptCase{"CapitalsBeyondAscii", "ÉTÉ", "Icon File", "extbind-ÉtÉ.xml", "*.ÉTÉ",
                   // GIO matches no glob beyond ASCII, however it is spelled.
                   "application/x-icon-file", "Icon File", "Icon File", nullptr}),
    caseName<AcceptCase>);

struct RefuseCase {
    const char* Name;
    QByteArray Extension;
    QByteArray Value;
};

void PrintTo(const RefuseCase& Case, std::ostream* Out) {
    *Out << Case.Name;
}

class ExtbindRefuses : public ExtbindDatabase, public ::testing::WithParamInterface<RefuseCase> {};

TEST_P(ExtbindRefuses, InOneLineWithTheDatabaseAsBefore) {
    ASSERT_EQ(extbind({"foo", "Foo File"}).Status, 0);
    const Snapshot before = snapshot();
    if (m_gioMissing.isEmpty()) {
        ASSERT_EQ(before.Gio.value(0), ".foo is application/x-foo-file, described as Foo File");
    }

    const ExtbindRun r = extbind({GetParam().Extension, GetParam().Value});
    expectOneLine(r);
    expectUnchanged(before);
    if (!m_gioMissing.isEmpty()) GTEST_SKIP() << m_gioMissing.toStdString();
}

INSTANTIATE_TEST_SUITE_P(
    Arguments, ExtbindRefuses,
    ::testing::Values(
        // Types the database would turn into its own files or lines.
        RefuseCase{"PackagesFolder", "foo", "packages/someapp"},
        RefuseCase{"CompiledGlobList", "foo", "globs2/x"},
        RefuseCase{"SubtypeOfThreeHundred", "foo", "application/" + QByteArray(300, 'a')},
        RefuseCase{"SubtypeOneTooLong", "foo", "application/" + QByteArray(128, 'a')},
        RefuseCase{"UnregisteredMedia", "foo", "inode/directory"},
        RefuseCase{"ExperimentalMedia", "foo", "x-content/foo"},
        RefuseCase{"NoSubtype", "foo", "text/"}, RefuseCase{"NoMedia", "foo", "/html"},
        RefuseCase{"TwoSlashes", "foo", "text/html/x"},
        RefuseCase{"BlankInSubtype", "foo", "text/ht ml"},
        RefuseCase{"SubtypeStartsWithDot", "foo", "text/.hidden"},
        RefuseCase{"ParentFolder", "foo", "text/.."},
        RefuseCase{"ColonInSubtype", "foo", "text/a:b"},
        // Text an XML document cannot hold, or that is not UTF-8.
        RefuseCase{"NoncharacterFFFE", "foo", "Foo\xef\xbf\xbe"},
        RefuseCase{"NoncharacterFFFF", "foo", "Foo\xef\xbf\xbf"},
        RefuseCase{"Surrogate", "foo", "Foo\xed\xa0\x80"},
        RefuseCase{"ControlCharacter", "foo",
                   "Foo\x01"
                   "File"},
        RefuseCase{"EscapeSequence", "foo", "Foo\x1b[31m"}, RefuseCase{"NotUtf8", "foo", "Foo\xff"},
        RefuseCase{"OverlongSlash", "foo", "text\xc0\xafhtml"},
        RefuseCase{"BeyondUnicode", "foo", "\xf4\x90\x80\x80"},
        RefuseCase{"ExtensionNotUtf8", "f\xffo", "Foo File"},
        RefuseCase{"ExtensionSurrogate", "f\xed\xa0\x80", "Foo File"},
        RefuseCase{"ExtensionNoncharacter", "f\xef\xbf\xbf", "Foo File"},
        RefuseCase{"ExtensionControl", "f\x01", "Foo File"},
        RefuseCase{"ExtensionLineBreak", "fo\no", "Foo File"},
        // Extensions that would leave the packages folder or be no glob of one.
        RefuseCase{"OnlyADot", ".", "Foo File"}, RefuseCase{"Empty", "", "Foo File"},
        RefuseCase{"ParentFolders", "../../evil", "Foo File"},
        RefuseCase{"Subfolder", "a/b", "Foo File"},
        RefuseCase{"AbsolutePath", "/tmp/x", "Foo File"}, RefuseCase{"Star", "*", "Foo File"},
        RefuseCase{"QuestionMark", "i?o", "Foo File"}, RefuseCase{"Colon", "a:b", "Foo File"}),
    caseName<RefuseCase>);

// How update-mime-database lets a run down.
enum class Compiler { CannotWriteTheType, FailsLoudly, LeavesThePackageOut };

struct UndoCase {
    const char* Name;
    Compiler How;
    bool EarlierRun; // whether a package for the extension was there before
};

void PrintTo(const UndoCase& Case, std::ostream* Out) {
    *Out << Case.Name;
}

class ExtbindUndoes : public ExtbindDatabase, public ::testing::WithParamInterface<UndoCase> {
protected:
    // A stand-in for update-mime-database first on PATH: it talks on both
    // streams and then fails, or ends well without compiling anything.
    void putStandInOnPath(bool Fails) {
        const QString bin = m_scratch.filePath("bin");
        ASSERT_TRUE(QDir().mkpath(bin));
        QFile script(bin + "/update-mime-database");
        ASSERT_TRUE(script.open(QIODevice::WriteOnly));
        script.write("#!/bin/sh\necho compiling \"$1\"\necho 'warning: first' >&2\n"
                     "echo 'warning: second' >&2\n");
        script.write(Fails ? "exit 3\n" : "exit 0\n");
        script.close();
        ASSERT_TRUE(script.setPermissions(script.permissions() | QFile::ExeOwner));
        m_env.insert("PATH", bin + ":" + m_env.value("PATH"));
    }
};

TEST_P(ExtbindUndoes, PutsTheEarlierPackageBackAndSaysSoInOneLine) {
    const UndoCase& c = GetParam();
    if (c.EarlierRun) {
        ASSERT_EQ(extbind({"foo", "Foo File"}).Status, 0);
    }
    switch (c.How) {
    case Compiler::CannotWriteTheType: {
        // The real compiler fails when a file stands where a type's folder must go.
        QFile blocker(userMime() + "/image");
        ASSERT_TRUE(blocker.open(QIODevice::WriteOnly));
        break;
    }
    case Compiler::FailsLoudly:
        putStandInOnPath(true);
        break;
    case Compiler::LeavesThePackageOut:
        putStandInOnPath(false);
        break;
    }
    const Snapshot before = snapshot();

    const ExtbindRun r = extbind({"foo", "image/x-brisel"});
    expectOneLine(r);
    EXPECT_TRUE(
        r.Err.contains(c.EarlierRun ? "earlier association is back" : "nothing was recorded"))
        << r.Err.toStdString();
    expectUnchanged(before);
    if (c.EarlierRun && m_gioMissing.isEmpty()) {
        EXPECT_EQ(gio().typeOfFile(".foo"), "application/x-foo-file");
    }
}

INSTANTIATE_TEST_SUITE_P(
    Compilers, ExtbindUndoes,
    ::testing::Values(UndoCase{"CannotWriteTheType", Compiler::CannotWriteTheType, true},
                      UndoCase{"CannotWriteTheFirstType", Compiler::CannotWriteTheType, false},
                      UndoCase{"FailsLoudly", Compiler::FailsLoudly, true},
                      UndoCase{"FailsLoudlyOnTheFirstRun", Compiler::FailsLoudly, false},
                      UndoCase{"LeavesThePackageOut", Compiler::LeavesThePackageOut, true},
                      UndoCase{"LeavesTheFirstPackageOut", Compiler::LeavesThePackageOut, false}),
    caseName<UndoCase>);

} // namespace
