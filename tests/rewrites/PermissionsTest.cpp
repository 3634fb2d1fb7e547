// SPDX-FileCopyrightText: 2026 Zelka-Kvadra developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Every rewrite keeps the permissions of the file it replaces: a player who keeps the
// results to himself (owner only) or shares the settings with his group finds them so
// after the game wrote the file.
#include "rewrites/RewriteCases.h"
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

class RewritePermissions : public ::testing::TestWithParam<RewriteCase> {};

TEST_P(RewritePermissions, AreThoseOfTheOldFile) {
    const RewriteCase& c = GetParam();
    for (const QFileDevice::Permissions mode :
         {QFileDevice::ReadOwner | QFileDevice::WriteOwner,
          QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ReadGroup | QFileDevice::WriteGroup}) {
        QTemporaryDir dir;
        const QDir folder(dir.path());
        c.lay(folder);
        const QString path = folder.filePath(c.dataFile);
        ASSERT_TRUE(QFile::setPermissions(path, mode));
        ASSERT_TRUE(c.rewrite(folder));
        if (!QFile::exists(path)) continue;   // a rewrite that removed the file
        // The user bits stand for the owner's on this system.
        const QFileDevice::Permissions kept = QFile::permissions(path) & ~(QFileDevice::ReadUser | QFileDevice::WriteUser | QFileDevice::ExeUser);
        EXPECT_EQ(kept, mode) << std::hex << int(kept);
    }
}

INSTANTIATE_TEST_SUITE_P(Writers, RewritePermissions, ::testing::ValuesIn(RewriteCases().begin(), RewriteCases().end()),
                         [](const ::testing::TestParamInfo<RewriteCase>& info) { return std::string(info.param.name); });

} // namespace
