// SPDX-FileCopyrightText: 2026 Zelka-Kvadra developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// The true fewest steps of the positions near the targets: the yardstick the solver's
// bounds and searches are held to.
#include "solve/Puzzle.h"
#include "solve/SearchSupport.h"
#include <gtest/gtest.h>
#include <bit>
#include <unordered_set>
#include <vector>

struct Near {
    PlaceState position;
    int steps = 0;
};

// Every position within `radius` steps of a target with its fewest steps to one, by
// breadth-first search from all targets at once (every step can be undone at one step).
inline std::vector<Near> NearTargets(const Puzzle& pz, int radius) {
    const PositionKeys keys(pz);
    std::unordered_set<uint64_t> seen;
    std::vector<Near> all;
    for (const Goal& g : pz.goals) {
        PlaceState target;
        for (int p = 0; p < pz.graph.fieldPlaces(); ++p) {
            EXPECT_EQ(std::popcount(g.accepts[p]), 1) << "a target of one arrangement only";
            target.at[p] = static_cast<uint8_t>(std::countr_zero(g.accepts[p]));
        }
        if (seen.insert(keys.key(target)).second) all.push_back({target, 0});
    }
    std::vector<Step> steps;
    for (size_t head = 0; head < all.size(); ++head) {
        const Near here = all[head];
        if (here.steps == radius) continue;
        steps.clear();
        pz.steps(here.position, steps);
        for (const Step& step : steps) {
            PlaceState next = here.position;
            pz.apply(next, step);
            if (seen.insert(keys.key(next)).second) all.push_back({next, here.steps + 1});
        }
    }
    return all;
}
