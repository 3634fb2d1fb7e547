// SPDX-FileCopyrightText: 2026 Zelka-Kvadra developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "NearTargets.h"
#include "SolvePositions.h"
#include "solve/CoarseTable.h"
#include "solve/Heuristic.h"
#include "solve/MoveGraph.h"
#include "solve/PathShortening.h"
#include "solve/PatternTables.h"
#include "solve/Replay.h"
#include "solve/Solver.h"
#include "solve/WeightedAStar.h"
#include <gtest/gtest.h>
#include <bit>
#include <deque>
#include <string>
#include <unordered_map>

namespace {

// The fewest steps to a field the end-of-game check accepts, by breadth-first search
// over the game's own moves (ApplyMove on the board itself), a slot moving empty
// costing nothing as the game counts it. Nothing when none within `limit` steps.
std::optional<int> ExhaustiveSteps(const GameState& start, int limit) {
    GameState s = start;
    const int span = s.board.gridSpan();
    auto keyOf = [&](const GameState& g) {
        std::string key;
        for (int r = 0; r < span; ++r)
            for (int q = 0; q < span; ++q) key += static_cast<char>(g.board.value({r, q}));
        key += static_cast<char>(g.slotCol);
        return key;
    };
    auto load = [&](const std::string& key) {
        for (int r = 0; r < span; ++r)
            for (int q = 0; q < span; ++q) s.board.setValue({r, q}, static_cast<unsigned char>(key[r * span + q]));
        s.slotCol = static_cast<unsigned char>(key.back());
    };
    std::unordered_map<std::string, int> steps{{keyOf(start), 0}};
    std::deque<std::string> queue{keyOf(start)};
    while (!queue.empty()) {
        const std::string key = queue.front();
        queue.pop_front();
        const int here = steps[key];
        load(key);
        if (FieldAccepted(s)) return here;
        for (const Move& move : AllowedMoves(s)) {
            load(key);
            const bool step = ApplyMove(s, move).step;
            const int there = here + (step ? 1 : 0);
            if (there > limit) continue;
            const std::string next = keyOf(s);
            const auto known = steps.find(next);
            if (known != steps.end() && known->second <= there) continue;
            steps[next] = there;
            if (step) queue.push_back(next);
            else queue.push_front(next);
        }
    }
    return std::nullopt;
}

SolveOptions Thorough() {
    SolveOptions o;
    o.seconds = 120;
    o.patternTables = false;
    return o;
}

struct NearCase {
    const char* name;
    SolveType type;
    std::vector<Cell> open;
    bool pendoly;
    int scramble;
    unsigned seed;
    int rearrangePhase = 0;   // 1: only the row-wise form left, 2: only the column-wise one
};

class NearlySolved : public ::testing::TestWithParam<NearCase> {};

// On small nearly solved 4 x 4 boards of every type the solver's shortest length is
// the exhaustive search's, it says so, and its moves, played through the rules, end
// the game after exactly that many steps.
TEST_P(NearlySolved, ShortestMatchesExhaustiveSearch) {
    const NearCase& c = GetParam();
    GameState s = SolvedStart(c.type, 4, c.open, c.pendoly, c.rearrangePhase);
    ASSERT_TRUE(s.gameRunning);
    Scramble(s, c.scramble, c.seed);
    const std::optional<int> expected = ExhaustiveSteps(s, c.scramble);
    ASSERT_TRUE(expected);

    const SolveReport r = Solve(s, Thorough());
    ASSERT_EQ(r.status, SolveReport::Status::Solved);
    EXPECT_TRUE(r.shortest);
    EXPECT_EQ(r.steps, *expected);
    EXPECT_EQ(CheckSolution(s, r.moves), std::optional<int>(*expected));
}

INSTANTIATE_TEST_SUITE_P(
    Cases, NearlySolved,
    ::testing::Values(NearCase{"NumbersOneGap", SolveType::Numbers, {{0, 1}}, false, 12, 11},
                      NearCase{"NumbersTwoGaps", SolveType::Numbers, {{0, 2}, {3, 5}}, false, 9, 12},
                      NearCase{"NumbersThreeGaps", SolveType::Numbers, {{0, 3}, {5, 2}, {2, 0}}, false, 7, 13},
                      NearCase{"DiagonalOneGap", SolveType::Diagonal, {{4, 5}}, false, 10, 14},
                      NearCase{"DiagonalTwoGaps", SolveType::Diagonal, {{0, 1}, {5, 4}}, false, 8, 15},
                      NearCase{"RowsOrColumnsTwoGaps", SolveType::RowsOrColumns, {{1, 0}, {0, 4}}, false, 8, 16},
                      NearCase{"MapOneGap", SolveType::Map, {{0, 2}}, false, 10, 17},
                      NearCase{"MapTwoGaps", SolveType::Map, {{2, 5}, {5, 3}}, false, 8, 18},
                      NearCase{"NumbersSecondStageColumnWise", SolveType::Numbers, {{0, 1}, {5, 1}}, false, 6, 19, 2},
                      NearCase{"PendolyNumbers", SolveType::Numbers, {}, true, 6, 20},
                      NearCase{"PendolyColumnsOfOneColour", SolveType::RowsOrColumns, {}, true, 8, 25, 2},
                      NearCase{"PendolyMap", SolveType::Map, {}, true, 8, 24}),
    [](const ::testing::TestParamInfo<NearCase>& info) { return std::string(info.param.name); });

} // namespace

