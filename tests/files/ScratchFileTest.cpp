// SPDX-FileCopyrightText: 2026 Zelka-Kvadra developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Replacing a file through its own scratch file: the new content or the old file, the
// old file's permissions, a link followed, a special file never replaced.
#include "files/ScratchFile.h"
#include "support/NonRegularFiles.h"
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

QByteArray Contents(const QString& path) {
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

void Write(const QString& path, const QByteArray& bytes) {
    QFile f(path);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
    f.write(bytes);
}

class ScratchFileTest : public ::testing::Test {
protected:
    QTemporaryDir dir;
    QDir folder{dir.path()};
    QString target = folder.filePath(QStringLiteral("param.dat"));
};

TEST_F(ScratchFileTest, EachFileHasAScratchFileOfItsOwnAndAStaleOneIsReplaced) {
    EXPECT_EQ(ScratchPathOf(target), target + QStringLiteral(".tmp"));
    EXPECT_NE(ScratchPathOf(target), ScratchPathOf(folder.filePath(QStringLiteral("eredm.dat"))));
    Write(target, "old");
    Write(ScratchPathOf(target), "left by a killed rewrite");
    // Another file's scratch file is not this rewrite's to touch.
    Write(ScratchPathOf(folder.filePath(QStringLiteral("eredm.dat"))), "another writer's");
    ASSERT_TRUE(ReplaceThroughScratchFile(target, "new"));
    EXPECT_EQ(Contents(target), "new");
    EXPECT_EQ(folder.entryList(QDir::Files), QStringList({"eredm.dat.tmp", "param.dat"}));
}

TEST_F(ScratchFileTest, ANewFileKeepsTheOldOnesPermissions) {
    Write(target, "old");
    const QFile::Permissions mode = QFile::ReadOwner | QFile::WriteOwner | QFile::ReadGroup;
    ASSERT_TRUE(QFile::setPermissions(target, mode));
    ASSERT_TRUE(ReplaceThroughScratchFile(target, "new"));
    EXPECT_EQ(QFile::permissions(target) & ~(QFile::ReadUser | QFile::WriteUser | QFile::ExeUser), mode);
}

TEST_F(ScratchFileTest, ALinkIsFollowedAndKept) {
    QTemporaryDir elsewhere;
    const QString real = QDir(elsewhere.path()).filePath(QStringLiteral("param.dat"));
    Write(real, "old");
    ASSERT_TRUE(QFile::link(real, target));
    ASSERT_TRUE(ReplaceThroughScratchFile(target, "new"));
    EXPECT_EQ(FileTypeAt(target), S_IFLNK);
    EXPECT_EQ(Contents(real), "new");
}

TEST_F(ScratchFileTest, AFailureLeavesTheOldFileAndNoScratchFile) {
    Write(target, "old");
    EXPECT_FALSE(ReplaceThroughScratchFile(target, "new", [](const QString&, const QString&) { return false; }));
    EXPECT_EQ(Contents(target), "old");
    EXPECT_FALSE(QFile::exists(ScratchPathOf(target)));
    for (const NonRegularFile kind : {NonRegularFile::Fifo, NonRegularFile::EndlessDevice, NonRegularFile::Folder}) {
        SCOPED_TRACE(NonRegularFileName(kind));
        ASSERT_TRUE(PutNonRegularFile(target, kind));
        const mode_t type = FileTypeAt(target);
        EXPECT_FALSE(ReplaceThroughScratchFile(target, "new"));
        EXPECT_EQ(FileTypeAt(target), type);
        EXPECT_FALSE(QFile::exists(ScratchPathOf(target)));
        if (kind == NonRegularFile::Folder) QDir(target).removeRecursively();
    }
}

} // namespace
