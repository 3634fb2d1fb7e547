// SPDX-FileCopyrightText: 2026 Zelka-Kvadra developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// The start-up of the game window's state, in the order the window loads: the state
// a fresh start has, the settings choosing the size, the type and the rearrangement
// box as if they were clicked, the stored games' file, the language, the sound, and
// the repair of a results file whose end a store left cut off.
#include "presentation/GameFolders.h"
#include "presentation/LanguageFile.h"
#include "results/ResultsRepair.h"
#include <QDateTime>
#include <QStringList>
#include <array>
#include <functional>

struct GameState;
struct Platform;
class RandomSource;

// The check of the two results files (ordinary, then Pendoly) that a store cut off
// may have left with part of a record at the end: their bytes go into a side file,
// and each file reads whole again. It reads each file to its end, so for a long file
// it is the slowest step of a start; it needs nothing of the window, so it can run on
// another core (with a random source of its own) while the window is built.
using ResultsCheck = std::array<RepairOutcome, 2>;
ResultsCheck CheckResultsFiles(const QDir& folder, const QDateTime& now, RandomSource& random);

struct StartUpReport {
    LanguageResult language;   // how reading the language went
    QStringList notices;       // what else the player must be told, in the language in use
};

// The window tells the player of each problem the report holds. `checked`, when
// given, hands over the check of the results files made meanwhile (waiting for it);
// without it the check is made here.
StartUpReport StartUp(GameState& s, Platform& p, const GameFolders& folders,
                      const std::function<ResultsCheck()>& checked = {});
