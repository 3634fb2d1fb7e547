// SPDX-FileCopyrightText: 2026 Zelka-Kvadra developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// Which folders the game window works with:
//   --data-dir DIR                 DIR for the player's files; shipped files from the
//                                  installation unless DIR holds its own copies
//   the current folder holds       everything in the current folder, as the game has
//   language files                 always run from its own folder
//   otherwise (an installed game)  the per-user data folder for the player's files,
//                                  the installation's data folder for shipped ones
// The player's folder is created when it is missing.
#include "presentation/GameFolders.h"
#include <QString>
#include <optional>

struct DataFolderChoice {
    QString forcedFolder;     // from --data-dir; empty when not given
    QString currentFolder;
    QString userFolder;       // the per-user data folder
    QString installedFolder;  // the shipped data of the installation
};

// Whether `folder` holds any language file of the game.
bool HoldsLanguageFiles(const QDir& folder);

// The folders `choice` leads to, the player's folder created; nothing (and `error`
// tells which folder) when that folder is not there and cannot be made.
std::optional<GameFolders> ResolveDataFolders(const DataFolderChoice& choice,
                                              QString* error = nullptr);

// Where an installation keeps the shipped files, seen from the program's folder.
QString InstalledDataFolder(const QString& programFolder);
