// SPDX-FileCopyrightText: 2026 Zelka-Kvadra developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// What the searches share: when to stop (a deadline, a cancel flag from the window or
// the command), which arrangements end a search, the hash keys of positions, and what
// a search reports.
#include "solve/Puzzle.h"
#include <atomic>
#include <chrono>
#include <cstdint>
#include <vector>

using SolveClock = std::chrono::steady_clock;

struct SearchLimits {
    SolveClock::time_point deadline = SolveClock::time_point::max();
    const std::atomic<bool>* cancel = nullptr;

    bool cancelled() const { return cancel && cancel->load(std::memory_order_relaxed); }
    bool expired() const { return cancelled() || SolveClock::now() >= deadline; }
};

// The arrangements that end a search: goal g with the field places of mask `places`
// holding what it wants (all of them for a whole target).
struct GoalTest {
    std::vector<std::pair<int, uint64_t>> wanted;
    uint64_t keepEmpty = 0;   // places that must be empty as well

    static GoalTest Whole(const Puzzle& pz) {
        GoalTest t;
        for (int g = 0; g < static_cast<int>(pz.goals.size()); ++g) t.wanted.push_back({g, pz.allField()});
        return t;
    }
    bool met(const Puzzle& pz, const PlaceState& p) const {
        for (uint64_t rest = keepEmpty; rest; rest &= rest - 1)
            if (p.at[static_cast<size_t>(__builtin_ctzll(rest))] != 0) return false;
        for (const auto& [g, places] : wanted)
            if (pz.meets(p, g, places)) return true;
        return false;
    }
};

struct SearchResult {
    enum class Outcome {
        Found,      // `path` leads to an ending arrangement
        NoneBelow,  // proven: no ending arrangement within fewer steps than asked
        Stopped,    // the time, the memory or a cancel ended the search first
    };
    Outcome outcome = Outcome::Stopped;
    std::vector<Step> path;
    int64_t expanded = 0;
    int lowerBound = 0;   // no solution is shorter than this
};

// Zobrist keys: one random word per (place, value) and per slot column.
class PositionKeys {
public:
    explicit PositionKeys(const Puzzle& pz);
    uint64_t key(const PlaceState& p) const;
    uint64_t valueKey(int place, int value) const {
        return value == 0 ? 0 : m_keys[static_cast<size_t>(place) * 64 + static_cast<size_t>(value)];
    }
    uint64_t slotKey(int col) const { return m_slot[static_cast<size_t>(col)]; }

private:
    int m_places = 0;
    std::vector<uint64_t> m_keys;
    std::vector<uint64_t> m_slot;
};
