// SPDX-FileCopyrightText: 2026 Zelka-Kvadra developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// A whole results file decoded into a compact table: one small fixed-size row per
// record, the names and stored-game names kept once each, the times and dates
// packed into numbers. The browser reads the file into it once per reload and then
// filters, sorts and formats from it without touching the file again.
#include "results/ResultsCodec.h"
#include "results/HugePageAllocator.h"
#include "results/ResultsFile.h"
#include "results/TextPool.h"
#include <QHash>
#include <QString>
#include <QStringList>
#include <array>
#include <cstdint>
#include <optional>
#include <vector>

// The display codes of the eight result types, [1..8]; entry 0 is unused.
using TypeNames = std::array<QString, 9>;
// The codes as the file holds them, V .. SR.
const TypeNames& StoredTypeCodes();

// One record. Texts are ids into the table's text pool (0 is the empty text). The
// times and the date hold their digits as a number (hh:mm:ss as hhmmss, yyyy.mm.dd as
// yyyymmdd), so their order is the order of the texts; a text that is not in its
// digit form (another program may write anything) is kOddText and kept aside.
// The counts are signed: altered bytes can read as a count below zero, and what the
// grid shows, filters, sorts and deletes must be that one value. Every count the
// reader gives fits 16 signed bits (steps -655..32367, gaps -255..255).
struct ResultRow {
    std::uint32_t name = 0;
    std::uint32_t gameName = 0;
    std::uint32_t elapsed = 0;
    std::uint32_t date = 0;
    std::uint32_t timeOfDay = 0;
    std::int16_t steps = 0;
    std::int16_t shuffleNo = 0;
    std::int16_t storedGameNo = 0;
    std::int16_t gapCount = 0;
    std::uint8_t typeIndex = 0;   // 1..8
    std::uint8_t boardSize = 0;
};
static_assert(sizeof(ResultRow) == 32, "a row stays small: the browser holds one per record");
constexpr std::uint32_t kOddText = 0xFFFFFFFF;

// The elapsed time in seconds (hhmmss digits may hold minutes above 59, as typed
// limits may); kOddText stays kOddText.
std::uint32_t ElapsedSeconds(std::uint32_t hhmmss);
// "hh:mm:ss" or "yyyy.mm.dd" to their digit form; kOddText when not in that form.
std::uint32_t PackTime(QStringView text);
std::uint32_t PackDate(QStringView text);
// The same for their code page 1250 codes.
std::uint32_t PackTime(QByteArrayView codes);
std::uint32_t PackDate(QByteArrayView codes);

// The order of two cells of a text column: numbers as numbers and before other
// texts, other texts regardless of letter case first (so "b" sorts with "B"), then
// by case. Negative, zero or positive.
int CompareCellTexts(const QString& a, const QString& b);

// How the reading went: missing, damaged (reading stopped at a damaged record, or the
// file could not be read at all), and where the whole records end.
using ResultsLoad = ResultsScan;

// The most records a results file of `fileBytes` bytes can hold (within the results
// files' size limit): room reserved for them up front is never copied as it fills.
std::size_t MostRecordsIn(qint64 fileBytes);

class ResultsTable {
public:
    // Reads the results file at `path`: every record before any damage.
    ResultsLoad Load(const QString& path);
    void Clear();
    void reserve(std::size_t rows) { m_rows.reserve(rows); }
    // Adds one decoded record as the next row; its counts are as the reader gives them.
    void Append(const ResultRecord& record);
    void Append(const DecodedRecord& record);

    std::size_t size() const { return m_rows.size(); }
    const ResultRow& row(std::size_t i) const { return m_rows[i]; }
    const QString& text(std::uint32_t id) const { return m_texts.text(id); }
    std::size_t textCount() const { return m_texts.size(); }
    // The id of `text` in the pool, or nothing when no row holds it.
    std::optional<std::uint32_t> findText(const QString& text) const;

    // The texts of row i exactly as the file holds them.
    const QString& name(std::size_t i) const { return text(m_rows[i].name); }
    const QString& storedGameName(std::size_t i) const { return text(m_rows[i].gameName); }
    QString elapsedText(std::size_t i) const;   // hh:mm:ss
    QString dateText(std::size_t i) const;      // yyyy.mm.dd
    QString timeText(std::size_t i) const;      // hh:mm:ss
    // The record of row i, as the reader gave it.
    ResultRecord record(std::size_t i) const;

    // Ranks of the pool's texts in CompareCellTexts order; built on first use after
    // each load.
    const std::vector<std::uint32_t>& textRanks() const;

private:
    struct OddTexts {
        QString elapsed, date, timeOfDay;
    };
    TableVector<ResultRow> m_rows;
    TextPool m_texts;
    QHash<std::uint32_t, OddTexts> m_odd;   // by row, for rows with a kOddText
    mutable std::vector<std::uint32_t> m_ranks;
};
