// SPDX-FileCopyrightText: 2026 Zelka-Kvadra developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// The order of the browser's rows. Each column sorts on its own value, numbers as
// numbers and texts as CompareCellTexts orders them; steps sort with the elapsed
// time as second key and the elapsed time with the steps, the date with the time
// of day and the time of day (hh:mm) with the date. Equal keys keep file order, in
// both directions: descending reverses the comparison, not the ties.
#include "results/HugePageAllocator.h"
#include "results/ResultsFilter.h"
#include <cstdint>
#include <vector>

// Sorts `rows` (record indices of `table`) by grid column `column` (1..12). It keeps
// its working storage from one sort to the next, as a window re-sorts often.
class ResultsSorter {
public:
    void Sort(const ResultsTable& table, std::vector<std::uint32_t>& rows, int column, bool descending,
              const TypeNames& typeNames);

    struct Keyed {
        std::uint64_t key;
        std::uint32_t index;
    };

private:
    void RadixSortByKey();
    void RadixSortByKey(std::uint64_t varying);
    void SortByDigit(int shift, int width);

    TableVector<Keyed> m_keyed;
    TableVector<Keyed> m_spare;
    TableVector<std::uint64_t> m_keys;   // by position in the rows
    TableVector<std::uint32_t> m_spareRows;
    std::vector<std::size_t> m_next;   // per digit value: where its next key goes
};

// One sort, with storage of its own.
void SortResultRows(const ResultsTable& table, std::vector<std::uint32_t>& rows, int column, bool descending,
                    const TypeNames& typeNames);
