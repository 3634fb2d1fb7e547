// SPDX-FileCopyrightText: 2026 Zelka-Kvadra developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// The statistics of a results file: for every board size and result type, how many
// results there are and the best and the worst of them, once by steps and once by
// elapsed time, for games with exactly one empty cell (class 0) and for all others
// (class 1). Built in one pass over the file in constant memory, then shown as a
// fixed-width text table of 105-character lines.
#include "files/RegularFile.h"
#include "results/ResultsCodec.h"
#include <QString>
#include <QStringList>
#include <array>

// Combinations of size and type: j = 8 * (boardSize - 4) + (typeIndex - 1).
constexpr int kStatCombinations = 24;
// Groups: g = 2k ranks class k by steps, g = 2k + 1 ranks it by time.
constexpr int kStatGroups = 4;
constexpr int kStatLineWidth = 105;

// What a result is ranked by: its steps as the text right-aligned in 5 characters and
// its elapsed text (hh:mm:ss, the 8 characters the reader always gives). Ranking by steps compares steps text + elapsed text,
// ranking by time elapsed text + steps text; both as plain texts. The texts are kept
// packed into numbers whose order is the order of the texts.
struct StatKey {
    quint32 steps = 0;                 // ordered as the steps texts are
    std::array<quint64, 2> elapsed{};  // 8 characters, 16 bits each, the first highest

    bool operator==(const StatKey&) const = default;
};
StatKey MakeStatKey(const ResultRecord& record);
// Texts compared field by field, without branches: whether a key ranks before another
// is rarely true and easy to predict, the fields on the way are not.
inline bool LexicographicLess(quint64 a0, quint64 a1, quint64 a2, quint64 b0, quint64 b1, quint64 b2) {
    return (a0 < b0) | ((a0 == b0) & ((a1 < b1) | ((a1 == b1) & (a2 < b2))));
}
inline bool StepsKeyLess(const StatKey& a, const StatKey& b) {
    return LexicographicLess(a.steps, a.elapsed[0], a.elapsed[1], b.steps, b.elapsed[0], b.elapsed[1]);
}
inline bool TimeKeyLess(const StatKey& a, const StatKey& b) {
    return LexicographicLess(a.elapsed[0], a.elapsed[1], a.steps, b.elapsed[0], b.elapsed[1], b.steps);
}

// The best or the worst result of one group and combination.
struct StatEntry {
    bool set = false;
    QString steps5;    // the steps, right-aligned in 5 characters
    QString elapsed;   // hh:mm:ss
    QString date;      // yyyy.mm.dd
    QString name;
};

class Statistics {
public:
    Statistics();

    // Counts `record` and keeps it where it ranks first or last. Equal keys keep the
    // earlier result.
    void Add(const ResultRecord& record);

    int count(int gapClass, int combination) const { return m_count[gapClass][combination]; }
    qint64 classTotal(int gapClass) const;
    qint64 total() const { return classTotal(0) + classTotal(1); }
    const StatEntry& best(int group, int combination) const { return m_best[group][combination]; }
    const StatEntry& worst(int group, int combination) const { return m_worst[group][combination]; }

private:
    template <typename Less> void Rank(int g, int j, const StatKey& key, const ResultRecord& r, Less less);

    std::array<std::array<int, kStatCombinations>, 2> m_count{};
    // The keys are compared for every result and kept apart from the texts, which
    // change seldom: all of them stay in the fastest cache. A best key starts above
    // every key and a worst key below, so that the first result takes both places.
    std::array<std::array<StatKey, kStatCombinations>, kStatGroups> m_bestKey;
    std::array<std::array<StatKey, kStatCombinations>, kStatGroups> m_worstKey;
    std::array<std::array<StatEntry, kStatCombinations>, kStatGroups> m_best;
    std::array<std::array<StatEntry, kStatCombinations>, kStatGroups> m_worst;
};

struct StatisticsScan {
    Statistics stats;
    bool missing = false;   // no results file
    bool damaged = false;   // reading stopped at a damaged record; `stats` covers those before it
    FileAccess access = FileAccess::Ok;   // not Ok: the file was not read at all
};
// Reads the results file at `path` once and gathers its statistics.
StatisticsScan ScanStatistics(const QString& path);

// The texts the table takes from the language table.
struct StatTexts {
    const QStringList& messages;             // entries by number
    const std::array<QString, 9>& typeNames; // display codes 1..8
};

// The heading line of group `g`, with the separator line before every group but the first.
QStringList WriteStatGroupHeader(const Statistics& stats, int g, const StatTexts& texts);
// The elapsed time of an entry as the table shows it: a leading "0" becomes a blank.
QString FormatStatTime(const StatEntry& entry);
// The whole table as the window's text box shows it, line by line. In the Pendoly
// mode only class 0 (groups 0 and 1) is shown.
QStringList StatisticsLines(const Statistics& stats, const StatTexts& texts, bool pendoly);
// Message 144, a blank and the number of results read.
QString StatisticsTotalLine(const Statistics& stats, const StatTexts& texts);
