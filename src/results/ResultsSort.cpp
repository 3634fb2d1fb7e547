// SPDX-FileCopyrightText: 2026 Zelka-Kvadra developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "results/ResultsSort.h"
#include <algorithm>
#include <bit>
#include <numeric>
#include <utility>

namespace {

// Field widths in bits: a packed hh:mm:ss takes 20, yyyymmdd 27, seconds 20.
constexpr std::uint64_t Clip(std::uint32_t value, int bits) {
    const std::uint64_t top = (std::uint64_t{1} << bits) - 1;
    return std::min<std::uint64_t>(value, top);   // kOddText sorts after every real value
}

// A count (16 signed bits, below zero in a damaged file) as 16 unsigned bits of the
// same order.
constexpr std::uint64_t CountKey(std::int16_t count) { return static_cast<std::uint64_t>(count + 32768); }

std::uint64_t SortKey(const ResultRow& row, int column,
                      const std::vector<std::uint32_t>& textRanks, const std::array<std::uint32_t, 9>& typeRanks) {
    switch (column) {
    case ResultColumn::Name: return textRanks[row.name];
    case ResultColumn::Type: return typeRanks[row.typeIndex];
    case ResultColumn::Size: return row.boardSize;
    case ResultColumn::Gaps: return CountKey(row.gapCount);
    case ResultColumn::GameName: return textRanks[row.gameName];
    case ResultColumn::GameNo: return CountKey(row.storedGameNo);
    case ResultColumn::ShuffleNo: return CountKey(row.shuffleNo);
    case ResultColumn::Steps: return CountKey(row.steps) << 32 | Clip(ElapsedSeconds(row.elapsed), 32);
    case ResultColumn::Elapsed: return Clip(ElapsedSeconds(row.elapsed), 32) << 16 | CountKey(row.steps);
    case ResultColumn::Date: return Clip(row.date, 27) << 20 | Clip(row.timeOfDay, 20);
    case ResultColumn::TimeOfDay: {
        const std::uint32_t hourMinute = row.timeOfDay == kOddText ? kOddText : row.timeOfDay / 100;
        return Clip(hourMinute, 14) << 27 | Clip(row.date, 27);
    }
    default: return 0;
    }
}

} // namespace

// A stable sort by key, a byte at a time from the lowest; bytes that every key
// shares are skipped, so a column of small numbers takes one or two passes over
// the rows. Keys that differ in at most 16 neighbouring bits (the ranks of the names,
// a board size, a date's days) go in a single pass.
void ResultsSorter::RadixSortByKey() {
    std::uint64_t any = 0;
    std::uint64_t all = ~std::uint64_t{0};
    for (const Keyed& k : m_keyed) {
        any |= k.key;
        all &= k.key;
    }
    RadixSortByKey(any ^ all);
}

// The same, told which bits of the keys differ.
void ResultsSorter::RadixSortByKey(std::uint64_t varying) {
    if (varying == 0) return;
    m_spare.resize(m_keyed.size());
    const int lowest = std::countr_zero(varying);
    const int width = 64 - std::countl_zero(varying) - lowest;
    if (width <= 16) {
        SortByDigit(lowest, width);
        return;
    }
    for (int shift = 0; shift < 64; shift += 8)
        if (((varying >> shift) & 0xFF) != 0) SortByDigit(shift, 8);
}

// One stable counting pass on the `width` bits of the keys from bit `shift`.
void ResultsSorter::SortByDigit(int shift, int width) {
    const std::uint64_t mask = (std::uint64_t{1} << width) - 1;
    m_next.assign(std::size_t{1} << width, 0);
    for (const Keyed& k : m_keyed) ++m_next[(k.key >> shift) & mask];
    std::size_t position = 0;
    for (std::size_t& n : m_next) position += std::exchange(n, position);
    for (const Keyed& k : m_keyed) m_spare[m_next[(k.key >> shift) & mask]++] = k;
    m_keyed.swap(m_spare);
}

