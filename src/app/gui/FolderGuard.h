// SPDX-FileCopyrightText: 2026 Zelka-Kvadra developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// One copy of the game window per folder of player's files.
//
// The copy that runs holds the folder's lock (files/FolderLock.h) and listens on a
// local socket named after the folder. A copy started later on the same folder (a
// second double click, the menu entry and a terminal) finds the lock held: it asks the
// running one to bring its window to the front, and ends without reading or writing
// any file of the folder. If the running copy does not answer (it hangs, or belongs to
// another user), the later one says so and ends: it never shares the folder, because
// two writers would replace each other's files.
//
// A folder where no lock can be made at all (one that cannot be written) is used
// without one: the game can write nothing there anyway.
#include "files/FolderLock.h"
#include <QDir>
#include <QObject>
#include <QString>
#include <functional>

class LocalLineServer;

class FolderGuard : public QObject {
    Q_OBJECT
public:
    explicit FolderGuard(const QDir& playerFolder, QObject* parent = nullptr);
    ~FolderGuard() override;

    enum class Claim {
        Held,                  // this copy holds the folder: open the window
        FirstBroughtToFront,   // another copy holds it and brought its window to the front
        FirstDoesNotAnswer,    // another copy holds it and did not answer
    };
    // Takes the folder, or asks the copy that holds it to come to the front.
    Claim claim();
    // Answers later copies of the game: `bringToFront` is run for each of them.
    void serve(std::function<void()> bringToFront);

    // The name of the local socket of `folder`: the same for every copy on that folder.
    static QString SocketName(const QDir& folder);

private:
    bool AskHolderToComeToFront();

    QDir m_folder;
    FolderLock m_lock;
    LocalLineServer* m_server = nullptr;
    std::function<void()> m_bringToFront;
};
