// SPDX-FileCopyrightText: 2026 Zelka-Kvadra developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "solve/StagedSearch.h"
#include "solve/Heuristic.h"
#include "solve/WeightedAStar.h"
#include <algorithm>
#include <array>
#include <bit>
#include <climits>

namespace {

// The stages' searches inflate their bounds by this much (measured over the suite of
// positions in bench/): much on the open board, where a stage's plateau is small; in
// Pendoly mode a turned row moves all its tiles, and a plain bound for colours, a
// little for numbers, finds their stages soonest.
constexpr int kStageWeight = 3;
constexpr int kPendolyNumberWeight = 2;
constexpr int kPendolyColourWeight = 1;
// A pair is first tried as it stands, for this many positions.
constexpr int64_t kPairTries = 2000;

// A stage: the field places placed after it, and for a pair stage its two places and
// the helper place the set-up parks a tile on.
struct Stage {
    uint64_t mask = 0;
    int first = -1;
    int second = -1;
    int helper = -1;
};

struct Order {
    bool rows = true;
    bool forward = true;        // lines from 1 to N (else N to 1)
    bool acrossForward = true;  // places within a line from 1 to N
};

int placeIn(const Puzzle& pz, const Order& o, int line, int k) {
    const int n = pz.graph.n;
    const int l = o.forward ? line : n + 1 - line;
    const int q = o.acrossForward ? k : n + 1 - k;
    return o.rows ? pz.fieldPlace(l, q) : pz.fieldPlace(q, l);
}

// The orders by how soon the open ring cells reach their final block; in Pendoly mode
// the rows go from the bottom up, across one way or the other.
std::vector<Order> ordersOf(const Puzzle& pz) {
    const MoveGraph& g = pz.graph;
    const int n = g.n;
    if (g.pendoly) return {{true, false, true}, {true, false, false}};
    std::vector<std::pair<int, Order>> reached;
    for (bool rows : {true, false})
        for (bool forward : {true, false})
            for (bool across : {true, false}) {
                const Order o{rows, forward, across};
                int reach = INT_MAX;
                for (int open = g.fieldPlaces(); open < g.placeCount(); ++open)
                    for (int line : {n - 1, n})
                        for (int k : {n - 1, n}) reach = std::min<int>(reach, g.distance[open][placeIn(pz, o, line, k)]);
                reached.push_back({reach, o});
            }
    std::stable_sort(reached.begin(), reached.end(),
                     [](const auto& a, const auto& b) { return a.first < b.first; });
    std::vector<Order> orders;
    for (const auto& [reach, o] : reached) orders.push_back(o);
    return orders;
}

std::vector<Stage> stagesOf(const Puzzle& pz, const Order& o) {
    const int n = pz.graph.n;
    auto at = [&](int line, int k) { return placeIn(pz, o, line, k); };
    std::vector<Stage> stages;
    uint64_t placed = 0;
    if (pz.graph.pendoly) {
        for (int line = 1; line <= n; ++line)
            for (int k = 1; k <= n; ++k) stages.push_back({placed |= 1ULL << at(line, k)});
        return stages;
    }
    for (int line = 1; line <= n - 2; ++line) {
        for (int k = 1; k <= n - 2; ++k) {
            placed |= 1ULL << at(line, k);
            stages.push_back({placed});
        }
        placed |= 1ULL << at(line, n - 1) | 1ULL << at(line, n);
        stages.push_back({placed, at(line, n - 1), at(line, n), at(line + 1, n - 1)});
    }
    for (int k = 1; k <= n - 2; ++k) {
        placed |= 1ULL << at(n - 1, k) | 1ULL << at(n, k);
        stages.push_back({placed, at(n - 1, k), at(n, k), at(n - 1, k + 1)});
    }
    stages.push_back({pz.allField()});
    return stages;
}

// Every tile no place of `mask` wants becomes the wildcard.
constexpr uint8_t kWildcard = Puzzle::kMaxValue;

PlaceState withWildcards(const Puzzle& pz, const PlaceState& p, int goal, uint64_t mask) {
    uint64_t wanted = 0;
    const std::vector<uint64_t>& accepts = pz.goals[static_cast<size_t>(goal)].accepts;
    for (int f = 0; f < pz.graph.fieldPlaces(); ++f)
        if (mask >> f & 1) wanted |= accepts[f];
    PlaceState q = p;
    for (int place = 0; place < pz.graph.placeCount(); ++place)
        if (q.at[place] != kEmpty && !(wanted >> q.at[place] & 1)) q.at[place] = kWildcard;
    return q;
}

// One stage: from `now`, the places of `mask` hold what goal `goal` of `pz` wants, and
// the ring cells beside them are empty (a tile left there could only come back by
// moving a placed one). Its steps are appended to `path` and taken on `now`.
// Whether goal `goal` wants each value on one place only, held by one tile (numbers).
bool uniqueTiles(const Puzzle& pz, int goal) {
    std::array<int, 64> tiles{};
    for (int p = 0; p < pz.graph.placeCount(); ++p) ++tiles[pz.start.at[p]];
    for (uint64_t accepts : pz.goals[static_cast<size_t>(goal)].accepts)
        if (std::popcount(accepts) != 1 || tiles[std::countr_zero(accepts)] != 1) return false;
    return true;
}

bool runStage(const Puzzle& pz, int goal, uint64_t mask, PlaceState& now, std::vector<Step>& path,
              int64_t maxExpanded, size_t memoryBytes, const SearchLimits& limits, int64_t& expanded) {
    const MoveGraph& g = pz.graph;
    uint64_t ringBeside = 0;
    for (int ring = g.fieldPlaces(); ring < g.placeCount(); ++ring)
        for (int f = 0; f < g.fieldPlaces(); ++f)
            if ((mask >> f & 1) && g.distance[ring][f] == 1) ringBeside |= 1ULL << ring;
    std::vector<uint64_t> active(pz.goals.size(), 0);
    active[static_cast<size_t>(goal)] = mask;
    Heuristic h(pz, active);
    h.guide(true);
    h.keepEmpty(ringBeside);
    GoalTest test;
    test.wanted.push_back({goal, mask});
    test.keepEmpty = ringBeside;
    BestFirstOptions options;
    options.weightNum = !g.pendoly ? kStageWeight
                        : uniqueTiles(pz, goal) ? kPendolyNumberWeight : kPendolyColourWeight;
    options.memoryBytes = memoryBytes;
    options.maxExpanded = maxExpanded;
    const SearchResult r = WeightedAStar(pz, h, test, withWildcards(pz, now, goal, mask), options, limits);
    expanded += r.expanded;
    if (r.outcome != SearchResult::Outcome::Found) return false;
    for (const Step& step : r.path) {
        pz.apply(now, step);
        path.push_back(step);
    }
    return true;
}

} // namespace

