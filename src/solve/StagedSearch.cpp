// SPDX-FileCopyrightText: 2026 Zelka-Kvadra developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "solve/StagedSearch.h"
#include "solve/Heuristic.h"
#include "solve/WeightedAStar.h"
#include <algorithm>
#include <array>
#include <bit>
#include <climits>
#include <optional>

namespace {

// The stages' searches inflate their bounds by this much (measured over the suite of
// positions in bench/): much on the open board, where a stage's plateau is small; in
// Pendoly mode a turned row moves all its tiles, and a little finds its stages soonest.
constexpr int kStageWeight = 3;
constexpr int kPendolyWeight = 2;
constexpr int kPendolyWideWeight = 3;   // six columns: more rotations to wade through
// A pair is first tried as it stands, for this many positions.
constexpr int64_t kPairTries = 2000;
// A stage is first tried for this many positions, then with other weights for more.
constexpr int64_t kFirstTries = 10000;

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

// Whether goal `goal` wants each value on one place only, held by one tile (numbers).
bool uniqueTiles(const Puzzle& pz, int goal) {
    std::array<int, 64> tiles{};
    for (int p = 0; p < pz.graph.placeCount(); ++p) ++tiles[pz.start.at[p]];
    for (uint64_t accepts : pz.goals[static_cast<size_t>(goal)].accepts)
        if (std::popcount(accepts) != 1 || tiles[std::countr_zero(accepts)] != 1) return false;
    return true;
}

// The ring places that stay free for the cells after `placed`: those beside none of
// its cells (a tile could only reach one of the others by moving a placed one).
uint64_t freeRing(const Puzzle& pz, uint64_t placed) {
    const MoveGraph& g = pz.graph;
    uint64_t free = 0;
    for (int ring = g.fieldPlaces(); ring < g.placeCount(); ++ring) {
        bool beside = false;
        for (int f = 0; f < g.fieldPlaces(); ++f)
            if ((placed >> f & 1) && g.distance[ring][f] == 1) beside = true;
        if (!beside) free |= 1ULL << ring;
    }
    return free;
}

// With one empty place left to the cells still to fill, their tiles can be put in
// order from only half of all arrangements: each slide swaps a tile with the empty
// place, and the cells alternate like a chessboard's. So the stage that takes the last
// but one free ring cell away has to leave the rest in the right half, while a second
// empty place is still at hand; later, only a long trip of it through the placed
// cells would mend it. That stage's search does not tell the tiles still to place
// apart: it keeps their order (odd or even) apart, and the way it found is replayed on
// the real tiles to judge it.
class RestParity {
public:
    // After the cells of `placed`; `now` holds the real tiles.
    RestParity(const Puzzle& pz, int goal, uint64_t placed, const PlaceState& now) : m_pz(pz), m_start(now) {
        const MoveGraph& g = pz.graph;
        const uint64_t ring = freeRing(pz, placed);
        m_ringPlace = std::countr_zero(ring);
        m_region = ring | (pz.allField() & ~placed);
        m_home.fill(-1);
        const std::vector<uint64_t>& accepts = pz.goals[static_cast<size_t>(goal)].accepts;
        for (int f = 0; f < g.fieldPlaces(); ++f)
            if (m_region >> f & 1)
                m_home[static_cast<size_t>(std::countr_zero(accepts[static_cast<size_t>(f)]))] = static_cast<int8_t>(f);
    }

