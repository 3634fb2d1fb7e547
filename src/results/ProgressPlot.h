// SPDX-FileCopyrightText: 2026 Zelka-Kvadra developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// What the progress chart draws: one measure (steps or elapsed time) of a series of
// games in date order, with its best-so-far line, its moving average and its
// records, and the texts around them. Game i lies at x = i + 1.
//
// Header only: the chart module draws it without linking the game's libraries.
#include <QString>
#include <cstdint>
#include <functional>
#include <vector>

struct ProgressPlot {
    QString title;
    QString axisX;                       // under the game numbers
    QString axisY;                       // beside the values
    bool timeAxis = false;               // values are seconds, labelled h:mm:ss
    std::vector<double> values;          // per game; NaN for a game without one
    std::vector<double> best;            // best so far per game; NaN before the first value
    std::vector<double> average;         // moving average per game; NaN where there is none
    std::vector<std::uint32_t> records;  // the games that set a record of this measure
    // Legend entries of the four series.
    QString gamesName, bestName, averageName, recordsName;
    // What hovering game i shows.
    std::function<QString(std::size_t game)> describe;

    std::size_t games() const { return values.size(); }
};
