#include "app/ProgramFolder.h"

#include <QDir>
#include <QTemporaryDir>
#include <gtest/gtest.h>

TEST(ProgramFolder, FindsTheDataOfABuildTreeAndOfAnInstallation) {
    QTemporaryDir root;
    ASSERT_TRUE(root.isValid());
    QDir r(root.path());
    ASSERT_TRUE(r.mkpath(QStringLiteral("build/bin/Use Files")));
    ASSERT_TRUE(r.mkpath(QStringLiteral("prefix/bin")));
    ASSERT_TRUE(r.mkpath(QStringLiteral("prefix/share/brisel/Use Files")));
    ASSERT_TRUE(r.mkpath(QStringLiteral("bare/bin")));

    EXPECT_EQ(findProgramFolder(r.filePath(QStringLiteral("build/bin"))),
              r.filePath(QStringLiteral("build/bin/")));
    EXPECT_EQ(findProgramFolder(r.filePath(QStringLiteral("prefix/bin"))),
              r.filePath(QStringLiteral("prefix/share/brisel/")));
    // Nothing found: the program's own folder, so messages name a real place.
    EXPECT_EQ(findProgramFolder(r.filePath(QStringLiteral("bare/bin"))),
              r.filePath(QStringLiteral("bare/bin/")));
}
