// SPDX-FileCopyrightText: 2026 Zelka-Kvadra developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Opening a player's file: only a regular file within its limit is read, and whatever
// else stands in its place is answered at once.
#include "files/RegularFile.h"
#include "support/NonRegularFiles.h"
#include "support/Watchdog.h"
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

TEST(RegularFile, OnlyARegularFileWithinItsLimitIsRead) {
    QTemporaryDir dir;
    const QDir folder(dir.path());
    {
        QFile f(folder.filePath(QStringLiteral("ten")));
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write("0123456789");
    }
    ASSERT_TRUE(QFile::link(folder.filePath(QStringLiteral("ten")), folder.filePath(QStringLiteral("link"))));
    ASSERT_TRUE(PutNonRegularFile(folder.filePath(QStringLiteral("fifo")), NonRegularFile::Fifo));
    ASSERT_TRUE(PutNonRegularFile(folder.filePath(QStringLiteral("zero")), NonRegularFile::EndlessDevice));
    ASSERT_TRUE(PutNonRegularFile(folder.filePath(QStringLiteral("folder")), NonRegularFile::Folder));
    struct Case {
        const char* name;
        qint64 limit;
        FileAccess access;
        QByteArray bytes;
    } cases[] = {
        {"ten", 10, FileAccess::Ok, "0123456789"},
        {"link", 10, FileAccess::Ok, "0123456789"},   // a link counts as the file it leads to
        {"ten", 9, FileAccess::TooLarge, {}},
        {"missing", 10, FileAccess::Missing, {}},
        {"fifo", 10, FileAccess::NotRegular, {}},
        {"zero", 10, FileAccess::NotRegular, {}},
        {"folder", 10, FileAccess::NotRegular, {}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const Watchdog watchdog(std::string("reading ") + c.name, std::chrono::seconds(10));
        const FileRead read = ReadRegularFile(folder.filePath(QLatin1String(c.name)), c.limit);
        EXPECT_EQ(read.access, c.access);
        EXPECT_EQ(read.bytes, c.bytes);
        QFile file;
        EXPECT_EQ(OpenRegularFile(file, folder.filePath(QLatin1String(c.name)), c.limit, QIODevice::ReadWrite),
                  c.access == FileAccess::Missing ? FileAccess::Ok : c.access);
        EXPECT_EQ(file.isOpen(), c.access == FileAccess::Ok || c.access == FileAccess::Missing);
    }
    // Opened for writing, a missing file is made; for reading it is not.
    EXPECT_TRUE(QFile::exists(folder.filePath(QStringLiteral("missing"))));
}

} // namespace
