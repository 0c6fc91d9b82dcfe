#include "ExtbindFixture.h"

#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QProcess>
#include <QStandardPaths>
#include <QXmlStreamReader>
#include <chrono>
#include <fcntl.h>
#include <signal.h>
#include <spawn.h>
#include <sys/wait.h>
#include <thread>
#include <unistd.h>

namespace {

QByteArray readAll(const QString& Path) {
    QFile f(Path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

bool writeAll(const QString& Path, const QByteArray& Bytes) {
    QFile f(Path);
    return f.open(QIODevice::WriteOnly) && f.write(Bytes) == Bytes.size();
}

const char* const systemPackage = R"(<?xml version="1.0" encoding="UTF-8"?>
<mime-info xmlns="http://www.freedesktop.org/standards/shared-mime-info">
  <mime-type type="text/html">
    <comment>HTML document</comment>
    <alias type="application/x-html"/>
    <glob pattern="*.html"/>
    <glob pattern="*.htm"/>
  </mime-type>
  <mime-type type="text/plain">
    <comment>plain text document</comment>
    <glob pattern="*.txt"/>
  </mime-type>
</mime-info>
)";

const char* const otherProgramsPackage = R"(<?xml version="1.0" encoding="UTF-8"?>
<mime-info xmlns="http://www.freedesktop.org/standards/shared-mime-info">
  <mime-type type="application/x-someapp">
    <comment>Someapp drawing</comment>
    <glob pattern="*.sad"/>
  </mime-type>
</mime-info>
)";

// A Python with GIO's bindings: Debian's own first, since a Python of the
// user's may lack them.
QString gioPython() {
    static const QString found = [] {
        for (const QString& candidate :
             {QStringLiteral("/usr/bin/python3"), QStandardPaths::findExecutable("python3")}) {
            if (candidate.isEmpty() || !QFile::exists(candidate)) continue;
            QProcess p;
            p.start(candidate, {"-c", "import gi; gi.require_version('Gio', '2.0')\n"
                                      "from gi.repository import Gio"});
            if (p.waitForFinished(60000) && p.exitStatus() == QProcess::NormalExit &&
                p.exitCode() == 0)
                return candidate;
        }
        return QString();
    }();
    return found;
}

} // namespace

Package readPackage(const QString& Path) {
    QFile f(Path);
    Package p;
    if (!f.open(QIODevice::ReadOnly)) return p;
    QXmlStreamReader xml(&f);
    while (!xml.atEnd()) {
        if (xml.readNext() != QXmlStreamReader::StartElement) continue;
        if (xml.name() == QLatin1String("mime-type")) {
            p.Type = xml.attributes().value("type").toString();
        } else if (xml.name() == QLatin1String("comment")) {
            p.HasComment = true;
            p.Comment = xml.readElementText();
        } else if (xml.name() == QLatin1String("glob")) {
            p.Glob = xml.attributes().value("pattern").toString();
        }
    }
    p.WellFormed = !xml.hasError();
    return p;
}

void ExtbindTest::SetUp() {
    ASSERT_TRUE(m_home.isValid());
    ASSERT_TRUE(m_system.isValid());
    ASSERT_TRUE(m_scratch.isValid());
    m_env = QProcessEnvironment::systemEnvironment();
    m_env.insert("HOME", m_home.path());
    m_env.insert("XDG_DATA_HOME", dataHome());
    m_env.insert("XDG_DATA_DIRS", m_system.path());
    // GIO reads local files itself instead of asking a desktop's services.
    m_env.insert("GIO_USE_VFS", "local");
}

ExtbindRun ExtbindTest::extbind(const std::vector<QByteArray>& Args) {
    const QByteArray out = QFile::encodeName(m_scratch.filePath("out"));
    const QByteArray err = QFile::encodeName(m_scratch.filePath("err"));
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_addopen(&actions, STDOUT_FILENO, out.constData(),
                                     O_WRONLY | O_CREAT | O_TRUNC, 0600);
    posix_spawn_file_actions_addopen(&actions, STDERR_FILENO, err.constData(),
                                     O_WRONLY | O_CREAT | O_TRUNC, 0600);
    QByteArray program = BRISEL_EXTBIND;
    std::vector<QByteArray> args{program};
    args.insert(args.end(), Args.begin(), Args.end());
    std::vector<char*> argv;
    for (QByteArray& a : args)
        argv.push_back(a.data());
    argv.push_back(nullptr);
    std::vector<QByteArray> env;
    for (const QString& e : m_env.toStringList())
        env.push_back(e.toLocal8Bit());
    std::vector<char*> envp;
    for (QByteArray& e : env)
        envp.push_back(e.data());
    envp.push_back(nullptr);

    ExtbindRun r;
    pid_t pid = 0;
    const int spawned =
        posix_spawn(&pid, program.constData(), &actions, nullptr, argv.data(), envp.data());
    posix_spawn_file_actions_destroy(&actions);
    if (spawned != 0) {
        ADD_FAILURE() << "cannot start extbind";
        return r;
    }
    int status = 0;
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(60);
    while (::waitpid(pid, &status, WNOHANG) == 0) {
        if (std::chrono::steady_clock::now() > deadline) {
            ::kill(pid, SIGKILL);
            ::waitpid(pid, &status, 0);
            ADD_FAILURE() << "extbind did not finish";
            return r;
        }
        std::this_thread::sleep_for(std::chrono::milliseconds(5));
    }
    r.Status = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    r.Out = readAll(QFile::decodeName(out));
    r.Err = readAll(QFile::decodeName(err));
    return r;
}

