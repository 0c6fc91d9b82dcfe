#include "CliTestSupport.h"
#include "program_builder.h"

#include <QStandardPaths>

namespace {

using Bytes = std::vector<std::uint8_t>;

Bytes bytesOf(const QString& Path) {
    const QByteArray b = readFile(Path);
    return Bytes(b.begin(), b.end());
}

void writeBytes(const QString& Path, const Bytes& B) {
    QFile f(Path);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write(reinterpret_cast<const char*>(B.data()), qint64(B.size()));
}

// Runs Program with Args; its standard output, or a failure.
QString run(const QString& Program, const QStringList& Args) {
    QProcess p;
    p.start(Program, Args);
    if (!p.waitForFinished(60000) || p.exitStatus() != QProcess::NormalExit || p.exitCode() != 0) {
        ADD_FAILURE() << Program.toStdString()
                      << " failed: " << p.readAllStandardError().toStdString();
        return {};
    }
    return QString::fromLocal8Bit(p.readAllStandardOutput());
}

// Programs made at test time by the MinGW-w64 resource compiler and linker
// from icon and cursor files our own writer makes.
class CliProgramsTest : public CliTest {
protected:
    struct Group {
        QString Name; // the name or number in the resource script
        Bytes File;
    };

    // Groups of icons: Icons of them, numbered from 1 but one named "APP",
    // with images of every kind, then the cursor group "POINTER".
    std::vector<Group> groups(int Icons) {
        std::vector<Group> out;
        for (int i = 0; i < Icons; ++i) {
            const int n = i % 4;
            const std::vector<int> sides = n == 0   ? std::vector<int>{16, 32, 48, 256}
                                           : n == 1 ? std::vector<int>{24}
                                           : n == 2 ? std::vector<int>{16, 20}
                                                    : std::vector<int>{32, 16};
            const std::vector<int> formats = n == 0   ? std::vector<int>{4, 8, 32, 0}
                                             : n == 1 ? std::vector<int>{1}
                                             : n == 2 ? std::vector<int>{24, 32}
                                                      : std::vector<int>{0, 8};
            out.push_back({i == 1 ? QStringLiteral("APP") : QString::number(i + 1),
                           MakeIconFile(1, sides, formats, i)});
        }
        out.push_back({QStringLiteral("POINTER"), MakeIconFile(2, {32, 48}, {32, 4}, 99)});
        return out;
    }

    // The program Name built from Groups by the compiler Prefix ("x86_64" or
    // "i686"), or empty when that compiler is not installed.
    QString build(const QString& Prefix, const QString& Name, const std::vector<Group>& Groups) {
        const QString windres =
            QStandardPaths::findExecutable(Prefix + QStringLiteral("-w64-mingw32-windres"));
        const QString ld =
            QStandardPaths::findExecutable(Prefix + QStringLiteral("-w64-mingw32-ld"));
        if (windres.isEmpty() || ld.isEmpty()) return {};
        QString script;
        for (std::size_t i = 0; i < Groups.size(); ++i) {
            const bool cursor = Groups[i].Name == QStringLiteral("POINTER");
            const QString file =
                path(QStringLiteral("%1-%2.%3").arg(Name).arg(i).arg(cursor ? "cur" : "ico"));
            writeBytes(file, Groups[i].File);
            script += QStringLiteral("%1 %2 \"%3\"\n")
                          .arg(Groups[i].Name,
                               cursor ? QStringLiteral("CURSOR") : QStringLiteral("ICON"), file);
        }
        const QString rc = path(Name + QStringLiteral(".rc"));
        QFile f(rc);
        EXPECT_TRUE(f.open(QIODevice::WriteOnly));
        f.write(script.toUtf8());
        f.close();
        const QString object = path(Name + QStringLiteral(".o"));
        const QString program = path(Name);
        run(windres, {QStringLiteral("--preprocessor=cat"), rc, QStringLiteral("-O"),
                      QStringLiteral("coff"), QStringLiteral("-o"), object});
        run(ld, {QStringLiteral("--dll"), QStringLiteral("-e"), QStringLiteral("0"),
                 QStringLiteral("-o"), program, object});
        return program;
    }