    bool rightHalfAfter(const std::vector<Step>& path) const {
        PlaceState p = m_start;
        for (const Step& step : path) m_pz.apply(p, step);
        std::array<int8_t, MoveGraph::kMaxPlaces> to{};
        int empties = 0;
        int emptyPlace = -1;
        for (uint64_t rest = m_region; rest; rest &= rest - 1) {
            const int place = std::countr_zero(rest);
            const uint8_t v = p.at[static_cast<size_t>(place)];
            if (v == kEmpty) {
                ++empties;
                emptyPlace = place;
                to[static_cast<size_t>(place)] = static_cast<int8_t>(m_ringPlace);
            } else if (m_home[v] < 0) {
                return true;   // not the tiles of the rest: nothing to judge
            } else {
                to[static_cast<size_t>(place)] = m_home[v];
            }
        }
        if (empties != 1) return true;
        // The swaps that take each tile home (each cycle's length less one) and the
        // colour change of the empty place: both odd or both even.
        int swaps = 0;
        uint64_t seen = 0;
        for (uint64_t rest = m_region; rest; rest &= rest - 1) {
            int place = std::countr_zero(rest);
            int length = 0;
            for (; !(seen >> place & 1); place = to[static_cast<size_t>(place)]) {
                seen |= 1ULL << place;
                ++length;
            }
            swaps += std::max(0, length - 1);
        }
        return (swaps + colour(emptyPlace) + colour(m_ringPlace)) % 2 == 0;
    }

private:
    int colour(int place) const {
        const Cell c = m_pz.graph.cells[static_cast<size_t>(place)];
        return (c.row + c.col) & 1;
    }

    const Puzzle& m_pz;
    PlaceState m_start;
    uint64_t m_region = 0;
    int m_ringPlace = -1;
    std::array<int8_t, 64> m_home{};
};

// One stage: from `now`, the places of `mask` hold what goal `goal` of `pz` wants, and
// the ring cells beside them are empty (a tile left there could only come back by
// moving a placed one). Its steps are appended to `path` and taken on `now`.
bool runStage(const Puzzle& pz, int goal, uint64_t mask, int weight, uint64_t frozen, PlaceState& now,
              std::vector<Step>& path, int64_t maxExpanded, size_t memoryBytes, const SearchLimits& limits,
              int64_t& expanded, const RestParity* parity = nullptr) {
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
    options.weightNum = weight;
    options.memoryBytes = memoryBytes;
    options.maxExpanded = maxExpanded;
    options.frozen = frozen;
    if (parity) {
        options.accept = [parity](const std::vector<Step>& way) { return parity->rightHalfAfter(way); };
        options.orderOf = kWildcard;
    }
    const SearchResult r = WeightedAStar(pz, h, test, withWildcards(pz, now, goal, mask), options, limits);
    expanded += r.expanded;
    if (r.outcome != SearchResult::Outcome::Found) return false;
    for (const Step& step : r.path) {
        pz.apply(now, step);
        path.push_back(step);
    }
    return true;
}

// Colour targets: each tile gets a name of its own, and a stage asks for named tiles.
// The placed cells keep the tiles they hold; a new cell takes the nearest free tile of
// its colour (the last block any of them, so that no order of tiles it cannot make is
// asked for). A stage then sees only the few tiles it places, as with numbers.
class NamedTiles {
public:
    NamedTiles(const Puzzle& pz, int goal) : m_colours(pz.goals[static_cast<size_t>(goal)].accepts), m_named(pz) {
        m_named.goals = {pz.goals[static_cast<size_t>(goal)]};
        uint8_t next = 0;
        for (int p = 0; p < pz.graph.placeCount(); ++p)
            if (pz.start.at[p] != kEmpty) {
                m_named.start.at[p] = ++next;
                m_colourOf[next] = pz.start.at[p];
            }
        // With one open ring cell the tile beside it can only step in and back: it
        // stays the tile of its cell.
        const MoveGraph& g = pz.graph;
        const int ring = g.fieldPlaces();
        if (!g.pendoly && g.placeCount() == ring + 1 && g.slideFrom[ring].size() == 1) {
            m_pinned = g.slideFrom[ring][0];
            m_pinnedTile = std::max(m_named.start.at[m_pinned], m_named.start.at[ring]);
        }
    }
    const Puzzle& puzzle() const { return m_named; }
    const PlaceState& start() const { return m_named.start; }

