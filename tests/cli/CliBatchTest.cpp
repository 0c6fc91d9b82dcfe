#include "CliTestSupport.h"

#include <QDir>
#include <QFile>
#include <QImage>

namespace {

QRgb stripes(int X, int Y) {
    return (X + Y) % 2 ? qRgba(200, 30, 30, 255) : qRgba(20, 40, 220, 128);
}

// Three icon files (two of one image, one of two), a text file, a missing
// file and a second "one.ico" in another folder, for the commands that take
// many files.
class CliBatchTest : public CliTest {
protected:
    void SetUp() override {
        const QString small = picture(QStringLiteral("small.png"), 8, 8, stripes);
        const QString wide = picture(QStringLiteral("wide.png"), 40, 20, stripes);
        ASSERT_TRUE(QDir(m_dir.path()).mkdir(QStringLiteral("other")));
        for (const auto& [name, pictures] :
             {std::pair<QString, QStringList>{QStringLiteral("one.ico"), {small}},
              {QStringLiteral("two.ico"), {small, wide}},
              {QStringLiteral("three.ico"), {wide}},
              {QStringLiteral("other/one.ico"), {wide}}})
            ASSERT_EQ(cli(QStringList{QStringLiteral("create"), path(name)} + pictures).Status, 0);
        QFile text(path(QStringLiteral("text.ico")));
        ASSERT_TRUE(text.open(QIODevice::WriteOnly));
        text.write("not an icon at all");
    }
    QStringList files(const QStringList& Names) const {
        QStringList out;
        for (const QString& n : Names)
            out << path(n);
        return out;
    }
    QStringList listing(const QString& Dir) const {
        return QDir(path(Dir)).entryList(QDir::Files | QDir::Hidden, QDir::Name);
    }
};

} // namespace

// Every file that can be done is done; each that cannot gets its own line on
// standard error naming it, in the order given, and the status says so.
TEST_F(CliBatchTest, ManyFilesInOneCall) {
    const struct {
        const char* Name;
        QStringList Files;
        QStringList Extracted;
        QStringList Thumbnails;
        QStringList Failed;
    } cases[] = {
        {"all good",
         {"one.ico", "two.ico", "three.ico"},
         {"one-1.png", "three-1.png", "two-1.png", "two-2.png"},
         {"one.png", "three.png", "two.png"},
         {}},
        {"bad ones between good ones",
         {"text.ico", "one.ico", "missing.ico", "three.ico"},
         {"one-1.png", "three-1.png"},
         {"one.png", "three.png"},
         {"text.ico", "missing.ico"}},
        {"a second file of the same name is refused, the first kept",
         {"one.ico", "other/one.ico", "two.ico"},
         {"one-1.png", "two-1.png", "two-2.png"},
         {"one.png", "two.png"},
         {"other/one.ico"}},
        {"every file bad", {"text.ico", "missing.ico"}, {}, {}, {"text.ico", "missing.ico"}},
    };
    int n = 0;
    for (const auto& c : cases) {
        SCOPED_TRACE(c.Name);
        const QString extracted = QStringLiteral("x%1").arg(n);
        const QString thumbs = QStringLiteral("t%1").arg(n++);
        const CliRun ex = cli(QStringList{QStringLiteral("extract")} + files(c.Files) +
                              QStringList{path(extracted)});
        const CliRun th = cli(QStringList{QStringLiteral("thumbnail")} + files(c.Files) +
                              QStringList{path(thumbs), QStringLiteral("32")});
        EXPECT_EQ(listing(extracted), c.Extracted);
        EXPECT_EQ(listing(thumbs), c.Thumbnails);
        for (const CliRun& r : {ex, th}) {
            EXPECT_EQ(r.Status, c.Failed.isEmpty() ? 0 : 1) << r.Err.toStdString();
            EXPECT_TRUE(r.Out.isEmpty());
            const QStringList lines = r.Err.split(QLatin1Char('\n'), Qt::SkipEmptyParts);
            ASSERT_EQ(lines.size(), c.Failed.size()) << r.Err.toStdString();
            for (int i = 0; i < lines.size(); ++i)
                EXPECT_TRUE(lines[i].contains(path(c.Failed[i]))) << lines[i].toStdString();
        }
    }
    // What the first file of a name wrote is its own.
    EXPECT_EQ(QImage(path(QStringLiteral("x2/one-1.png"))).size(), QSize(8, 8));
    EXPECT_EQ(QImage(path(QStringLiteral("t2/one.png"))).size(), QSize(32, 32));
    EXPECT_EQ(QImage(path(QStringLiteral("t0/three.png"))).size(), QSize(32, 16));
}

// With one file the third-last argument decides: an existing folder gets
// DIR/NAME.png, any other name is the picture itself.
TEST_F(CliBatchTest, OneThumbnailIntoAFolderOrAFile) {
    ASSERT_TRUE(QDir(m_dir.path()).mkdir(QStringLiteral("folder")));
    const struct {
        const char* Name;
        QString Out;
        QString Written;
    } cases[] = {
        {"an existing folder", path("folder"), path("folder/two.png")},
        {"a new name", path("picture.png"), path("picture.png")},
        {"a name without extension", path("thumb"), path("thumb")},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.Name);
        const CliRun r =
            cli({QStringLiteral("thumbnail"), path("two.ico"), c.Out, QStringLiteral("40")});
        EXPECT_EQ(r.Status, 0) << r.Err.toStdString();
        EXPECT_EQ(QImage(c.Written).size(), QSize(40, 20));
    }
}
