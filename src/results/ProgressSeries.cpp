// SPDX-FileCopyrightText: 2026 Zelka-Kvadra developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "results/ProgressSeries.h"
#include "results/ResultsFile.h"
#include "results/ResultsSort.h"
#include <algorithm>

namespace {

int TimeOf(const ResultRow& row) {
    const std::uint32_t seconds = ElapsedSeconds(row.elapsed);
    return seconds == kOddText ? kNoTime : static_cast<int>(seconds);
}

// Whether time `a` is shorter than `b`; a known time is shorter than none.
bool ShorterTime(int a, int b) { return a != kNoTime && (b == kNoTime || a < b); }

// The games of `choice` in date order.
std::vector<ProgressGame> ChosenGames(const ResultsTable& table, const ProgressChoice& choice) {
    std::vector<ProgressGame> games;
    const std::optional<std::uint32_t> name = table.findText(choice.name);
    if (!name) return games;
    std::vector<std::uint32_t> rows;
    for (std::uint32_t i = 0; i < table.size(); ++i) {
        const ResultRow& row = table.row(i);
        if (row.name == *name && choice.passes(row)) rows.push_back(i);
    }
    SortResultRows(table, rows, ResultColumn::Date, false, StoredTypeCodes());
    games.resize(rows.size());
    for (std::size_t n = 0; n < rows.size(); ++n) {
        const ResultRow& row = table.row(rows[n]);
        games[n].row = rows[n];
        games[n].steps = row.steps;
        games[n].elapsed = TimeOf(row);
    }
    return games;
}

} // namespace

ResultsScan ReadPlayerGames(const QString& path, const QString& name, ResultsTable& table) {
    table.Clear();
    return ReadResultsFile(path, [&table, &name](const ResultRecord& r) {
        if (r.name == name) table.Append(r);
    });
}

bool ProgressChoice::passes(const ResultRow& row) const {
    if (boardSize != 0 && row.boardSize != boardSize) return false;
    if (row.typeIndex >= types.size() || !types[row.typeIndex]) return false;
    return !oneGapOnly || row.gapCount == 1;
}

ProgressSeries BuildProgressSeries(const ResultsTable& table, const ProgressChoice& choice) {
    ProgressSeries series;
    series.games = ChosenGames(table, choice);
    std::vector<ProgressGame>& games = series.games;

    // The record holders so far: by steps, and by time.
    const ProgressGame* stepsHolder = nullptr;
    const ProgressGame* timeHolder = nullptr;
    std::int64_t stepsSum = 0;
    std::int64_t timeSum = 0;
    int timeCount = 0;
    for (std::size_t n = 0; n < games.size(); ++n) {
        ProgressGame& game = games[n];
        game.stepsRecord = !stepsHolder || game.steps < stepsHolder->steps ||
                           (game.steps == stepsHolder->steps && ShorterTime(game.elapsed, stepsHolder->elapsed));
        game.timeRecord = game.elapsed != kNoTime &&
                          (!timeHolder || ShorterTime(game.elapsed, timeHolder->elapsed) ||
                           (game.elapsed == timeHolder->elapsed && game.steps < timeHolder->steps));
        if (game.stepsRecord) stepsHolder = &game;
        if (game.timeRecord) {
            timeHolder = &game;
            game.bestTimeGame = static_cast<std::uint32_t>(n);
        } else if (n > 0) {
            game.bestTimeGame = games[n - 1].bestTimeGame;
        }
        game.bestSteps = stepsHolder->steps;
        game.bestElapsed = timeHolder ? timeHolder->elapsed : kNoTime;

        stepsSum += game.steps;
        if (game.elapsed != kNoTime) {
            timeSum += game.elapsed;
            ++timeCount;
        }
        if (n >= kMovingAverageGames) {
            const ProgressGame& leaving = games[n - kMovingAverageGames];
            stepsSum -= leaving.steps;
            if (leaving.elapsed != kNoTime) {
                timeSum -= leaving.elapsed;
                --timeCount;
            }
        }
        const auto window = static_cast<double>(std::min<std::size_t>(n + 1, kMovingAverageGames));
        game.averageSteps = static_cast<double>(stepsSum) / window;
        if (timeCount > 0) game.averageElapsed = static_cast<double>(timeSum) / timeCount;
    }
    return series;
}

QStringList ProgressPlayerNames(const ResultsTable& table) {
    // The pool holds stored-game names too: only the ids that name a player count.
    std::vector<bool> isName(table.textCount(), false);
    for (std::size_t i = 0; i < table.size(); ++i) isName[table.row(i).name] = true;
    QStringList names;
    for (std::uint32_t id = 0; id < isName.size(); ++id)
        if (isName[id]) names << table.text(id);
    std::sort(names.begin(), names.end(),
              [](const QString& a, const QString& b) { return CompareCellTexts(a, b) < 0; });
    return names;
}
