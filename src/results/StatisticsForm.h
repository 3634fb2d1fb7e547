// SPDX-FileCopyrightText: 2026 Zelka-Kvadra developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// The statistics window `stat` as its logic sees it: everything is computed once when
// it loads, from the results file of the current mode; afterwards it only shows that
// snapshot, reports a damaged file and produces the statistics list.
#include "results/Statistics.h"
#include "results/StatisticsList.h"
#include "ui/ControlState.h"

struct GameState;
struct Platform;

constexpr int kHelpTopicStatistics = 9;
// Shown instead of the window when the mode has no results file yet.
constexpr int kNoResultsFile = 2;

// What the controls of `stat` show.
struct StatControls {
    QString windowTitle;
    ControlState Label1_0;     // heading above the two halves of the table
    ControlState Label1_1;     // column heads
    ControlState Label2;       // total
    ControlState szov;         // the statistics text, lines joined by "\n"
    ControlState rendben;
    ControlState lista, ls_pr, ls_fl, doknez;
};

class StatisticsForm {
public:
    // `resultsPath`: the results file to summarise; `s` gives the language and the mode.
    StatisticsForm(const GameState& s, const QString& resultsPath);

    // Reads the file and fills the controls.
    void Form_Load();
    // The text box got the focus: a damaged file is reported with message 30, after
    // which the window closes. True when it must close.
    bool szov_GotFocus(Platform& platform);

    // Where the list output starts from: message 153, the default list file name.
    QString defaultListFileName() const;
    ListDocument PrintStatistics(ListTarget target, const QString& today) const;

    const StatControls& controls() const { return m_controls; }
    const QStringList& tableLines() const { return m_lines; }
    const Statistics& statistics() const { return m_scan.stats; }
    bool resultsFileMissing() const { return m_scan.missing; }
    bool resultsFileDamaged() const { return m_scan.damaged; }

private:
    const GameState& m_state;
    QString m_path;
    StatisticsScan m_scan;
    QStringList m_lines;
    StatControls m_controls;
    bool m_damageTold = false;
};
