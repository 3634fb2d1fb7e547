// SPDX-FileCopyrightText: 2026 Zelka-Kvadra developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// A solution fast where the shortest is out of reach: best-first on g + w·h with w > 1
// (its solutions are at most w times the shortest), every position kept once. It stops
// when its node store is full, so its memory stays within the budget it is given.
#include "solve/Heuristic.h"
#include "solve/SearchSupport.h"
#include <climits>
#include <cstdint>

struct BestFirstOptions {
    int weightNum = 3;          // w = weightNum / weightDen
    int weightDen = 1;
    size_t memoryBytes = size_t(192) << 20;
    int below = INT_MAX;        // only solutions with fewer steps than this
    int64_t maxExpanded = INT64_MAX;   // stop after expanding this many positions
    uint64_t frozen = 0;        // places whose tiles never move (no step that moves one is taken)
};

SearchResult WeightedAStar(const Puzzle& pz, const Heuristic& h, const GoalTest& goal,
                           const PlaceState& start, const BestFirstOptions& options,
                           const SearchLimits& limits);
