// SPDX-FileCopyrightText: 2026 Zelka-Kvadra developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "files/FolderLock.h"

FolderLock::FolderLock(const QDir& folder) : m_lock(folder.filePath(QLatin1String(kFolderLockName))) {
    // A game runs for hours: the lock is stale only when its process is gone, never by
    // its age.
    m_lock.setStaleLockTime(0);
}

FolderLock::State FolderLock::take() {
    if (m_lock.isLocked() || m_lock.tryLock(0)) return State::Held;
    return m_lock.error() == QLockFile::LockFailedError ? State::HeldElsewhere : State::Unavailable;
}

qint64 FolderLock::holder() const {
    qint64 pid = 0;
    QString host;
    QString application;
    return m_lock.getLockInfo(&pid, &host, &application) ? pid : 0;
}