namespace {

// Pattern tables never claim more steps than the exhaustive search needs, and they
// see more than the distances and line conflicts alone. (Groups of two-by-two blocks
// here: smaller tables than the game's, built the same way.)
TEST(PatternTablesBound, NeverOverstatesAndSeesMore) {
    GameState s = SolvedStart(SolveType::Numbers, 4, {{0, 4}, {2, 5}}, false);
    const std::optional<Puzzle> solved = Puzzle::FromGame(s);
    ASSERT_TRUE(solved);
    const auto tables =
        PatternTables::Build(solved->graph, {{0, 1, 4, 5}, {2, 3, 6, 7}, {8, 9, 12, 13}, {10, 11, 14, 15}});
    ASSERT_TRUE(tables);
    bool sharper = false;
    for (unsigned seed = 40; seed < 44; ++seed) {
        GameState scrambled = s;
        Scramble(scrambled, 9, seed);
        const std::optional<Puzzle> pz = Puzzle::FromGame(scrambled);
        const std::optional<int> steps = ExhaustiveSteps(scrambled, 9);
        ASSERT_TRUE(pz && steps);
        const int withTables = Heuristic(*pz, {}, tables).estimate(pz->start);
        const int without = Heuristic(*pz, {}).estimate(pz->start);
        EXPECT_LE(withTables, *steps) << "seed " << seed;
        EXPECT_GE(withTables, without) << "seed " << seed;
        sharper = sharper || withTables > without;
    }
    EXPECT_TRUE(sharper);
}

} // namespace

