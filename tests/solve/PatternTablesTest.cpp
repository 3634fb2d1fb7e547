// SPDX-FileCopyrightText: 2026 Zelka-Kvadra developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "SolvePositions.h"
#include "solve/Heuristic.h"
#include "solve/PatternTables.h"
#include "solve/Puzzle.h"
#include "solve/SearchSupport.h"
#include <gtest/gtest.h>
#include <bit>
#include <unordered_set>

namespace {

struct Near {
    PlaceState position;
    int steps = 0;
};

// Every position within `radius` steps of a target with its fewest steps to one, by
// breadth-first search from all targets at once (every step can be undone at one step).
std::vector<Near> NearTargets(const Puzzle& pz, int radius) {
    const PositionKeys keys(pz);
    std::unordered_set<uint64_t> seen;
    std::vector<Near> all;
    for (const Goal& g : pz.goals) {
        PlaceState target;
        for (int p = 0; p < pz.graph.fieldPlaces(); ++p)
            target.at[p] = static_cast<uint8_t>(std::countr_zero(g.accepts[p]));
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

// The game's own groups, on geometries of one to four open ring cells: the bound with
// the tables never claims more than the fewest steps, and it says 0 only on a target.
TEST(GameTables, NeverOverstateNearTheTargets) {
    const std::vector<std::vector<Cell>> rings = {{{0, 1}}, {{0, 2}, {3, 5}}, {{0, 4}, {5, 1}, {2, 0}, {5, 4}}};
    for (const std::vector<Cell>& open : rings) {
        const std::optional<Puzzle> pz = Puzzle::FromGame(SolvedStart(SolveType::Numbers, 4, open, false));
        ASSERT_TRUE(pz);
        const auto groups = PatternTables::GroupsFor(4, pz->graph.placeCount());
        ASSERT_FALSE(groups.empty());
        const auto tables = PatternTables::Build(pz->graph, groups);
        ASSERT_TRUE(tables);
        const Heuristic bound(*pz, {}, tables);
        bool tablesSeeMore = false;
        const Heuristic plain(*pz, {});
        for (const Near& near : NearTargets(*pz, 7)) {
            const int h = bound.estimate(near.position);
            ASSERT_LE(h, near.steps) << open.size() << " open cells";
            ASSERT_EQ(h == 0, near.steps == 0) << open.size() << " open cells";
            tablesSeeMore = tablesSeeMore || h > plain.estimate(near.position);
        }
        EXPECT_TRUE(tablesSeeMore) << open.size() << " open cells";
    }
}

} // namespace
