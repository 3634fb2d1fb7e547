// SPDX-FileCopyrightText: 2026 Zelka-Kvadra developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// The results list: the rows the results browser shows, in the order it shows them,
// as a paginated fixed-width listing. Every page starts with a header that repeats
// the title, the page number, the sort and the active filters; a page holds at most
// 62 rows.
//   ResultsListInput input;          // filled by the browser
//   ListDocument list = PrintResultsTable(input, s.texts.messages, today);
#include "results/ListDocument.h"
#include "results/ResultsFilter.h"
#include <QString>
#include <QStringList>
#include <array>

// What the browser's filters are set to, as the list header prints them.
struct ResultsListFilter {
    int sortColumn = 1;                     // the grid column the rows are sorted by (1..12)
    int sizeChoice = 3;                     // `szur`: 0..2 for 4 x 4 .. 6 x 6, 3 for all sizes
    ShuffleFilter shuffle = ShuffleFilter::Any;
    std::array<bool, 9> typeChecked{};      // `tip`(1..8); index 0 unused
    QString stepLimit;                      // text of `lpsz`, "" when not set
    QString timeLimit;                      // text of `elhid`, "" when not set
    ResultsPick pick;                       // the picked-cell filter, column 0 when off
    int gapFilter = 0;                      // gap-count filter, 0 when off
    QString gapText;                        // text of `parkc`
};

constexpr int kResultsListColumns = 12;     // grid columns 0..11

struct ResultsListInput {
    // The data rows in the order shown, each the display texts of grid columns 0..11.
    QList<QStringList> rows;
    ResultsListFilter filter;
    bool pendoly = false;
};

constexpr int kResultsListRowsPerPage = 62;
constexpr int kResultsListLineWidth = 92;

// The description of the active filters (message 115 and the parts), "" when none is.
QString ResultsListFilterText(const ResultsListFilter& filter, const QStringList& messages);

// The whole list; `today` is the date printed on every page (yyyy.mm.dd).
ListDocument PrintResultsTable(const ResultsListInput& input, const QStringList& messages, const QString& today);