SearchResult StagedSearch(const Puzzle& pz, int goal, int order, size_t memoryBytes, const SearchLimits& limits) {
    SearchResult total;
    const std::vector<Order> orders = ordersOf(pz);
    const Order& o = orders[static_cast<size_t>(order) % orders.size()];
    PlaceState now = pz.start;
    uint64_t placed = 0;
    // The set-up of a pair is a goal of its own: the pair's second tile wanted on its
    // first place, its first tile on the helper place.
    Puzzle setUp = pz;
    setUp.goals.push_back(pz.goals[static_cast<size_t>(goal)]);
    const int setUpGoal = static_cast<int>(setUp.goals.size()) - 1;
    std::vector<uint64_t>& setUpAccepts = setUp.goals.back().accepts;
    const std::vector<uint64_t>& accepts = pz.goals[static_cast<size_t>(goal)].accepts;

    for (const Stage& stage : stagesOf(pz, o)) {
        bool done = false;
        if (stage.first >= 0) {
            done = runStage(pz, goal, stage.mask, now, total.path, kPairTries, memoryBytes, limits, total.expanded);
            if (!done) {
                setUpAccepts = accepts;
                setUpAccepts[static_cast<size_t>(stage.first)] = accepts[static_cast<size_t>(stage.second)];
                setUpAccepts[static_cast<size_t>(stage.helper)] = accepts[static_cast<size_t>(stage.first)];
                const uint64_t setUpMask = placed | 1ULL << stage.first | 1ULL << stage.helper;
                if (!runStage(setUp, setUpGoal, setUpMask, now, total.path, INT64_MAX, memoryBytes, limits,
                              total.expanded))
                    return total;   // stopped
            }
        }
        if (!done && !runStage(pz, goal, stage.mask, now, total.path, INT64_MAX, memoryBytes, limits, total.expanded))
            return total;   // stopped
        placed = stage.mask;
    }
    total.outcome = SearchResult::Outcome::Found;
    return total;
}
