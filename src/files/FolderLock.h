// SPDX-FileCopyrightText: 2026 Zelka-Kvadra developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// One copy of the game per folder of player's files. The copy that runs holds a lock
// file in the folder for as long as it runs; the system ties the lock to the process,
// so the lock of a copy that was killed is stale and the next copy takes it over.
//
// The game window takes the lock before it reads or writes any file; a second copy
// finds it held and does not touch the folder. The command-line views only read, and
// take no lock; the repair of a results file takes it, so that it never cuts a file
// under a running game.
#include <QDir>
#include <QLockFile>

inline constexpr char kFolderLockName[] = ".zelka-kvadra.lock";

class FolderLock {
public:
    enum class State {
        Held,           // this process holds the folder
        HeldElsewhere,  // another running process holds it
        Unavailable,    // no lock can be made there (a folder that cannot be written)
    };

    explicit FolderLock(const QDir& folder);
    // Tries once, without waiting.
    State take();
    // The process that holds the lock, when another one does and it can be told.
    qint64 holder() const;

private:
    QLockFile m_lock;
};
