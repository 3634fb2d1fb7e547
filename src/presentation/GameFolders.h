// SPDX-FileCopyrightText: 2026 Zelka-Kvadra developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// The two folders the game works with. The player's folder holds everything the
// player makes or changes (settings, results, names, stored games and shuffled
// states, edited documents, the list files' first folder); the shipped folder holds
// what comes with the game (language files, documents, sounds). A file of the same
// name in the player's folder is read in place of the shipped one, so a player can
// add a language or keep an edited document without touching the installation.
#include <QDir>
#include <QStringList>

struct GameFolders {
    // One folder for everything, the way the game runs from its own folder.
    // Implicit: wherever one folder was passed, that folder keeps serving for both.
    GameFolders(const QDir& folder) : player(folder), shipped(folder) {}
    GameFolders(const QDir& playerFolder, const QDir& shippedFolder)
        : player(playerFolder), shipped(shippedFolder) {}

    // The path to read the shipped file `name` from: the player's own copy when there
    // is one, else the shipped file (which may be missing too).
    QString shippedFile(const QString& name) const;
    // The names of shipped files matching `pattern` in either folder, each name once,
    // sorted case-insensitively.
    QStringList shippedFileNames(const QString& pattern) const;

    QDir player;
    QDir shipped;
};
