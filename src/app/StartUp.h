// SPDX-FileCopyrightText: 2026 Zelka-Kvadra developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// The start-up of the game window's state, in the order the window loads: the state
// a fresh start has, the settings choosing the size, the type and the rearrangement
// box as if they were clicked, the stored games' file, the language, the sound, and
// the repair of a results file whose end a store left cut off.
#include "presentation/GameFolders.h"
#include "presentation/LanguageFile.h"
#include <QStringList>

struct GameState;
struct Platform;

struct StartUpReport {
    LanguageResult language;   // how reading the language went
    QStringList notices;       // what else the player must be told, in the language in use
};

// The window tells the player of each problem the report holds.
StartUpReport StartUp(GameState& s, Platform& p, const GameFolders& folders);
