// Saving to and loading from disk.

#include "codec_support.h"
#include "document/IconFileReader.h"
#include "document/IconFileWriter.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

using namespace codec_test;

namespace {

QByteArray contentsOf(const QString& path) {
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

void writeRaw(const QString& path, const QByteArray& bytes) {
    QFile f(path);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    ASSERT_EQ(f.write(bytes), bytes.size());
}

} // namespace

TEST(CodecSave, WritesTheFileAndReadsItBack) {
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    const QString path = dir.filePath("a.cur");
    writeRaw(path, "old contents");
    const auto images = single(makeImage(2, 2, 32, {0xFF0000FFu, 0u, 0x80FF0000u, 0xFF00FF00u}));
    images[0]->HotSpotX = 1;
    SaveIconFile(path, 2, images, settings());
    EXPECT_EQ(contentsOf(path), WriteIconFile(2, images, settings()));
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files), QStringList{"a.cur"});

    const IconFileContents back = LoadIconFile(path, settings());
    EXPECT_EQ(back.FileType, 2);
    EXPECT_EQ(back.Images[0]->HotSpotX, 1);
}

TEST(CodecSave, AFailedSaveKeepsTheOldFile) {
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    const QString path = dir.filePath("keep.ico");
    const QByteArray old = WriteIconFile(1, single(makeImage(1, 1, 32, {0xFF123456u})), settings());
    writeRaw(path, old);

    // An image the file cannot hold fails before the disk is touched.
    try {
        SaveIconFile(path, 1, single(makeImage(300, 2, 32, {})), settings());
        ADD_FAILURE() << "saved";
    } catch (const IconFileError& e) {
        EXPECT_TRUE(e.message().contains(QDir::toNativeSeparators(path))) << e.what();
        EXPECT_TRUE(e.message().contains("300 x 2")) << e.what();
    }
    EXPECT_EQ(contentsOf(path), old);
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files), QStringList{"keep.ico"});

    // A folder that does not exist, and a folder where the file should be.
    const auto images = single(makeImage(1, 1, 32, {}));
    EXPECT_THROW(SaveIconFile(dir.filePath("no/such/folder/x.ico"), 1, images, settings()),
                 IconFileError);
    ASSERT_TRUE(QDir(dir.path()).mkdir("taken.ico"));
    EXPECT_THROW(SaveIconFile(dir.filePath("taken.ico"), 1, images, settings()), IconFileError);
    EXPECT_EQ(contentsOf(path), old);
}

TEST(CodecSave, LoadReportsFilesThatCannotBeRead) {
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    try {
        LoadIconFile(dir.filePath("missing.ico"), settings());
        ADD_FAILURE() << "loaded";
    } catch (const IconFileError& e) {
        EXPECT_TRUE(e.message().startsWith("Cannot open file")) << e.what();
    }
    const QString text = dir.filePath("text.ico");
    writeRaw(text, "hello, world");
    try {
        LoadIconFile(text, settings());
        ADD_FAILURE() << "loaded";
    } catch (const IconFileError& e) {
        EXPECT_TRUE(e.message().startsWith(text + " is not an icon.")) << e.what();
    }
}