void ResultsSorter::Sort(const ResultsTable& table, std::vector<std::uint32_t>& rows, int column, bool descending,
                         const TypeNames& typeNames) {
    // Ranks of the texts and of the type display codes turn every column into one
    // integer key, so the sort compares numbers only.
    static const std::vector<std::uint32_t> kNoRanks;
    const bool textColumn = column == ResultColumn::Name || column == ResultColumn::GameName;
    const std::vector<std::uint32_t>& textRanks = textColumn ? table.textRanks() : kNoRanks;
    std::array<std::uint32_t, 9> typeRanks{};
    if (column == ResultColumn::Type) {
        std::array<int, 9> order;
        std::iota(order.begin(), order.end(), 0);
        std::stable_sort(order.begin() + 1, order.end(),
                         [&](int a, int b) { return CompareCellTexts(typeNames[a], typeNames[b]) < 0; });
        for (std::size_t r = 1; r <= 8; ++r) typeRanks[static_cast<std::size_t>(order[r])] = static_cast<std::uint32_t>(r);
    }

    // Rows in file order are in storage order already; reversed, they are in its
    // descending order, as every key differs.
    const bool inFileOrder = std::is_sorted(rows.begin(), rows.end());
    if (column == ResultColumn::RecordNo && inFileOrder) {
        if (descending) std::reverse(rows.begin(), rows.end());
        return;
    }
    // Ties keep file order: the stable sort by key starts from rows in file order.
    if (!inFileOrder) {
        m_keyed.resize(rows.size());
        for (std::size_t i = 0; i < rows.size(); ++i) m_keyed[i] = {rows[i], rows[i]};
        RadixSortByKey();
        for (std::size_t i = 0; i < rows.size(); ++i) rows[i] = m_keyed[i].index;
    }
    // Each row's key is made once; which bits differ is found on the way.
    m_keys.resize(rows.size());
    std::uint64_t any = 0;
    std::uint64_t all = ~std::uint64_t{0};
    for (std::size_t i = 0; i < rows.size(); ++i) {
        std::uint64_t key = column == ResultColumn::RecordNo
                                ? rows[i]   // storage order
                                : SortKey(table.row(rows[i]), column, textRanks, typeRanks);
        if (descending) key = ~key;
        m_keys[i] = key;
        any |= key;
        all &= key;
    }
    const std::uint64_t varying = any ^ all;
    if (varying == 0) return;
    // Keys that differ in at most 16 neighbouring bits (the ranks of the names, a board
    // size, a date's days) sort in one pass that moves the rows alone.
    const int lowest = std::countr_zero(varying);
    const int width = 64 - std::countl_zero(varying) - lowest;
    if (width <= 16) {
        const std::uint64_t mask = (std::uint64_t{1} << width) - 1;
        m_next.assign(std::size_t{1} << width, 0);
        for (const std::uint64_t key : m_keys) ++m_next[(key >> lowest) & mask];
        std::size_t position = 0;
        for (std::size_t& n : m_next) position += std::exchange(n, position);
        m_spareRows.resize(rows.size());
        for (std::size_t i = 0; i < rows.size(); ++i) m_spareRows[m_next[(m_keys[i] >> lowest) & mask]++] = rows[i];
        std::copy(m_spareRows.begin(), m_spareRows.end(), rows.begin());
        return;
    }
    m_keyed.resize(rows.size());
    for (std::size_t i = 0; i < rows.size(); ++i) m_keyed[i] = {m_keys[i], rows[i]};
    // The keys go with their rows now: their own room is given back before the sort
    // takes its spare room, so a sort of a million rows stays within 32 bytes a row.
    TableVector<std::uint64_t>().swap(m_keys);
    RadixSortByKey(varying);
    for (std::size_t i = 0; i < rows.size(); ++i) rows[i] = m_keyed[i].index;
}

void SortResultRows(const ResultsTable& table, std::vector<std::uint32_t>& rows, int column, bool descending,
                    const TypeNames& typeNames) {
    ResultsSorter().Sort(table, rows, column, descending, typeNames);
}
