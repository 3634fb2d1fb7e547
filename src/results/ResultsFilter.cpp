// SPDX-FileCopyrightText: 2026 Zelka-Kvadra developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "results/ResultsFilter.h"

namespace {

// The fields the first six tests look at, alike for a table row and a record.
struct FilterFields {
    int boardSize;
    int typeIndex;
    int steps;
    std::uint32_t elapsed;   // hh:mm:ss as hhmmss, kOddText when the text is not a time
    int gapCount;
    int shuffleNo;
};

// The tests in their fixed order; the picked cell is left to the caller.
bool PassesFields(const ResultsFilter& f, const FilterFields& r) {
    if (f.boardSize != 0 && r.boardSize != f.boardSize) return false;
    if (r.typeIndex < 1 || r.typeIndex > 8 || !f.types[static_cast<std::size_t>(r.typeIndex)]) return false;
    if (f.stepsBelow && !(r.steps < *f.stepsBelow)) return false;
    if (f.elapsedBelow && (r.elapsed == kOddText || !(static_cast<qint64>(ElapsedSeconds(r.elapsed)) < *f.elapsedBelow)))
        return false;
    if (f.gaps && r.gapCount != *f.gaps) return false;
    if (f.shuffled == ShuffleFilter::Shuffled && r.shuffleNo == 0) return false;
    if (f.shuffled == ShuffleFilter::NotShuffled && r.shuffleNo != 0) return false;
    return true;
}

FilterFields FieldsOf(const ResultRow& row) {
    return {row.boardSize, row.typeIndex, row.steps, row.elapsed, row.gapCount, row.shuffleNo};
}

FilterFields FieldsOf(const ResultRecord& r) {
    return {r.boardSize, TypeIndexOfCode(r.typeCode), r.steps, PackTime(r.elapsed), r.gapCount, r.shuffleNo};
}

// The elapsed time is packed only when a limit needs it.
FilterFields FieldsOf(const DecodedRecord& r, bool elapsedNeeded) {
    return {r.boardSize, r.typeIndex, r.steps, elapsedNeeded ? PackTime(r.elapsedCodes()) : kOddText, r.gapCount,
            r.shuffleNo};
}

// "hh:mm" of a time of day as its digits hhmm, or kOddText.
std::uint32_t PackHourMinute(QStringView text) {
    const std::uint32_t packed = PackTime(QStringLiteral("%1:00").arg(text));
    return packed == kOddText ? kOddText : packed / 100;
}

// The picked cell resolved against one table: text fields become ids, so each row
// is tested with integer compares only.
class CompiledPick {
public:
    CompiledPick(const ResultsTable& table, const ResultsFilter& f) : m_pick(f.pick) {
        switch (m_pick.column) {
        case ResultColumn::Name:
        case ResultColumn::GameName:
            m_text = table.findText(m_pick.text);
            break;
        case ResultColumn::Type:
            for (std::size_t t = 1; t <= 8; ++t) m_types[t] = f.typeNames[t] == m_pick.text;
            break;
        case ResultColumn::Elapsed: m_packed = PackTime(m_pick.text); break;
        case ResultColumn::Date: m_packed = PackDate(m_pick.text); break;
        case ResultColumn::TimeOfDay: m_packed = PackHourMinute(m_pick.text); break;
        default: break;
        }
    }

    bool matches(const ResultsTable& table, std::size_t i) const {
        const ResultRow& row = table.row(i);
        switch (m_pick.column) {
        case ResultColumn::Name: return m_text && row.name == *m_text;
        case ResultColumn::GameName: return m_text && row.gameName == *m_text;
        case ResultColumn::Type: return m_types[row.typeIndex];
        case ResultColumn::Size: return row.boardSize == m_pick.number;
        case ResultColumn::Gaps: return row.gapCount == m_pick.number;
        case ResultColumn::GameNo: return row.storedGameNo == m_pick.number;
        case ResultColumn::ShuffleNo: return row.shuffleNo == m_pick.number;
        case ResultColumn::Steps: return row.steps == m_pick.number;
        // Texts outside their digit form are rare: they are compared as texts.
        case ResultColumn::Elapsed:
            return m_packed != kOddText ? row.elapsed == m_packed : table.elapsedText(i) == m_pick.text;
        case ResultColumn::Date:
            return m_packed != kOddText ? row.date == m_packed : table.dateText(i) == m_pick.text;
        case ResultColumn::TimeOfDay:
            return m_packed != kOddText ? row.timeOfDay != kOddText && row.timeOfDay / 100 == m_packed
                                        : table.timeText(i).left(5) == m_pick.text;
        default: return true;
        }
    }

private:
    ResultsPick m_pick;
    std::optional<std::uint32_t> m_text;
    std::array<bool, 9> m_types{};
    std::uint32_t m_packed = kOddText;
};

bool RecordMatchesPick(const ResultsFilter& f, const ResultRecord& r) {
    const ResultsPick& p = f.pick;
    switch (p.column) {
    case ResultColumn::Name: return r.name == p.text;
    case ResultColumn::Type: return f.typeNames[static_cast<std::size_t>(TypeIndexOfCode(r.typeCode))] == p.text;
    case ResultColumn::GameName: return r.storedGameName == p.text;
    case ResultColumn::Elapsed: return r.elapsed == p.text;
    case ResultColumn::Date: return r.date == p.text;
    case ResultColumn::TimeOfDay: return r.timeOfDay.left(5) == p.text;
    case ResultColumn::Size: return r.boardSize == p.number;
    case ResultColumn::Gaps: return r.gapCount == p.number;
    case ResultColumn::GameNo: return r.storedGameNo == p.number;
    case ResultColumn::ShuffleNo: return r.shuffleNo == p.number;
    case ResultColumn::Steps: return r.steps == p.number;
    default: return true;
    }
}

} // namespace

