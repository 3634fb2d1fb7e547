// SPDX-FileCopyrightText: 2026 Zelka-Kvadra developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// The shortest solution: iterative deepening on the bound g + h, h never more than the
// steps still needed, so the first solution found is a shortest one. A table of the
// positions met (fixed size, overwritten when full) cuts the walks that reach a position
// again no sooner than before, and remembers what each finished walk learned: the least
// steps the position needs, from what its every step needs at least (the steps a walk
// leaves out count with their own bound). Later walks and rounds start from that, so a
// round does not walk again what the last one already showed too long.
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
        uint16_t atLeast = 0;    // the steps it is known to need at least, whatever the round
        uint16_t round = 0;      // the deepening round of that walk
        uint16_t used = 0;
    };
    Entry* find(uint64_t key);
    // The position is walked now at `depth` in `round`; what it is known to need stays.
    void enter(uint64_t key, int depth, int round);
    // A finished walk showed that the position needs at least `atLeast` steps.
    void learn(uint64_t key, int atLeast);
    // What the table knows the position needs at least, 0 when nothing.
    int atLeast(uint64_t key) const;
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
// What `table` learns holds for `goal`: a table serves one goal test.
SearchResult IdaStar(const Puzzle& pz, const Heuristic& h, const GoalTest& goal, int below,
                     const SearchLimits& limits, TranspositionTable& table);
