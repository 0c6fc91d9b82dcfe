#pragma once

#include <QByteArray>
#include <QMap>
#include <QProcessEnvironment>
#include <QString>
#include <QStringList>
#include <QTemporaryDir>
#include <gtest/gtest.h>
#include <vector>

struct ExtbindRun {
    int Status = -1;
    QByteArray Out;
    QByteArray Err;
};

// What a package file says, read back with an XML parser so escaping faults show.
struct Package {
    QString Type;
    QString Comment;
    bool HasComment = false;
    QString Glob;
    bool WellFormed = false;
};

Package readPackage(const QString& Path);

// extbind run as a program in a home of its own: XDG_DATA_HOME below the
// temporary home, and XDG_DATA_DIRS a temporary system folder, so neither the
// machine's databases nor the user's take part.
class ExtbindTest : public ::testing::Test {
protected:
    void SetUp() override;

    QString dataHome() const { return m_home.filePath("data"); }
    QString userMime() const { return dataHome() + "/mime"; }
    QString packages() const { return userMime() + "/packages"; }

    // Arguments are bytes, so text that is not UTF-8 reaches the program as is.
    ExtbindRun extbind(const std::vector<QByteArray>& Args);

    // Every file below the temporary home, so stray writes anywhere show.
    QStringList filesWritten() const;
    QStringList packageFiles() const;
    // Every file below the data folder with its bytes.
    QMap<QString, QByteArray> dataFiles() const;

    // The compiled glob list's lines for one pattern ("weight:type:glob").
    QStringList globLines(const QString& Glob) const;

    static bool canRefresh();
    // Compiles Folder/mime with update-mime-database; false when it failed.
    static bool compile(const QString& Folder);

    // A system database like the desktop's: text/html ("HTML document",
    // *.html and *.htm, also known as application/x-html) and text/plain.
    void buildSystemDatabase();
    // Another program's package in the user's database: application/x-someapp
    // ("Someapp drawing", *.sad), compiled.
    void addOtherProgramsPackage();

    QTemporaryDir m_home;
    QTemporaryDir m_system;
    QTemporaryDir m_scratch; // files to ask about and the runs' output
    QProcessEnvironment m_env;
};

// The same database as GIO reads it, through the gio command and GIO's own
// content-type functions.
class GioView {
public:
    explicit GioView(QProcessEnvironment Env, QString Folder)
        : m_env(std::move(Env)), m_folder(std::move(Folder)) {}

    // Empty when the gio command or GIO's Python bindings are missing.
    static QString missing();

    // The content types gio info gives files named "x" plus each suffix.
    QStringList typesOfFiles(const QStringList& Suffixes) const;
    QString typeOfFile(const QString& Suffix) const { return typesOfFiles({Suffix}).value(0); }
    // GIO's descriptions of the types.
    QStringList descriptions(const QStringList& Types) const;

private:
    QProcessEnvironment m_env;
    QString m_folder;
};
