// SPDX-FileCopyrightText: 2026 Zelka-Kvadra developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "solve/Solver.h"
#include "play/GameModes.h"
#include "play/StartRules.h"
#include "solve/Heuristic.h"
#include "solve/IdaStar.h"
#include "solve/PathShortening.h"
#include "solve/PatternTables.h"
#include "solve/Replay.h"
#include "solve/StagedSearch.h"
#include "solve/WeightedAStar.h"
#include <algorithm>
#include <climits>
#include <unordered_map>

namespace {

constexpr int kTranspositionBits = 21;
// The proof's coarse tables: at most this many entries (bytes) each, so that a set of
// them is built within a few seconds.
constexpr uint64_t kCoarseEntries = 300000;

// The first search inflates its bound by this much: quick, and its solutions are at
// most that much longer than the shortest.
constexpr int kQuickWeightNum = 2;
constexpr int kQuickWeightDen = 1;
// On a small open board it gets this many positions before the stages take over.
// Elsewhere the stages come first: on the larger boards and in Pendoly mode such a try
// never finished in time over the suite of positions, and each of its positions costs
// more there.
constexpr int64_t kWholeBoardTries = 20000;
// A solution is shortened by looking this many positions around each of its own (a
// hint's fewer, to answer at once).
constexpr int kShortcutNodes = 3000;
constexpr int kHintShortcutNodes = 300;
// After the first solution the whole board is searched with this weight for a third
// of the time left.
constexpr int kWholeBoardWeightNum = 5;
constexpr int kWholeBoardWeightDen = 2;
// Then ever tighter ones, each only looking for something shorter than the best so far.
constexpr std::pair<int, int> kTighterWeights[] = {{3, 2}, {5, 4}, {1, 1}};

bool usesNumberTables(const GameState& s, const Puzzle& pz) {
    return s.gameType == GameType::NumberSequence && !playsToTargetMap(s) && !pz.graph.pendoly &&
           !PatternTables::GroupsFor(pz.graph.n, pz.graph.placeCount()).empty();
}

// The path with every detour cut out: where it comes back to a position it was in
// before, the steps in between go.
std::vector<Step> WithoutDetours(const Puzzle& pz, const std::vector<Step>& path) {
    const PositionKeys keys(pz);
    std::vector<Step> kept;
    std::vector<PlaceState> states{pz.start};
    std::unordered_multimap<uint64_t, size_t> seen{{keys.key(pz.start), 0}};
    for (const Step& step : path) {
        PlaceState next = states.back();
        pz.apply(next, step);
        const uint64_t key = keys.key(next);
        size_t back = states.size();
        const auto [from, to] = seen.equal_range(key);
        for (auto it = from; it != to; ++it)
            if (states[it->second] == next) back = std::min(back, it->second);
        if (back < states.size()) {
            for (size_t i = back + 1; i < states.size(); ++i) {
                const auto [a, b] = seen.equal_range(keys.key(states[i]));
                for (auto it = a; it != b; ++it)
                    if (it->second == i) {
                        seen.erase(it);
                        break;
                    }
            }
            states.resize(back + 1);
            kept.resize(back);
            continue;
        }
        kept.push_back(step);
        states.push_back(next);
        seen.insert({key, states.size() - 1});
    }
    return kept;
}

struct Stopwatch {
    SolveClock::time_point start = SolveClock::now();
    int64_t ms() const {
        return std::chrono::duration_cast<std::chrono::milliseconds>(SolveClock::now() - start).count();
    }
};

} // namespace

std::shared_ptr<const PatternTables> SolverCache::tablesFor(const MoveGraph& g, const SearchLimits& limits) {
    {
        const std::lock_guard lock(m_mutex);
        for (Entry& e : m_entries) {
            if (e.n != g.n || e.cells != g.cells) continue;
            e.lastUse = ++m_uses;
            return e.tables;
        }
    }
    const auto groups = PatternTables::GroupsFor(g.n, g.placeCount());
    if (groups.empty()) return nullptr;
    std::shared_ptr<const PatternTables> tables = PatternTables::Build(g, groups, limits);
    if (!tables) return nullptr;
    const std::lock_guard lock(m_mutex);
    if (m_entries.size() >= kMaxEntries) {
        auto oldest = std::min_element(m_entries.begin(), m_entries.end(),
                                       [](const Entry& a, const Entry& b) { return a.lastUse < b.lastUse; });
        m_entries.erase(oldest);
    }
    m_entries.push_back({g.n, g.cells, tables, ++m_uses});
    return tables;
}

