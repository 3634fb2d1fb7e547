// SPDX-FileCopyrightText: 2026 Zelka-Kvadra developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// The Progress view of the statistics window as its logic sees it: the players of
// the results file, the choice of player, board size, result type and measure, the
// series of that choice and the texts around the chart. The file is read once, when
// the view is first shown; every choice after that works from what was read.
//
// The first choice is the player in the game's name box (the first player when that
// name has no results) with the board size and result type of that player's latest
// game. Later choices of a player keep the size and type chosen.
#include "results/ProgressPlot.h"
#include "results/ProgressSeries.h"
#include "ui/ControlState.h"
#include <QStringList>

struct GameState;

enum class ProgressMeasure { Steps = 0, Time = 1 };

// What the controls of the view show. The lists fill the combo boxes; the indices
// are the chosen items (-1: none).
struct ProgressControls {
    ControlState tab;                        // the view's caption on its tab
    ControlState nameLabel, sizeLabel, typeLabel;
    QStringList names;                       // the players
    QStringList sizes;                       // 4 X 4, 5 X 5, 6 X 6, all
    QStringList types;                       // the eight result types, all
    QStringList measures;                    // steps, elapsed time
    int name = -1;
    int size = kAllSizes;
    int type = kAllTypes;
    int measure = 0;
    ControlState status;                     // what the chart shows, or why it shows nothing
    ControlState save, print;

    static constexpr int kAllSizes = 3;
    static constexpr int kAllTypes = 8;
};

class ProgressForm {
public:
    ProgressForm(const GameState& s, const QString& resultsPath);

    // Reads the results file and makes the first choice; later calls do nothing.
    void Load();
    bool loaded() const { return m_loaded; }

    // No chart can be drawn, for the reason `why`: the status line says so first, and
    // there is nothing to save or print.
    void setChartMissing(const QString& why);

    void chooseName(int index);
    void chooseSize(int index);
    void chooseType(int index);
    void chooseMeasure(int index);

    const ProgressControls& controls() const { return m_controls; }
    const ProgressSeries& series() const { return m_series; }
    ProgressMeasure measure() const { return static_cast<ProgressMeasure>(m_controls.measure); }
    bool resultsFileDamaged() const { return m_damaged; }

    // What the chart draws for the current choice. Its tooltips read this form.
    ProgressPlot plot() const;
    // The tooltip of game `game` (its index in the series): its number, date and time
    // of day, steps, elapsed time, type and size, gaps, stored game or shuffle, and
    // the records it set.
    QString describe(std::size_t game) const;

private:
    void Rebuild();
    QString text(int message) const;
    QString statusText() const;

    const GameState& m_state;
    QString m_path;
    bool m_loaded = false;
    bool m_damaged = false;
    QString m_chartMissing;
    ResultsTable m_table;
    ProgressChoice m_choice;
    ProgressSeries m_series;
    ProgressControls m_controls;
};
