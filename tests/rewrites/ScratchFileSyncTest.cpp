// SPDX-FileCopyrightText: 2026 Zelka-Kvadra developers
// SPDX-License-Identifier: GPL-3.0-or-later

// A rewrite puts the new content on the disk before it renames the scratch file over
// the old file: a kill cannot show a missing flush, a power cut after the rename can
// (the new name then points at data still in memory). The system calls tell.
#include "files/ScratchFile.h"
#include "rewrites/KillPoints.h"
#include <QFile>
#include <QTemporaryDir>
#include <algorithm>
#include <gtest/gtest.h>
#include <sys/syscall.h>
#include <vector>

namespace {

using Numbers = std::vector<long>;

bool IsOneOf(const SystemCall& call, const Numbers& numbers) {
    return std::find(numbers.begin(), numbers.end(), call.number) != numbers.end();
}

const Numbers kWrites = {SYS_write, SYS_pwrite64, SYS_writev, SYS_pwritev};
const Numbers kSyncs = {SYS_fsync, SYS_fdatasync};
const Numbers kRenames = {
#ifdef SYS_rename
    SYS_rename,
#endif
    SYS_renameat, SYS_renameat2};

} // namespace

TEST(ScratchFile, TheNewContentIsOnTheDiskBeforeTheRename) {
    QTemporaryDir dir;
    const QString target = dir.filePath(QStringLiteral("eredm.dat"));
    {
        QFile old(target);
        ASSERT_TRUE(old.open(QIODevice::WriteOnly));
        old.write("old content");
    }
    const QByteArray content(100000, 'n');
    const std::optional<std::vector<SystemCall>> calls =
        TraceSystemCalls([&] { return ReplaceThroughScratchFile(target, content); });
    if (!calls) GTEST_SKIP() << "the system refuses to trace a child here";

    // The last sync before the rename syncs a file that was written, and nothing is
    // written to it after the sync and before it is closed.
    const auto rename =
        std::find_if(calls->begin(), calls->end(), [](const SystemCall& c) { return IsOneOf(c, kRenames); });
    ASSERT_NE(rename, calls->end());
    const auto sync = std::find_if(std::make_reverse_iterator(rename), calls->rend(),
                                   [](const SystemCall& c) { return IsOneOf(c, kSyncs); });
    ASSERT_NE(sync, calls->rend()) << "no fsync before the rename";
    const unsigned long long fd = sync->argument;
    const auto syncAt = std::prev(sync.base());
    const auto onFd = [fd](Numbers numbers) {
        return [fd, numbers](const SystemCall& c) { return c.argument == fd && IsOneOf(c, numbers); };
    };
    EXPECT_TRUE(std::any_of(calls->begin(), syncAt, onFd(kWrites))) << "the synced file was never written";
    const auto closed = std::find_if(syncAt, rename, onFd({SYS_close}));
    EXPECT_NE(closed, rename) << "the synced file is not closed before the rename";
    EXPECT_TRUE(std::none_of(syncAt, closed, onFd(kWrites))) << "written again after its sync";

    QFile replaced(target);
    ASSERT_TRUE(replaced.open(QIODevice::ReadOnly));
    EXPECT_EQ(replaced.readAll(), content);
}