    // Sets the goal for a stage from `now`: the cells of `placed` want what they hold,
    // the other cells of `mask` the nearest free tiles of their colour, or every one of
    // them when `anyOfColour`.
    void aimAt(const PlaceState& now, uint64_t placed, uint64_t mask, bool anyOfColour) {
        std::vector<uint64_t>& accepts = m_named.goals[0].accepts;
        uint64_t taken = 0;
        for (int f = 0; f < m_named.graph.fieldPlaces(); ++f)
            if (placed >> f & 1) {
                accepts[f] = 1ULL << now.at[f];
                taken |= accepts[f];
            } else {
                accepts[f] = 0;
            }
        for (int f = 0; f < m_named.graph.fieldPlaces(); ++f) {
            if (!(mask >> f & 1) || (placed >> f & 1)) continue;
            if (f == m_pinned) {
                accepts[f] = 1ULL << m_pinnedTile;
                taken |= accepts[f];
                continue;
            }
            if (m_pinnedTile != kEmpty) taken |= 1ULL << m_pinnedTile;
            int nearest = -1;
            int nearestAway = INT_MAX;
            uint64_t all = 0;
            for (int p = 0; p < m_named.graph.placeCount(); ++p) {
                const uint8_t tile = now.at[p];
                if (tile == kEmpty || (taken >> tile & 1) || !(m_colours[f] >> m_colourOf[tile] & 1)) continue;
                all |= 1ULL << tile;
                const int away = distance(now, p, f);
                if (away < nearestAway) {
                    nearestAway = away;
                    nearest = tile;
                }
            }
            if (m_colours[f] & 1) all |= 1;   // a cell that may stay empty
            accepts[f] = anyOfColour || nearest < 0 ? all : 1ULL << nearest;
            if (!anyOfColour && nearest >= 0) taken |= accepts[f];
        }
    }

private:
    int distance(const PlaceState& now, int from, int to) const {
        const MoveGraph& g = m_named.graph;
        if (!g.pendoly) return g.distance[from][to];
        const int d = std::abs(m_named.colOf(now, from) - m_named.colOf(now, to));
        return std::abs(m_named.rowOf(from) - m_named.rowOf(to)) + std::min(d, g.n - d);
    }

