// SPDX-FileCopyrightText: 2026 Zelka-Kvadra developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Every writer of a player's data file with something else in the file's place: a FIFO
// (an open would wait for a writer for ever), a link to /dev/zero (a read would never
// end) or a folder. Each answers at once, leaves what stands there as it is, and leaves
// nothing behind.
#include "rewrites/RewriteCases.h"
#include "support/NonRegularFiles.h"
#include "support/Watchdog.h"
#include <QElapsedTimer>
#include <QTemporaryDir>
#include <gtest/gtest.h>
#include <iostream>

namespace {

class NonRegularFileRewrite : public ::testing::TestWithParam<RewriteCase> {};

TEST_P(NonRegularFileRewrite, AnswersAtOnceAndLeavesItAsItIs) {
    const RewriteCase& c = GetParam();
    for (const NonRegularFile kind : {NonRegularFile::Fifo, NonRegularFile::EndlessDevice, NonRegularFile::Folder}) {
        SCOPED_TRACE(NonRegularFileName(kind));
        QTemporaryDir dir;
        const QDir folder(dir.path());
        c.lay(folder);
        const QString path = folder.filePath(c.dataFile);
        ASSERT_TRUE(PutNonRegularFile(path, kind));
        const QStringList before = folder.entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden | QDir::System);
        QElapsedTimer clock;
        clock.start();
        {
            const Watchdog watchdog(std::string(c.name) + " on " + NonRegularFileName(kind), std::chrono::seconds(10));
            c.rewrite(folder);
        }
        std::cout << "[ answered ] " << c.name << " on " << NonRegularFileName(kind) << " in " << clock.elapsed()
                  << " ms\n";
        EXPECT_EQ(FileTypeAt(path), kind == NonRegularFile::Fifo            ? S_IFIFO
                                    : kind == NonRegularFile::EndlessDevice ? S_IFLNK
                                                                         : S_IFDIR);
        EXPECT_EQ(folder.entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden | QDir::System), before);
    }
}

INSTANTIATE_TEST_SUITE_P(Writers, NonRegularFileRewrite, ::testing::ValuesIn(RewriteCases().begin(), RewriteCases().end()),
                         [](const ::testing::TestParamInfo<RewriteCase>& info) { return std::string(info.param.name); });

} // namespace
