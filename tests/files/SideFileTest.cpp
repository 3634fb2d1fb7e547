// SPDX-FileCopyrightText: 2026 Zelka-Kvadra developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Side files keep bytes that leave a data file; none is ever overwritten.
#include "files/SideFile.h"
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

const QDateTime kNow(QDate(2025, 1, 2), QTime(8, 15, 10));

QByteArray Contents(const QString& path) {
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

TEST(SideFile, KeepsBytesUnderANameOfItsOwnEveryTime) {
    QTemporaryDir dir;
    const QString path = QDir(dir.path()).filePath(QStringLiteral("eredm.dat"));
    QFile data(path);
    ASSERT_TRUE(data.open(QIODevice::ReadWrite));
    data.write("0123456789");
    const std::optional<QString> first = KeepInSideFile(path, data, 6, 4, kNow);
    const std::optional<QString> second = KeepInSideFile(path, data, 2, 3, kNow);
    ASSERT_TRUE(first && second);
    EXPECT_EQ(*first, path + QStringLiteral(".damaged-20250102-081510"));
    EXPECT_EQ(*second, *first + QStringLiteral("-2"));
    EXPECT_EQ(Contents(*first), "6789");
    EXPECT_EQ(Contents(*second), "234");
    data.close();
    // A whole file moved aside does not take a name that is taken either.
    const std::optional<QString> moved = MoveToSideFile(path, kNow);
    ASSERT_TRUE(moved);
    EXPECT_EQ(*moved, *first + QStringLiteral("-3"));
    EXPECT_EQ(Contents(*moved), "0123456789");
    EXPECT_FALSE(QFile::exists(path));
    EXPECT_EQ(Contents(*first), "6789");
}

} // namespace