    std::vector<uint64_t> m_colours;   // [field place]: the colours the target wants there
    Puzzle m_named;
    std::array<uint8_t, 64> m_colourOf{};
    int m_pinned = -1;                 // the field place whose tile can never leave, if any
    uint8_t m_pinnedTile = kEmpty;
};

// Whether lines once placed stay put: in Pendoly mode a turned row moves all its
// tiles, and the rows left to fill can be solved with the one placed last.
bool freezesLines(const Puzzle& pz) { return pz.graph.pendoly; }

// The lines of order `o` whose every place is in `placed`, but for the last of them:
// the lines still to fill need the one beside them (the top row in Pendoly mode can
// only turn and pass a tile through the slot, which keeps the round order of its
// tiles; only the row below can change it).
uint64_t settledLines(const Puzzle& pz, const Order& o, uint64_t placed) {
    uint64_t settled = 0;
    uint64_t last = 0;
    for (int line = 1; line <= pz.graph.n; ++line) {
        uint64_t places = 0;
        for (int k = 1; k <= pz.graph.n; ++k) places |= 1ULL << placeIn(pz, o, line, k);
        if ((placed & places) != places) break;
        settled |= last;
        last = places;
    }
    return settled;
}

// A stage that does not fall into place soon is tried again, more and less greedily:
// a best-first search stuck on a plateau of its bound often gets off it at once with
// another weight. The last try has no cap.
bool runStageTries(const Puzzle& pz, int goal, uint64_t mask, int weight, uint64_t frozen, PlaceState& now,
                   std::vector<Step>& path, size_t memoryBytes, const SearchLimits& limits, int64_t& expanded,
                   const RestParity* parity = nullptr) {
    const int weights[] = {weight, weight + 1, 2 * weight + 1, std::max(1, weight - 1)};
    int64_t cap = kFirstTries;
    for (int w : weights) {
        if (runStage(pz, goal, mask, w, frozen, now, path, cap, memoryBytes, limits, expanded, parity)) return true;
        if (limits.expired()) return false;
        cap *= 2;
    }
    return runStage(pz, goal, mask, weight, frozen, now, path, INT64_MAX, memoryBytes, limits, expanded, parity);
}

// The stages in order `o` towards goal `goal` of `pz`; with `named`, towards the named
// tiles it picks for each stage.
SearchResult runStages(const Puzzle& pz, int goal, const Order& o, NamedTiles* named, size_t memoryBytes,
                       const SearchLimits& limits) {
    SearchResult total;
    const Puzzle& work = named ? named->puzzle() : pz;
    const int workGoal = named ? 0 : goal;
    PlaceState now = work.start;
    const int weight = !pz.graph.pendoly ? kStageWeight : pz.graph.n < 6 ? kPendolyWeight : kPendolyWideWeight;
    const std::vector<Stage> stages = stagesOf(pz, o);
    uint64_t placed = 0;
    for (size_t k = 0; k < stages.size(); ++k) {
        const Stage& stage = stages[k];
        // The last block, and in Pendoly mode the whole top row (whose round order only
        // the row below can change), take any tile of the colour.
        const bool last = k + 1 == stages.size() || (pz.graph.pendoly && k + pz.graph.n >= stages.size());
        if (named) named->aimAt(now, placed, stage.mask, last);
        const uint64_t frozen = freezesLines(pz) ? settledLines(pz, o, placed) : 0;
        std::optional<RestParity> parity;
        if (!named && !pz.graph.pendoly && stage.mask != pz.allField() &&
            std::popcount(freeRing(pz, placed)) >= 2 && std::popcount(freeRing(pz, stage.mask)) == 1)
            parity.emplace(pz, goal, stage.mask, now);
        const RestParity* rest = parity ? &*parity : nullptr;
        bool done = false;
        if (stage.first >= 0) {
            done = runStage(work, workGoal, stage.mask, weight, frozen, now, total.path, kPairTries, memoryBytes, limits,
                            total.expanded, rest);
            if (!done) {
                // The set-up of a pair is a goal of its own: the pair's second tile
                // wanted on its first place, its first tile on the helper place.
                Puzzle setUp = work;
                const std::vector<uint64_t>& accepts = work.goals[static_cast<size_t>(workGoal)].accepts;
                setUp.goals.push_back(work.goals[static_cast<size_t>(workGoal)]);
                std::vector<uint64_t>& setUpAccepts = setUp.goals.back().accepts;
                setUpAccepts[static_cast<size_t>(stage.first)] = accepts[static_cast<size_t>(stage.second)];
                setUpAccepts[static_cast<size_t>(stage.helper)] = accepts[static_cast<size_t>(stage.first)];
                const uint64_t setUpMask = placed | 1ULL << stage.first | 1ULL << stage.helper;
                if (!runStageTries(setUp, static_cast<int>(setUp.goals.size()) - 1, setUpMask, weight, frozen, now,
                                   total.path, memoryBytes, limits, total.expanded))
                    return total;   // stopped
            }
        }
        if (!done && !runStageTries(work, workGoal, stage.mask, weight, frozen, now, total.path, memoryBytes, limits,
                                    total.expanded, rest))
            return total;   // stopped
        placed = stage.mask;
        }
    total.outcome = SearchResult::Outcome::Found;
    return total;
}

} // namespace

SearchResult StagedSearch(const Puzzle& pz, int goal, int order, size_t memoryBytes, const SearchLimits& limits) {
    const std::vector<Order> orders = ordersOf(pz);
    const Order& o = orders[static_cast<size_t>(order) % orders.size()];
    if (uniqueTiles(pz, goal)) return runStages(pz, goal, o, nullptr, memoryBytes, limits);
    NamedTiles named(pz, goal);
    return runStages(pz, goal, o, &named, memoryBytes, limits);
}
