// SPDX-FileCopyrightText: 2026 Zelka-Kvadra developers
// SPDX-License-Identifier: GPL-3.0-or-later

// One process holds a folder at a time; the lock of a process that was killed is
// stale, and the next one takes it over.
#include "files/FolderLock.h"
#include <QTemporaryDir>
#include <csignal>
#include <gtest/gtest.h>
#include <sys/wait.h>
#include <unistd.h>

namespace {

// A child that takes the folder's lock, says so through a pipe, and waits to be killed.
pid_t HoldInAChild(const QDir& folder) {
    int ready[2];
    if (::pipe(ready) != 0) return -1;
    const pid_t child = ::fork();
    if (child == 0) {
        ::close(ready[0]);
        FolderLock lock(folder);
        const char held = lock.take() == FolderLock::State::Held ? 'y' : 'n';
        if (::write(ready[1], &held, 1) != 1) ::_exit(1);
        for (;;) ::pause();
    }
    ::close(ready[1]);
    char held = 'n';
    const bool told = ::read(ready[0], &held, 1) == 1;
    ::close(ready[0]);
    return told && held == 'y' ? child : -1;
}

TEST(FolderLock, IsHeldByOneProcessAndTakenOverFromAKilledOne) {
    QTemporaryDir dir;
    const QDir folder(dir.path());
    const pid_t holder = HoldInAChild(folder);
    ASSERT_GT(holder, 0);
    {
        FolderLock second(folder);
        EXPECT_EQ(second.take(), FolderLock::State::HeldElsewhere);
        EXPECT_EQ(second.holder(), holder);
    }
    ::kill(holder, SIGKILL);
    ::waitpid(holder, nullptr, 0);
    ASSERT_TRUE(QFile::exists(folder.filePath(QLatin1String(kFolderLockName))));   // stale, not removed
    FolderLock next(folder);
    EXPECT_EQ(next.take(), FolderLock::State::Held);
    EXPECT_EQ(next.take(), FolderLock::State::Held);   // holding it already
}

TEST(FolderLock, AFolderThatCannotHoldALockIsUnavailable) {
    FolderLock lock(QDir(QStringLiteral("/proc/self")));
    EXPECT_EQ(lock.take(), FolderLock::State::Unavailable);
}

} // namespace