    // Every group of Groups extracted from Program is the file that went in:
    // byte for byte for icons; the same images and hot spots for cursors,
    // whose group keeps no colour count for the directory.
    void expectExtracted(const QString& Program, const std::vector<Group>& Groups) {
        const QString dir = path(QFileInfo(Program).fileName() + QStringLiteral("-out"));
        const CliRun r = cli({QStringLiteral("extract"), Program, dir});
        ASSERT_EQ(r.Status, 0) << r.Err.toStdString();
        EXPECT_EQ(QDir(dir).entryList(QDir::Files).size(), int(Groups.size()));
        const QString base = QFileInfo(Program).completeBaseName();
        for (const Group& g : Groups) {
            SCOPED_TRACE(g.Name.toStdString());
            const bool cursor = g.Name == QStringLiteral("POINTER");
            const Bytes out = bytesOf(
                QDir(dir).filePath(base + QLatin1Char('-') + g.Name +
                                   (cursor ? QStringLiteral(".cur") : QStringLiteral(".ico"))));
            ASSERT_FALSE(out.empty());
            if (cursor)
                EXPECT_EQ(ImagesOfFile(out), ImagesOfFile(g.File));
            else
                EXPECT_EQ(out, g.File);
        }
    }
};

} // namespace

// PE32+ and PE32 programs of 1, 3 and 40 icon groups and a cursor group:
// listed by name or number with their images' sizes, and extracted byte for
// byte.
TEST_F(CliProgramsTest, ExtractsWhatTheResourceCompilerWasGiven) {
    int built = 0;
    for (const QString& prefix : {QStringLiteral("x86_64"), QStringLiteral("i686")})
        for (int icons : {1, 3, 40}) {
            SCOPED_TRACE(
                (prefix + QStringLiteral(" with %1 icon groups").arg(icons)).toStdString());
            const std::vector<Group> g = groups(icons);
            const QString program =
                build(prefix, QStringLiteral("p%1-%2.dll").arg(icons).arg(prefix), g);
            if (program.isEmpty()) continue;
            ++built;
            expectExtracted(program, g);
            const CliRun info = cli({QStringLiteral("info"), program});
            EXPECT_EQ(info.Status, 0) << info.Err.toStdString();
            EXPECT_EQ(info.Out.count(QLatin1Char('\n')), icons + 1);
            EXPECT_TRUE(info.Out.contains(
                program +
                QStringLiteral(": icon group 1: 4 images: 16 x 16, 32 x 32, 48 x 48, 256 x 256\n")))
                << info.Out.toStdString();
            EXPECT_TRUE(info.Out.contains(
                program + QStringLiteral(": cursor group POINTER: 2 images: 32 x 32, 48 x 48\n")))
                << info.Out.toStdString();
            if (icons > 1) {
                EXPECT_TRUE(info.Out.contains(
                    program + QStringLiteral(": icon group APP: 1 image: 24 x 24\n")));
            }
        }
    if (built == 0)
        GTEST_SKIP() << "the MinGW-w64 resource compiler (binutils-mingw-w64) is not installed";
}

// icoutils' wrestool, a second reader of the same programs, lists the same
// groups and rebuilds the same images from them; NE libraries included.
TEST_F(CliProgramsTest, WrestoolFindsTheSameGroups) {
    const QString wrestool = QStandardPaths::findExecutable(QStringLiteral("wrestool"));
    if (wrestool.isEmpty()) GTEST_SKIP() << "wrestool (icoutils) is not installed";
    const std::vector<Group> g = groups(3);
    std::vector<TestResource> resources;
    for (std::size_t i = 0; i < g.size(); ++i) {
        const bool named = g[i].Name.toInt() == 0;
        const auto more =
            ResourcesOfFile(g[i].File, 100 + 10 * int(i), named ? 0 : g[i].Name.toInt(),
                            named ? g[i].Name.toStdString() : std::string());
        resources.insert(resources.end(), more.begin(), more.end());
    }
    QStringList programs{path(QStringLiteral("lib.icl"))};
    writeBytes(programs[0], BuildNeProgram(resources).Bytes);
    const QString built = build(QStringLiteral("x86_64"), QStringLiteral("w.dll"), g);
    if (!built.isEmpty()) programs << built;
    for (const QString& program : programs) {
        SCOPED_TRACE(program.toStdString());
        expectExtracted(program, g);
        for (const Group& group : g) {
            SCOPED_TRACE(group.Name.toStdString());
            const bool cursor = group.Name == QStringLiteral("POINTER");
            const QString theirs = path(QStringLiteral("wrestool-out"));
            QDir(theirs).removeRecursively();
            QDir().mkpath(theirs);
            run(wrestool, {QStringLiteral("-x"), QStringLiteral("--type=%1").arg(cursor ? 12 : 14),
                           QStringLiteral("--name=") + group.Name, QStringLiteral("-o"),
                           theirs + QLatin1Char('/'), program});
            const QStringList written = QDir(theirs).entryList(QDir::Files);
            ASSERT_EQ(written.size(), 1) << written.join(QLatin1Char(' ')).toStdString();
            const QString ours =
                path(QFileInfo(program).fileName() + QStringLiteral("-out/") +
                     QFileInfo(program).completeBaseName() + QLatin1Char('-') + group.Name +
                     (cursor ? QStringLiteral(".cur") : QStringLiteral(".ico")));
            const std::vector<FileImage> mine = ImagesOfFile(bytesOf(ours));
            std::vector<FileImage> its = ImagesOfFile(bytesOf(QDir(theirs).filePath(written[0])));
            ASSERT_EQ(its.size(), mine.size());
            // wrestool gives a cursor image the group's byte count, which
            // counts the hot spot in front of it too: its image is ours and 4
            // bytes from beyond it.
            if (cursor)
                for (std::size_t i = 0; i < its.size(); ++i) {
                    ASSERT_EQ(its[i].Bytes.size(), mine[i].Bytes.size() + 4);
                    its[i].Bytes.resize(mine[i].Bytes.size());
                }
            EXPECT_EQ(its, mine);
        }
    }
}

