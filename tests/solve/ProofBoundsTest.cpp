// SPDX-FileCopyrightText: 2026 Zelka-Kvadra developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "NearTargets.h"
#include "SolvePositions.h"
#include "solve/Heuristic.h"
#include "solve/IdaStar.h"
#include "solve/PatternTables.h"
#include "solve/Puzzle.h"
#include "solve/SearchSupport.h"
#include <gtest/gtest.h>
#include <bit>
#include <unordered_set>

namespace {

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

// The Pendoly bound with what the row turns cost (no coarse tables): never more than
// the fewest steps, for every kind of target, on every position near the targets.
TEST(PendolyRowTurns, NeverOverstateNearTheTargets) {
    for (SolveType type : {SolveType::Numbers, SolveType::Diagonal, SolveType::RowsOrColumns, SolveType::Map}) {
        const std::optional<Puzzle> pz = Puzzle::FromGame(SolvedStart(type, 4, {}, true));
        ASSERT_TRUE(pz);
        Heuristic bound(*pz, {});
        bound.rowTurns(true);
        for (const Near& near : NearTargets(*pz, 6)) {
            const int h = bound.estimate(near.position);
            ASSERT_LE(h, near.steps) << static_cast<int>(type);
            ASSERT_EQ(h == 0, near.steps == 0) << static_cast<int>(type);
        }
    }
}

// Two neighbours of a row swapped: no turn of the row helps both, so two of its tiles
// leave it and come back (four slides) and one column is still to travel; counting
// columns alone would say one step.
TEST(PendolyRowTurns, SeeTilesThatMustLeaveTheirRow) {
    std::optional<Puzzle> pz = Puzzle::FromGame(SolvedStart(SolveType::Numbers, 4, {}, true));
    ASSERT_TRUE(pz);
    std::swap(pz->start.at[static_cast<size_t>(pz->fieldPlace(2, 1))], pz->start.at[static_cast<size_t>(pz->fieldPlace(2, 2))]);
    Heuristic bound(*pz, {});
    bound.rowTurns(true);
    EXPECT_GE(bound.estimate(pz->start), 5);
}

struct ProofCase {
    const char* name;
    SolveType type;
    std::vector<Cell> open;
    bool pendoly;
    int radius;
};

class ProofSearch : public ::testing::TestWithParam<ProofCase> {};

// The iterative deepening, with what its table learns from round to round, finds a
// shortest solution from positions all around the targets, in every geometry, also
// with a table so small that positions keep pushing each other out.
TEST_P(ProofSearch, FindsTheFewestSteps) {
    const ProofCase& c = GetParam();
    const std::optional<Puzzle> solved = Puzzle::FromGame(SolvedStart(c.type, 4, c.open, c.pendoly));
    ASSERT_TRUE(solved);
    const std::vector<Near> near = NearTargets(*solved, c.radius);
    const GoalTest goal = GoalTest::Whole(*solved);
    const size_t stride = std::max<size_t>(1, near.size() / 40);
    for (int bits : {6, 16}) {
        for (size_t i = near.size() - 1; i > 0; i = i > stride ? i - stride : 0) {
            Puzzle pz = *solved;
            pz.start = near[i].position;
            const Heuristic bound(pz, {});
            TranspositionTable table(bits);
            const SearchResult r = IdaStar(pz, bound, goal, c.radius + 10, {}, table);
            ASSERT_EQ(r.outcome, SearchResult::Outcome::Found);
            ASSERT_EQ(static_cast<int>(r.path.size()), near[i].steps) << "table of 2^" << bits << ", position " << i;
            PlaceState end = pz.start;
            for (const Step& step : r.path) pz.apply(end, step);
            ASSERT_TRUE(goal.met(pz, end));
        }
    }
}

// What the table learns about a position is a floor under its true fewest steps, also
// for positions whose shortest way goes back the way the walk came, or through a step
// the walk leaves out as never part of a shortest solution from where it stood.
TEST(ProofSearchTable, NeverLearnsMoreThanTheFewestSteps) {
    for (const ProofCase& c : {ProofCase{"DiagonalOneGap", SolveType::Diagonal, {{2, 5}}, false, 9},
                               ProofCase{"PendolyDiagonal", SolveType::Diagonal, {}, true, 5}}) {
        const std::optional<Puzzle> solved = Puzzle::FromGame(SolvedStart(c.type, 4, c.open, c.pendoly));
        ASSERT_TRUE(solved);
        const std::vector<Near> near = NearTargets(*solved, c.radius);
        const PositionKeys keys(*solved);
        for (size_t from = near.size() - 3; from < near.size(); ++from) {
            Puzzle pz = *solved;
            pz.start = near[from].position;
            TranspositionTable table(18);
            const SearchResult r = IdaStar(pz, Heuristic(pz, {}), GoalTest::Whole(pz), c.radius + 10, {}, table);
            ASSERT_EQ(static_cast<int>(r.path.size()), near[from].steps) << c.name;
            for (const Near& position : near)
                ASSERT_LE(table.atLeast(keys.key(position.position)), position.steps) << c.name << ", from " << from;
        }
    }
}

INSTANTIATE_TEST_SUITE_P(
    Cases, ProofSearch,
    ::testing::Values(ProofCase{"NumbersTwoGaps", SolveType::Numbers, {{0, 2}, {3, 5}}, false, 9},
                      ProofCase{"DiagonalOneGap", SolveType::Diagonal, {{2, 5}}, false, 9},
                      ProofCase{"MapThreeGaps", SolveType::Map, {{0, 1}, {5, 3}, {3, 0}}, false, 7},
                      ProofCase{"PendolyNumbers", SolveType::Numbers, {}, true, 6},
                      ProofCase{"PendolyDiagonal", SolveType::Diagonal, {}, true, 6}),
    [](const ::testing::TestParamInfo<ProofCase>& info) { return std::string(info.param.name); });

} // namespace