QStringList ExtbindTest::filesWritten() const {
    QStringList files;
    QDirIterator it(m_home.path(), QDir::Files | QDir::Hidden, QDirIterator::Subdirectories);
    while (it.hasNext())
        files << QDir(m_home.path()).relativeFilePath(it.next());
    files.sort();
    return files;
}

QStringList ExtbindTest::packageFiles() const {
    return QDir(packages()).entryList(QDir::Files | QDir::Hidden);
}

QMap<QString, QByteArray> ExtbindTest::dataFiles() const {
    QMap<QString, QByteArray> files;
    QDirIterator it(dataHome(), QDir::Files | QDir::Hidden, QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QString path = it.next();
        files[QDir(dataHome()).relativeFilePath(path)] = readAll(path);
    }
    return files;
}

QStringList ExtbindTest::globLines(const QString& Glob) const {
    QStringList lines;
    for (const QByteArray& line : readAll(userMime() + "/globs2").split('\n'))
        if (line.endsWith(":" + Glob.toUtf8())) lines << QString::fromUtf8(line);
    return lines;
}

bool ExtbindTest::canRefresh() {
    return !QStandardPaths::findExecutable("update-mime-database").isEmpty();
}

bool ExtbindTest::compile(const QString& Folder) {
    QProcess p;
    p.start("update-mime-database", {Folder + "/mime"});
    return p.waitForFinished(60000) && p.exitStatus() == QProcess::NormalExit && p.exitCode() == 0;
}

void ExtbindTest::buildSystemDatabase() {
    const QString folder = m_system.path() + "/mime/packages";
    ASSERT_TRUE(QDir().mkpath(folder));
    ASSERT_TRUE(writeAll(folder + "/desktop.xml", systemPackage));
    ASSERT_TRUE(compile(m_system.path()));
}

void ExtbindTest::addOtherProgramsPackage() {
    ASSERT_TRUE(QDir().mkpath(packages()));
    ASSERT_TRUE(writeAll(packages() + "/someapp.xml", otherProgramsPackage));
    ASSERT_TRUE(compile(dataHome()));
}

QString GioView::missing() {
    if (QStandardPaths::findExecutable("gio").isEmpty()) return "the gio command is not installed";
    if (gioPython().isEmpty()) return "GIO's Python bindings (python3-gi) are not installed";
    return QString();
}

QStringList GioView::typesOfFiles(const QStringList& Suffixes) const {
    QStringList paths;
    for (const QString& suffix : Suffixes) {
        paths << m_folder + "/x" + suffix;
        if (!QFile::exists(paths.back()) &&
            !writeAll(paths.back(), "\x89\x12\x77\x01 nothing a sniffer knows"))
            return {"(cannot make " + paths.back() + ")"};
    }
    QProcess p;
    p.setProcessEnvironment(m_env);
    p.start("gio", QStringList{"info", "-a", "standard::content-type"} + paths);
    if (!p.waitForFinished(60000)) return {"(gio info did not finish)"};
    // One block per file, in the order asked.
    QStringList types;
    const QString prefix = "standard::content-type: ";
    for (const QString& line : QString::fromUtf8(p.readAllStandardOutput()).split('\n')) {
        if (line.startsWith("uri: ")) types << "(no content type)";
        if (line.trimmed().startsWith(prefix) && !types.isEmpty())
            types.back() = line.trimmed().mid(prefix.size());
    }
    return types;
}

QStringList GioView::descriptions(const QStringList& Types) const {
    QProcess p;
    QProcessEnvironment env = m_env;
    env.insert("PYTHONIOENCODING", "utf-8");
    p.setProcessEnvironment(env);
    p.start(gioPython(), QStringList{"-c", "import sys, gi; gi.require_version('Gio', '2.0')\n"
                                           "from gi.repository import Gio\n"
                                           "for t in sys.argv[1:]:\n"
                                           "    print(Gio.content_type_get_description(t))"} +
                             Types);
    if (!p.waitForFinished(60000)) return {"(GIO did not finish)"};
    QStringList said = QString::fromUtf8(p.readAllStandardOutput()).split('\n');
    said.removeLast();
    return said;
}
