// SPDX-FileCopyrightText: 2026 Zelka-Kvadra developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// Which results the browser shows: board size, result types, step and time limits,
// gap count, shuffled or not, and equality with a picked cell. The same filter runs
// over the decoded table (to show rows) and over records read from the file (to
// delete the rows shown), and both agree.
#include "results/ResultsTable.h"
#include <QString>
#include <array>
#include <optional>
#include <vector>

enum class ShuffleFilter {
    Any,           // the three-state box grayed
    Shuffled,      // checked: started from a stored shuffled state
    NotShuffled,   // unchecked: a fresh shuffle
};

// The grid columns of the browser.
namespace ResultColumn {
constexpr int RowNo = 0;
constexpr int Name = 1;
constexpr int Type = 2;
constexpr int Size = 3;
constexpr int Gaps = 4;
constexpr int GameName = 5;
constexpr int GameNo = 6;
constexpr int ShuffleNo = 7;
constexpr int Steps = 8;
constexpr int Elapsed = 9;
constexpr int Date = 10;
constexpr int TimeOfDay = 11;
constexpr int RecordNo = 12;   // hidden: the record's running number in the file
constexpr int Count = 13;
} // namespace ResultColumn

// A picked cell: rows whose field in `column` equals it. Text columns (name, type,
// stored-game name, date) compare `text`; elapsed compares the stored hh:mm:ss
// text, time of day its hh:mm; number columns compare `number`.
struct ResultsPick {
    int column = 0;   // 0 = no picked-cell filter
    QString text;
    int number = 0;
};

struct ResultsFilter {
    int boardSize = 0;                   // 4..6; 0 = every size
    std::array<bool, 9> types{};         // [1..8] by result type index
    std::optional<int> stepsBelow;       // steps must be below it
    std::optional<int> elapsedBelow;     // seconds; the elapsed time must be below it
    std::optional<int> gaps;             // the gap count must equal it
    ShuffleFilter shuffled = ShuffleFilter::Any;
    ResultsPick pick;
    // The display codes the type column shows (a pick on that column compares them).
    TypeNames typeNames = StoredTypeCodes();

    void allowAllTypes() { types.fill(true); }
};

// Record indices of `table` (in file order) whose rows pass `filter`.
std::vector<std::uint32_t> FilterResultRows(const ResultsTable& table, const ResultsFilter& filter);
// The same into `rows`, whose storage a window keeps from one reload to the next.
void FilterResultRows(const ResultsTable& table, const ResultsFilter& filter, std::vector<std::uint32_t>& rows);
// The same test for one record as the reader gives it.
bool RecordPassesFilter(const ResultsFilter& filter, const ResultRecord& record);
// ... and as the reader decodes it, its texts still codes.
bool RecordPassesFilter(const ResultsFilter& filter, const DecodedRecord& record);

// The picked value of a cell as the pick stores it: the number of number columns,
// the text of text columns (`cellText` is the cell as the grid shows it; elapsed
// and time of day come from the record itself).
ResultsPick PickFromCell(const ResultsTable& table, std::size_t record, int column, const QString& cellText);

// Text boxes of the browser.
// The numeric value of the leading number of `text` (blanks skipped, an optional
// sign, digits), 0 when there is none; clamped to +-999999999.
int LeadingNumber(const QString& text);
// Whether position `position` (1-based) of `text` holds a digit; a position past
// the end counts as one.
bool IsDigitAt(const QString& text, int position);
// Whether the time-limit box accepts `text` (H:mm:ss with two-digit fields, seconds
// up to 59; minutes and hours unchecked, so 00:61:00 is accepted). Empty and
// "00:00:00" are accepted too: they mean no limit.
bool TimeLimitAccepted(const QString& text);
// The limit in seconds of an accepted text; nothing for no limit.
std::optional<int> TimeLimitSeconds(const QString& text);