// --group picks one group by name (any case) or number; what fails gets one
// line naming the program.
TEST_F(CliProgramsTest, GroupsByNameAndFailures) {
    const std::vector<Group> g = groups(3);
    std::vector<TestResource> resources;
    for (std::size_t i = 0; i < g.size(); ++i) {
        const bool named = g[i].Name.toInt() == 0;
        const auto more =
            ResourcesOfFile(g[i].File, 100 + 10 * int(i), named ? 0 : g[i].Name.toInt(),
                            named ? g[i].Name.toStdString() : std::string());
        resources.insert(resources.end(), more.begin(), more.end());
    }
    const QString program = path(QStringLiteral("app.exe"));
    writeBytes(program, BuildPeProgram(resources, true).Bytes);
    const QString icon = path(QStringLiteral("plain.ico"));
    writeBytes(icon, g[0].File);
    BuiltProgram broken = BuildPeProgram(resources);
    broken.Bytes[broken.TreeAt + 14] = 0xFF; // the root counts 255 more types than it has
    broken.Bytes[broken.TreeAt + 15] = 0xFF;
    const QString damaged = path(QStringLiteral("damaged.dll"));
    writeBytes(damaged, broken.Bytes);
    const QString empty = path(QStringLiteral("empty.dll"));
    writeBytes(empty, BuildPeProgram({TestResource{16, 1, {}, Bytes(8, 0)}}).Bytes);

    const struct {
        const char* Name;
        QStringList Args;
        QStringList Written;
        QString Error; // empty when it works
    } cases[] = {
        {"by name in another case", {"--group", "app"}, {"app-APP.ico"}, {}},
        {"by number", {"--group", "3"}, {"app-3.ico"}, {}},
        {"by number with #", {"--group", "#1"}, {"app-1.ico"}, {}},
        {"the cursor", {"--group", "Pointer"}, {"app-POINTER.cur"}, {}},
        {"no such group", {"--group", "9"}, {}, QStringLiteral("APP, 1, 3, POINTER")},
    };
    int n = 0;
    for (const auto& c : cases) {
        SCOPED_TRACE(c.Name);
        const QString dir = path(QStringLiteral("g%1").arg(n++));
        const CliRun r = cli(QStringList{QStringLiteral("extract"), program, dir} + c.Args);
        EXPECT_EQ(QDir(dir).entryList(QDir::Files), c.Written);
        if (c.Error.isEmpty())
            EXPECT_EQ(r.Status, 0) << r.Err.toStdString();
        else
            expectFailure(r, c.Error);
    }
    const struct {
        const char* Name;
        QStringList Args;
        QString Names;
    } failures[] = {
        {"info of a damaged program", {"info", damaged}, damaged},
        {"extract of a damaged program", {"extract", damaged, path("d")}, damaged},
        {"a program without icons", {"extract", empty, path("d")}, "no icons or cursors"},
        {"info of a program without icons", {"info", empty}, "no icons or cursors"},
        {"--group on an icon file", {"extract", icon, path("d"), "--group", "1"}, "--group"},
        {"--group without a value", {"extract", program, path("d"), "--group"}, "--group"},
    };
    for (const auto& c : failures) {
        SCOPED_TRACE(c.Name);
        expectFailure(cli(c.Args), c.Names);
    }
}
