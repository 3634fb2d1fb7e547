#pragma once
// The statistics of a results file: for every board size and result type, how many
// results there are and the best and the worst of them, once by steps and once by
// elapsed time, for games with exactly one empty cell (class 0) and for all others
// (class 1). Built in one pass over the file in constant memory, then shown as a
// fixed-width text table of 105-character lines.
#include "results/ResultsCodec.h"
#include <QString>
#include <QStringList>
#include <array>

// Combinations of size and type: j = 8 * (boardSize - 4) + (typeIndex - 1).
constexpr int kStatCombinations = 24;
// Groups: g = 2k ranks class k by steps, g = 2k + 1 ranks it by time.
constexpr int kStatGroups = 4;
constexpr int kStatLineWidth = 105;

// A result's key: steps right-aligned in 5 characters and the elapsed text, in the
// order the group ranks by. Keys compare as plain texts.
using StatKey = std::array<char16_t, 13>;

// The best or the worst result of one group and combination.
struct StatEntry {
    bool set = false;
    StatKey key{};
    QString steps5;    // the steps, right-aligned in 5 characters
    QString elapsed;   // hh:mm:ss
    QString date;      // yyyy.mm.dd
    QString name;
};

class Statistics {
public:
    // Counts `record` and keeps it where it ranks first or last. Equal keys keep the
    // earlier result.
    void Add(const ResultRecord& record);

    int count(int gapClass, int combination) const { return m_count[gapClass][combination]; }
    qint64 classTotal(int gapClass) const;
    qint64 total() const { return classTotal(0) + classTotal(1); }
    const StatEntry& best(int group, int combination) const { return m_best[group][combination]; }
    const StatEntry& worst(int group, int combination) const { return m_worst[group][combination]; }

private:
    std::array<std::array<int, kStatCombinations>, 2> m_count{};
    std::array<std::array<StatEntry, kStatCombinations>, kStatGroups> m_best;
    std::array<std::array<StatEntry, kStatCombinations>, kStatGroups> m_worst;
};

struct StatisticsScan {
    Statistics stats;
    bool missing = false;   // no results file
    bool damaged = false;   // reading stopped at a damaged record; `stats` covers those before it
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