namespace {


struct BoundCase {
    const char* name;
    SolveType type;
    std::vector<Cell> open;
    bool pendoly;
    int radius;
};

class CoarseBound : public ::testing::TestWithParam<BoundCase> {};

// The bound with the coarse tables never claims more than the true fewest steps, on
// every position near the targets, and it sees more than the bound without them.
TEST_P(CoarseBound, NeverOverstatesAndSeesMore) {
    const BoundCase& c = GetParam();
    const GameState s = SolvedStart(c.type, 4, c.open, c.pendoly);
    const std::optional<Puzzle> pz = Puzzle::FromGame(s);
    ASSERT_TRUE(pz);
    const Heuristic plain(*pz, {});
    const Heuristic coarse(*pz, {}, nullptr, 1 << 20);
    ASSERT_GT(coarse.coarseBytes(), 0u);
    int sharper = 0;
    for (const auto& [position, steps] : NearTargets(*pz, c.radius)) {
        const int bound = coarse.estimate(position);
        ASSERT_LE(bound, steps);
        ASSERT_GE(bound, plain.estimate(position));
        sharper += bound > plain.estimate(position);
    }
    EXPECT_GT(sharper, 0);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, CoarseBound,
    ::testing::Values(BoundCase{"PendolyNumbers", SolveType::Numbers, {}, true, 5},
                      BoundCase{"PendolyMap", SolveType::Map, {}, true, 5},
                      BoundCase{"DiagonalOneGap", SolveType::Diagonal, {{2, 5}}, false, 7},
                      BoundCase{"MapOneGap", SolveType::Map, {{0, 3}}, false, 7}),
    [](const ::testing::TestParamInfo<BoundCase>& info) { return std::string(info.param.name); });

struct FarCase {
    const char* name;
    SolveType type;
    int n;
    std::vector<Cell> open;
    bool pendoly;
};

class FarFromSolved : public ::testing::TestWithParam<FarCase> {};

// Boards shuffled by hundreds of moves, at every size and in both modes: the quick
// answer (what a hint asks for) is a solution the rules accept, counted as they count.
TEST_P(FarFromSolved, QuickSolutionIsAcceptedByTheRules) {
    const FarCase& c = GetParam();
    GameState s = SolvedStart(c.type, c.n, c.open, c.pendoly);
    Scramble(s, 400, 50 + static_cast<unsigned>(c.n));
    SolveOptions quick;
    quick.seconds = 120;
    quick.improve = false;
    const SolveReport r = Solve(s, quick);
    ASSERT_EQ(r.status, SolveReport::Status::Solved);
    EXPECT_GT(r.steps, 0);
    EXPECT_GE(r.steps, r.lowerBound);
    EXPECT_EQ(CheckSolution(s, r.moves), std::optional<int>(r.steps));
}

INSTANTIATE_TEST_SUITE_P(
    Cases, FarFromSolved,
    ::testing::Values(FarCase{"Numbers5", SolveType::Numbers, 5, {{0, 3}, {6, 2}}, false},
                      FarCase{"Diagonal6OneGap", SolveType::Diagonal, 6, {{3, 7}}, false},
                      FarCase{"Map6", SolveType::Map, 6, {{0, 1}, {4, 0}, {7, 5}}, false},
                      // The open cells far apart: one of them is soon beside placed
                      // cells, and the rest must be left in the order the last can mend.
                      FarCase{"Numbers6OpenCellsFarApart", SolveType::Numbers, 6, {{0, 6}, {3, 7}, {6, 0}}, false},
                      FarCase{"RowsOrColumns4", SolveType::RowsOrColumns, 4, {{5, 2}}, false},
                      FarCase{"RowsOrColumns6OneGap", SolveType::RowsOrColumns, 6, {{0, 4}}, false},
                      FarCase{"PendolyNumbers5", SolveType::Numbers, 5, {}, true},
                      FarCase{"PendolyDiagonal4", SolveType::Diagonal, 4, {}, true},
                      FarCase{"PendolyMap6", SolveType::Map, 6, {}, true},
                      FarCase{"PendolyRowsOrColumns5", SolveType::RowsOrColumns, 5, {}, true}),
    [](const ::testing::TestParamInfo<FarCase>& info) { return std::string(info.param.name); });

// A tile that steps aside and back while another moves: no position comes twice, yet
// the shortening finds the one step that matters, and the same end.
TEST(PathShortening, FindsTheShortWayRoundAStepAsideAndBack) {
    GameState s = SolvedStart(SolveType::Numbers, 4, {{0, 2}, {5, 3}}, false);
    const std::optional<Puzzle> pz = Puzzle::FromGame(s);
    ASSERT_TRUE(pz);
    std::vector<Step> steps;
    pz->steps(pz->start, steps);
    ASSERT_GE(steps.size(), 2u);
    const Step aside = steps.front();
    const Step other = steps.back();
    ASSERT_NE(aside.b, other.b);   // two tiles into two open cells
    const std::vector<Step> roundabout{aside, other, pz->inverse(aside)};

    const std::vector<Step> shortened = Shortened(*pz, roundabout, 100, SearchLimits{});
    EXPECT_EQ(shortened, std::vector<Step>{other});
    PlaceState end = pz->start;
    pz->apply(end, other);
    PlaceState reached = pz->start;
    for (const Step& step : shortened) pz->apply(reached, step);
    EXPECT_EQ(reached, end);
}

// Tiles a search does not tell apart (all of them here) can still be wanted in an odd
// order: the search keeps the two orders apart, so it comes back to the very same
// position with the tiles exchanged; were they merged, it could never come back.
TEST(BestFirst, KeepsTheOrdersOfSharedTilesApart) {
    const GameState s = SolvedStart(SolveType::Numbers, 4, {{0, 2}, {3, 5}}, false);
    const std::optional<Puzzle> pz = Puzzle::FromGame(s);
    ASSERT_TRUE(pz);
    PlaceState shared = pz->start;
    for (uint8_t& v : shared.at)
        if (v != kEmpty) v = Puzzle::kMaxValue;
    GoalTest sameEmpties;
    sameEmpties.wanted.push_back({0, 0});
    for (int ring = pz->graph.fieldPlaces(); ring < pz->graph.placeCount(); ++ring)
        sameEmpties.keepEmpty |= 1ULL << ring;
    auto realAfter = [&](const std::vector<Step>& path) {
        PlaceState real = pz->start;
        for (const Step& step : path) pz->apply(real, step);
        return real;
    };
    BestFirstOptions o;
    o.accept = [&](const std::vector<Step>& path) { return realAfter(path) != pz->start; };
    const Heuristic none(*pz, {});   // nothing to tell: every tile is shared
    o.orderOf = Puzzle::kMaxValue;
    const SearchResult r = WeightedAStar(*pz, none, sameEmpties, shared, o, SearchLimits{});
    ASSERT_EQ(r.outcome, SearchResult::Outcome::Found);
    const PlaceState real = realAfter(r.path);
    int moved = 0;
    for (int p = 0; p < pz->graph.placeCount(); ++p) moved += real.at[p] != pz->start.at[p];
    EXPECT_GE(moved, 2);
    for (int ring = pz->graph.fieldPlaces(); ring < pz->graph.placeCount(); ++ring) EXPECT_EQ(real.at[ring], kEmpty);

    o.orderOf = -1;
    EXPECT_NE(WeightedAStar(*pz, none, sameEmpties, shared, o, SearchLimits{}).outcome,
              SearchResult::Outcome::Found);
}

void exchange(Board& b, Cell x, Cell y) {
    const int v = b.value(x);
    b.setValue(x, b.value(y));
    b.setValue(y, v);
}

// Number boards with one open cell: an odd exchange of two tiles can never be undone,
// and the answer comes at once with the reason; a second open cell lifts the rule.
TEST(Hopeless, OneOpenCellNumbersOfTheWrongParity) {
    GameState s = SolvedStart(SolveType::Numbers, 4, {{0, 1}}, false);
    exchange(s.board, {3, 3}, {4, 4});
    const SolveReport odd = Solve(s, Thorough());
    EXPECT_EQ(odd.status, SolveReport::Status::Hopeless);
    EXPECT_EQ(odd.hopeless, Hopeless::OddArrangement);
    EXPECT_LT(odd.ms, 1000);

    s.board.setValue({0, 1}, kWall);
    s.board.setValue({1, 0}, kEmpty);   // beside it tile 1, at home: still one cell
    EXPECT_EQ(Solve(s, Thorough()).hopeless, Hopeless::OddArrangement);
    s.board.setValue({2, 5}, kEmpty);
    const SolveReport two = Solve(s, Thorough());
    ASSERT_EQ(two.status, SolveReport::Status::Solved);
    EXPECT_EQ(CheckSolution(s, two.moves), std::optional<int>(two.steps));
}

TEST(Hopeless, TheTileBesideTheOnlyOpenCellIsNotWanted) {
    GameState s = SolvedStart(SolveType::Numbers, 4, {{0, 1}}, false);
    exchange(s.board, {1, 1}, {1, 2});   // tile 2 beside the open cell: no target wants it there
    const SolveReport r = Solve(s, Thorough());
    EXPECT_EQ(r.status, SolveReport::Status::Hopeless);
    EXPECT_EQ(r.hopeless, Hopeless::TileBesideGapOutOfPlace);
}

// A raised cancel flag ends even a long search at once, and nothing is reported solved.
TEST(Cancel, EndsTheSearchAndReportsCancelled) {
    GameState s = SolvedStart(SolveType::Numbers, 6, {{0, 1}, {7, 6}}, false);
    Scramble(s, 400, 77);
    std::atomic<bool> cancel{true};
    SolveOptions o = Thorough();
    o.cancel = &cancel;
    const SolveReport r = Solve(s, o);
    EXPECT_EQ(r.status, SolveReport::Status::Cancelled);
    EXPECT_LT(r.ms, 2000);
}

} // namespace

