// SPDX-FileCopyrightText: 2026 Zelka-Kvadra developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// The solver: from a game position to a solution the game's own rules accept, or the
// reason why no target can be reached.
//
// It first finds a solution quickly (best-first on an inflated bound; when that runs
// out of room, row by row) and cuts out its roundabout stretches, then, while time is
// left and it is asked to, looks for a shorter one (the whole board under an inflated
// bound, the other orders of rows, ever tighter bounds; the best so far is kept, so a
// solve stopped by its time still answers) and for the proof that none is shorter
// (iterative deepening with admissible bounds). Every solution is replayed through the game's rules before it is
// reported, its steps counted as the game counts them.
#include "play/GameState.h"
#include "play/Move.h"
#include <QString>
#include <atomic>
#include <cstdint>
#include <memory>
#include <mutex>
#include <vector>

class MoveGraph;
class PatternTables;
struct SearchLimits;

// Why no target can be reached from a position.
enum class Hopeless {
    None,
    TileBesideGapOutOfPlace, // one open cell: the tile beside it can never move for good, and is not at home
    OddArrangement,          // one open cell, numbers: every target is an odd permutation away
    NoTargetFits,            // the tiles on the board cannot make any target still open
    NoMoves,                 // no tile can move at all
};

struct SolveOptions {
    double seconds = 10;          // for the whole solve, the tables included
    bool improve = true;          // after the first solution, look for shorter ones and the proof
    bool patternTables = true;    // build (or take from the cache) additive tables where they fit
    size_t memoryBytes = size_t(192) << 20;   // for each best-first search
    const std::atomic<bool>* cancel = nullptr;
};

struct SolveReport {
    enum class Status {
        Solved,        // `moves` reach a target
        Hopeless,      // no target can be reached: `hopeless` says why
        NotFound,      // the time or the memory ran out before any solution
        Cancelled,     // the cancel flag was raised
        Unsupported,   // the position is outside what the solver holds: `detail`
    };
    Status status = Status::NotFound;
    Hopeless hopeless = Hopeless::None;
    QString detail;
    std::vector<Move> moves;   // the game's moves, an empty slot's free travel included
    int steps = 0;             // as the game counts them
    bool shortest = false;     // proven: no solution has fewer steps
    int lowerBound = 0;        // no solution has fewer steps than this
    int64_t expanded = 0;      // positions the searches expanded
    int64_t ms = 0;            // time taken
};

// Pattern tables kept per geometry between solves (the window keeps one cache for a
// game, the command one for its run). Safe to share between threads.
class SolverCache {
public:
    // The tables for `g`, built when missing; null when stopped first or when none fit.
    std::shared_ptr<const PatternTables> tablesFor(const MoveGraph& g, const SearchLimits& limits);
    size_t bytes() const;

private:
    struct Entry {
        int n = 0;
        std::vector<Cell> cells;
        std::shared_ptr<const PatternTables> tables;
        uint64_t lastUse = 0;
    };
    static constexpr size_t kMaxEntries = 4;
    mutable std::mutex m_mutex;
    std::vector<Entry> m_entries;
    uint64_t m_uses = 0;
};

SolveReport Solve(const GameState& s, const SolveOptions& options, SolverCache* cache = nullptr);

// The reason as one line of English, for the command line.
const char* HopelessText(Hopeless reason);
