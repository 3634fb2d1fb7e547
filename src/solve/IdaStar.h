// SPDX-FileCopyrightText: 2026 Zelka-Kvadra developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// The shortest solution: iterative deepening on the bound g + h, h never more than the
// steps still needed, so the first solution found is a shortest one. A table of the
// positions met (fixed size, overwritten when full) cuts the walks that reach a position
// again no sooner than before, and remembers what each finished walk learned: that the
// position needs more than the bound allowed.
#include "solve/Heuristic.h"
#include "solve/SearchSupport.h"
#include <memory>

class TranspositionTable {
public:
    // 2^bits entries of 16 bytes.
    explicit TranspositionTable(int bits = 22);

    struct Entry {
        uint64_t key = 0;
        uint16_t depth = 0;      // steps from the start when it was last walked
        uint16_t atLeast = 0;    // the steps it is known to need at least
        uint16_t round = 0;      // the deepening round of that walk
        uint16_t used = 0;
    };
    Entry* find(uint64_t key);
    void store(uint64_t key, int depth, int atLeast, int round);
    void clear();
    // A number for a new deepening round: entries of earlier rounds no longer cut walks.
    int nextRound();
    size_t bytes() const { return m_entries.size() * sizeof(Entry); }

private:
    std::vector<Entry> m_entries;
    uint64_t m_mask = 0;
    int m_round = 0;
};

// A shortest solution with fewer than `below` steps, or the proof that there is none.
SearchResult IdaStar(const Puzzle& pz, const Heuristic& h, const GoalTest& goal, int below,
                     const SearchLimits& limits, TranspositionTable& table);
