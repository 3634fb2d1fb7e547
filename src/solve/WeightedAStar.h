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
#include <functional>
#include <vector>

struct BestFirstOptions {
    int weightNum = 3;          // w = weightNum / weightDen
    int weightDen = 1;
    size_t memoryBytes = size_t(192) << 20;
    int below = INT_MAX;        // only solutions with fewer steps than this
    int64_t maxExpanded = INT64_MAX;   // stop after expanding this many positions
    uint64_t frozen = 0;        // places whose tiles never move (no step that moves one is taken)
    // When set, an ending arrangement counts only when this says yes to the way there
    // (for what the position itself does not show, e.g. the order of tiles it does not
    // tell apart); otherwise the search goes on past it.
    std::function<bool(const std::vector<Step>& path)> accept;
    // A value several tiles share (the wildcard of a stage): when set, two positions
    // that differ only in whether those tiles stand in an odd or an even order are kept
    // apart (slides only), so that `accept` may judge that order.
    int orderOf = -1;
};

SearchResult WeightedAStar(const Puzzle& pz, const Heuristic& h, const GoalTest& goal,
                           const PlaceState& start, const BestFirstOptions& options,
                           const SearchLimits& limits);