namespace {

// The move graph is what the rules allow on the board: a ring cell joins only the
// field cell beside it, a corner joins nothing; in Pendoly mode field tiles move up
// and down only, every row turns both ways, the slot carries a tile to any column.
TEST(MoveGraphFromRules, HoldsWhatTheRulesAllow) {
    GameState s = SolvedStart(SolveType::Numbers, 4, {{0, 2}, {3, 5}}, false);
    s.board.setValue({0, 0}, kEmpty);   // the player cannot open a corner; a position file can
    const MoveGraph g = MoveGraph::Derive(s);
    ASSERT_EQ(g.placeCount(), 16 + 3);
    const int top = g.placeOf({0, 2});
    const int corner = g.placeOf({0, 0});
    const int side = g.placeOf({3, 5});
    EXPECT_EQ(g.slideFrom[top], std::vector<uint8_t>{static_cast<uint8_t>(g.placeOf({1, 2}))});
    EXPECT_EQ(g.slideFrom[side], std::vector<uint8_t>{static_cast<uint8_t>(g.placeOf({3, 4}))});
    EXPECT_TRUE(g.slideFrom[corner].empty());
    EXPECT_EQ(g.distance[top][side], 2 + 3 + 1);
    EXPECT_EQ(g.distance[corner][top], MoveGraph::kFar);

    GameState p = SolvedStart(SolveType::Numbers, 5, {}, true);
    const MoveGraph pg = MoveGraph::Derive(p);
    const int middle = pg.placeOf({3, 3});
    std::vector<Cell> from;
    for (uint8_t a : pg.slideFrom[middle]) from.push_back(pg.cells[a]);
    EXPECT_EQ(from, (std::vector<Cell>{{2, 3}, {4, 3}}));
    EXPECT_EQ(pg.rotations.size(), 10u);
    EXPECT_TRUE(pg.carry[1][5] && pg.carry[4][2] && !pg.carry[3][3]);
    EXPECT_TRUE(pg.slotGoesAnywhereFree && !pg.emptyShiftCountsStep && pg.carryCountsStep);
}

} // namespace
