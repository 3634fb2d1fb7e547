// SPDX-FileCopyrightText: 2026 Zelka-Kvadra developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// A player's progress: the games of one player (of one board size or all, of some
// result types) in date order, with the best result so far, the average of the last
// ten games and the personal records, once by steps and once by elapsed time. The
// progress chart and `--history` both show this one series.
//
// Date order is the order of the browser's date column: by the date, then by the
// time of day, as the file stores them (yyyy.mm.dd, hh:mm:ss); games stored in the
// same second keep their order in the file. A date in another form (a file written
// by another program may hold anything) sorts after every well-formed one, and a
// time of day in another form after the well-formed times of its day.
//
// Personal records. A game is a steps record when it ranks before every earlier
// game of the series the way the statistics rank by steps: fewer steps, or equal
// steps in a shorter elapsed time. Equal steps and equal time are no record: the
// earlier game keeps it. A time record is the same by elapsed time first, then by
// steps. The first game of a series is a steps record, and a time record when it
// has a time. A record broken twice in one day is
// two records, each ranking before everything stored before it (time of day
// decides; within one second the file order). The best so far is the fewest steps
// (the shortest time) of the games up to and including a game: the steps (time) of
// the latest record holder.
//
// Elapsed time is the true value of the hh:mm:ss text in seconds, as the browser
// takes it (minutes above 59 count as minutes). A game whose elapsed text is not in
// that form has no time: it shows none, ranks after every known time and is never
// a time record; its steps count as any.
//
// Moving average: the mean over a game and up to nine games before it (fewer at the
// start of the series); for the time, over those of them that have a time.
#include "results/ResultsTable.h"
#include <QString>
#include <QStringList>
#include <array>
#include <cstdint>
#include <limits>
#include <vector>

constexpr int kMovingAverageGames = 10;
constexpr int kNoTime = -1;

// Which games a series takes.
struct ProgressChoice {
    ProgressChoice() { allowAllTypes(); }

    QString name;                  // exactly as stored: letter case and accents count
    int boardSize = 0;             // 4..6; 0 = every size
    std::array<bool, 9> types{};   // [1..8] by result type index
    // Only games with exactly one empty cell, as the statistics of the Pendoly mode
    // show them.
    bool oneGapOnly = false;

    void allowAllTypes() {
        types.fill(true);
        types[0] = false;
    }
    // Whether a game of another player passes: everything but the name.
    bool passes(const ResultRow& row) const;
};

struct ProgressGame {
    std::uint32_t row = 0;         // the game's row in the table
    int steps = 0;
    int elapsed = kNoTime;         // seconds
    int bestSteps = 0;             // fewest steps so far, this game included
    int bestElapsed = kNoTime;     // shortest time so far; kNoTime while no game had one
    std::uint32_t bestTimeGame = 0;   // the game (index in the series) holding bestElapsed
    double averageSteps = 0;
    double averageElapsed = std::numeric_limits<double>::quiet_NaN();   // NaN: no time among them
    bool stepsRecord = false;
    bool timeRecord = false;
};

struct ProgressSeries {
    std::vector<ProgressGame> games;   // in date order
};

// Reads the games of player `name` (exactly as stored) from the results file at `path`
// into `table`, through the reader every view uses: a damaged file gives the games
// before the damage.
struct ResultsScan;
ResultsScan ReadPlayerGames(const QString& path, const QString& name, ResultsTable& table);

// The series of `choice` from `table`, which may hold every player's games or only
// those of the chosen one.
ProgressSeries BuildProgressSeries(const ResultsTable& table, const ProgressChoice& choice);

// The names of the players of `table`, each once, in the order the browser sorts
// names (CompareCellTexts).
QStringList ProgressPlayerNames(const ResultsTable& table);