std::vector<std::uint32_t> FilterResultRows(const ResultsTable& table, const ResultsFilter& filter) {
    std::vector<std::uint32_t> rows;
    FilterResultRows(table, filter, rows);
    return rows;
}

void FilterResultRows(const ResultsTable& table, const ResultsFilter& filter, std::vector<std::uint32_t>& rows) {
    // Room for every row, so no row is copied as they are added.
    rows.clear();
    rows.reserve(table.size());
    const CompiledPick pick(table, filter);
    const bool picking = filter.pick.column > 0;
    for (std::size_t i = 0; i < table.size(); ++i)
        if (PassesFields(filter, FieldsOf(table.row(i))) && (!picking || pick.matches(table, i)))
            rows.push_back(static_cast<std::uint32_t>(i));
}

bool RecordPassesFilter(const ResultsFilter& filter, const ResultRecord& record) {
    return PassesFields(filter, FieldsOf(record)) && (filter.pick.column == 0 || RecordMatchesPick(filter, record));
}

bool RecordPassesFilter(const ResultsFilter& filter, const DecodedRecord& record) {
    if (!PassesFields(filter, FieldsOf(record, filter.elapsedBelow.has_value()))) return false;
    if (filter.pick.column == 0) return true;
    ResultRecord texts;
    ToResultRecord(record, texts);
    return RecordMatchesPick(filter, texts);
}

ResultsPick PickFromCell(const ResultsTable& table, std::size_t record, int column, const QString& cellText) {
    ResultsPick pick;
    pick.column = column;
    const ResultRow& row = table.row(record);
    switch (column) {
    case ResultColumn::Size: pick.number = row.boardSize; break;
    case ResultColumn::Gaps: pick.number = row.gapCount; break;
    case ResultColumn::GameNo: pick.number = row.storedGameNo; break;
    case ResultColumn::ShuffleNo: pick.number = row.shuffleNo; break;
    case ResultColumn::Steps: pick.number = row.steps; break;
    case ResultColumn::Elapsed: pick.text = table.elapsedText(record); break;
    case ResultColumn::Date: pick.text = table.dateText(record); break;
    case ResultColumn::TimeOfDay: pick.text = table.timeText(record).left(5); break;
    default: pick.text = cellText; break;
    }
    return pick;
}

int LeadingNumber(const QString& text) {
    constexpr qint64 kLimit = 999999999;
    qsizetype i = 0;
    while (i < text.size() && text[i] == u' ') ++i;
    bool negative = false;
    if (i < text.size() && (text[i] == u'-' || text[i] == u'+')) negative = text[i++] == u'-';
    qint64 value = 0;
    for (; i < text.size() && text[i] >= u'0' && text[i] <= u'9'; ++i)
        value = std::min(kLimit, value * 10 + (text[i].unicode() - u'0'));
    return static_cast<int>(negative ? -value : value);
}

bool IsDigitAt(const QString& text, int position) {
    if (position < 1 || position > text.size()) return true;
    const QChar c = text[position - 1];
    return c >= u'0' && c <= u'9';
}

bool TimeLimitAccepted(const QString& text) {
    if (text.isEmpty() || text == QLatin1String("00:00:00")) return true;
    if (text.size() > 8) return false;
    for (int p : {1, 2, 4, 5, 7, 8})
        if (!IsDigitAt(text, p)) return false;
    if (text.mid(2, 1) != QLatin1String(":") || text.mid(5, 1) != QLatin1String(":")) return false;
    return LeadingNumber(text.mid(6, 2)) <= 59;
}

std::optional<int> TimeLimitSeconds(const QString& text) {
    if (!TimeLimitAccepted(text)) return std::nullopt;
    const int seconds = LeadingNumber(text.mid(0, 2)) * 3600 + LeadingNumber(text.mid(3, 2)) * 60 +
                        LeadingNumber(text.mid(6, 2));
    if (seconds == 0) return std::nullopt;
    return seconds;
}