size_t SolverCache::bytes() const {
    const std::lock_guard lock(m_mutex);
    size_t total = 0;
    for (const Entry& e : m_entries) total += e.tables ? e.tables->bytes() : 0;
    return total;
}

const char* HopelessText(Hopeless reason) {
    switch (reason) {
    case Hopeless::None: return "";
    case Hopeless::TileBesideGapOutOfPlace:
        return "with one open cell the tile beside it can never leave its place for good, and it is not "
               "the tile any open target wants there";
    case Hopeless::OddArrangement:
        return "with one open cell the numbers can reach only half of all orders, and no open target is "
               "among them";
    case Hopeless::NoTargetFits: return "the tiles on the board cannot make any target still open";
    case Hopeless::NoMoves: return "no tile can move";
    }
    return "";
}

SolveReport Solve(const GameState& s, const SolveOptions& options, SolverCache* cache) {
    const Stopwatch clock;
    SolveReport report;
    const SearchLimits limits{clock.start + std::chrono::microseconds(static_cast<int64_t>(options.seconds * 1e6)),
                              options.cancel};
    auto done = [&](SolveReport::Status status) {
        report.status = status;
        report.ms = clock.ms();
        return report;
    };
    auto hopeless = [&](Hopeless why) {
        report.hopeless = why;
        return done(SolveReport::Status::Hopeless);
    };

    QString whyNot;
    const std::optional<Puzzle> pz = Puzzle::FromGame(s, &whyNot);
    if (!pz) {
        report.detail = whyNot;
        return done(SolveReport::Status::Unsupported);
    }
    if (pz->openTargets == 0) {
        report.detail = QStringLiteral("no target is open for this game");
        return done(SolveReport::Status::Unsupported);
    }
    switch (OneGapStartRefusal(s)) {
    case OneGapRefusal::None: break;
    case OneGapRefusal::TileBesideGapOutOfPlace: return hopeless(Hopeless::TileBesideGapOutOfPlace);
    case OneGapRefusal::OddArrangement: return hopeless(Hopeless::OddArrangement);
    }
    if (GameAcceptsField(s)) {
        report.shortest = true;
        return done(SolveReport::Status::Solved);
    }
    if (pz->goals.empty()) return hopeless(Hopeless::NoTargetFits);
    std::vector<Step> first;
    pz->steps(pz->start, first);
    if (first.empty()) return hopeless(Hopeless::NoMoves);

    // The first solution comes from the bounds that cost nothing to set up.
    const Heuristic quickBound(*pz, {});
    const GoalTest whole = GoalTest::Whole(*pz);
    report.lowerBound = quickBound.estimate(pz->start);

    // On a small open board first a short try on the whole board (enough for many of
    // them), then the stages.
    BestFirstOptions quick;
    quick.weightNum = kQuickWeightNum;
    quick.weightDen = kQuickWeightDen;
    quick.memoryBytes = options.memoryBytes;
    quick.maxExpanded = kWholeBoardTries;
    const bool smallBoard = pz->graph.n == 4 && !pz->graph.pendoly;
    SearchResult found;
    if (smallBoard) {
        found = WeightedAStar(*pz, quickBound, whole, pz->start, quick, limits);
        report.expanded += found.expanded;
    }
    if (found.outcome == SearchResult::Outcome::NoneBelow) return hopeless(Hopeless::NoTargetFits);
    Heuristic::Parts startParts;
    quickBound.compute(pz->start, startParts);
    const int bestGoal = quickBound.bestGoal(startParts);
    if (found.outcome != SearchResult::Outcome::Found && !limits.expired()) {
        found = StagedSearch(*pz, bestGoal, 0, options.memoryBytes, limits);
        report.expanded += found.expanded;
    }
    if (found.outcome != SearchResult::Outcome::Found)
        return done(limits.cancelled() ? SolveReport::Status::Cancelled : SolveReport::Status::NotFound);
    // Even a hint's solution is cut short where it goes the long way round: the first
    // move shown should lead somewhere sensible.
    const int around = options.improve ? kShortcutNodes : kHintShortcutNodes;
    std::vector<Step> best = Shortened(*pz, WithoutDetours(*pz, found.path), around, limits);

    if (options.improve && static_cast<int>(best.size()) > report.lowerBound) {
        auto keepShorter = [&](const SearchResult& r) {
            report.expanded += r.expanded;
            if (r.outcome != SearchResult::Outcome::Found) return;
            std::vector<Step> path = WithoutDetours(*pz, r.path);
            if (path.size() >= best.size() + best.size() / 2) return;   // too far behind to catch up
            path = Shortened(*pz, std::move(path), kShortcutNodes, limits);
            if (path.size() < best.size()) best = std::move(path);
        };
        // Shorter solutions and the proof: pattern tables sharpen the bound where they fit.
        SolverCache ownCache;
        std::shared_ptr<const PatternTables> tables;
        if (options.patternTables && usesNumberTables(s, *pz))
            tables = (cache ? cache : &ownCache)->tablesFor(pz->graph, limits);
        Heuristic h(*pz, {}, tables, kCoarseEntries, &limits);
        h.rowTurns(true);
        report.lowerBound = std::max(report.lowerBound, h.estimate(pz->start));
        if (!smallBoard) {
            // The whole board first, for a share of the time: where the bound is good
            // (colours with few open cells) it soon finds far shorter solutions than
            // any order of stages.
            {
                SearchLimits share = limits;
                share.deadline = std::min(limits.deadline, SolveClock::now() + (limits.deadline - SolveClock::now()) / 3);
                BestFirstOptions greedy = quick;
                greedy.maxExpanded = INT64_MAX;
                greedy.below = static_cast<int>(best.size());
                greedy.weightNum = kWholeBoardWeightNum;
                greedy.weightDen = kWholeBoardWeightDen;
                keepShorter(WeightedAStar(*pz, h, whole, pz->start, greedy, share));
            }
            // Other orders of stages, towards every target still open.
            for (int goal = 0; goal < static_cast<int>(pz->goals.size()); ++goal)
                for (int order = 0; order < kStagedOrders && !limits.expired(); ++order)
                    if (goal != bestGoal || order != 0)
                        keepShorter(StagedSearch(*pz, goal, order, options.memoryBytes, limits));
            // Then the whole board under ever tighter bounds, each looking only for
            // something shorter than the best so far.
            for (const auto& [num, den] : kTighterWeights) {
                if (limits.expired()) break;
                BestFirstOptions tighter = quick;
                tighter.weightNum = num;
                tighter.weightDen = den;
                tighter.maxExpanded = INT64_MAX;
                tighter.below = static_cast<int>(best.size());
                const SearchResult r = WeightedAStar(*pz, h, whole, pz->start, tighter, limits);
                keepShorter(r);
                if (r.outcome == SearchResult::Outcome::NoneBelow) {
                    report.shortest = true;
                    break;
                }
                if (r.outcome == SearchResult::Outcome::Stopped) break;   // memory or time
            }
        }
        if (!report.shortest && !limits.expired()) {
            TranspositionTable table(kTranspositionBits);
            const SearchResult r = IdaStar(*pz, h, whole, static_cast<int>(best.size()), limits, table);
            keepShorter(r);
            report.lowerBound = std::max(report.lowerBound, r.lowerBound);
            if (r.outcome != SearchResult::Outcome::Stopped) report.shortest = true;
        }
    }

    const std::optional<Solution> solution = ReplayThroughRules(s, *pz, best);
    if (!solution) {
        report.detail = QStringLiteral("the game's rules refused the solution found");
        return done(SolveReport::Status::NotFound);
    }
    report.moves = solution->moves;
    report.steps = solution->steps;
    if (report.steps <= report.lowerBound) report.shortest = true;
    if (report.shortest) report.lowerBound = report.steps;
    return done(SolveReport::Status::Solved);
}
