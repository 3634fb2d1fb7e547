// SPDX-FileCopyrightText: 2026 Zelka-Kvadra developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "solve/IdaStar.h"
#include <algorithm>
#include <climits>

TranspositionTable::TranspositionTable(int bits) {
    m_entries.resize(size_t(1) << bits);
    m_mask = m_entries.size() - 1;
}

TranspositionTable::Entry* TranspositionTable::find(uint64_t key) {
    Entry& e = m_entries[key & m_mask];
    return e.used && e.key == key ? &e : nullptr;
}

void TranspositionTable::enter(uint64_t key, int depth, int round) {
    Entry& e = m_entries[key & m_mask];
    const uint16_t known = e.used && e.key == key ? e.atLeast : 0;
    e = {key, static_cast<uint16_t>(depth), known, static_cast<uint16_t>(round), 1};
}

void TranspositionTable::learn(uint64_t key, int atLeast) {
    Entry& e = m_entries[key & m_mask];
    if (!e.used || e.key != key) e = {key, UINT16_MAX, 0, 0, 1};   // walked in no round now
    e.atLeast = static_cast<uint16_t>(std::clamp<int>(atLeast, e.atLeast, UINT16_MAX));
}

int TranspositionTable::atLeast(uint64_t key) const {
    const Entry& e = m_entries[key & m_mask];
    return e.used && e.key == key ? e.atLeast : 0;
}

void TranspositionTable::clear() {
    std::fill(m_entries.begin(), m_entries.end(), Entry{});
    m_round = 0;
}

int TranspositionTable::nextRound() {
    // Rounds are told apart by number; when the numbers run out the table starts afresh.
    if (m_round == UINT16_MAX - 1) clear();
    return ++m_round;
}

namespace {

constexpr int kFound = -1;
constexpr int kNone = INT_MAX;

class Walker {
public:
    Walker(const Puzzle& pz, const Heuristic& h, const GoalTest& goal, const SearchLimits& limits,
           TranspositionTable& table)
        : m_pz(pz), m_h(h), m_goal(goal), m_limits(limits), m_table(table), m_keys(pz) {}

    SearchResult run(int below) {
        SearchResult result;
        m_state = m_pz.start;
        Heuristic::Parts parts;
        m_h.compute(m_state, parts);
        const uint64_t key = m_keys.key(m_state);
        int bound = parts.h;
        while (bound < below && bound < Heuristic::kUnreachable) {
            m_round = m_table.nextRound();
            result.lowerBound = bound;
            m_path.clear();
            int atLeast = 0;
            const int next = walk(0, bound, parts, key, Step{}, false, 0, atLeast);
            result.expanded = m_expanded;
            if (next == kFound) {
                result.outcome = SearchResult::Outcome::Found;
                result.path = m_path;
                return result;
            }
            if (m_stopped) return result;
            bound = next;
        }
        result.outcome = SearchResult::Outcome::NoneBelow;
        result.lowerBound = std::max(result.lowerBound, std::min(bound, below));
        result.expanded = m_expanded;
        return result;
    }

private:
    // Steps that can never lie on a shortest solution after `last`: its own undoing, two
    // carries in a row (one does), rotations of different rows in other than row order
    // (they commute), and a row turned the same way more than half round.
    bool skip(const Step& step, const Step& last, bool hasLast, int run) const {
        if (!hasLast) return false;
        if (step == m_pz.inverse(last)) return true;
        if (step.kind == SearchStepKind::Carry && last.kind == SearchStepKind::Carry) return true;
        if (step.kind != SearchStepKind::Rotate || last.kind != SearchStepKind::Rotate) return false;
        const RowRotation& now = m_pz.graph.rotations[step.a];
        const RowRotation& before = m_pz.graph.rotations[last.a];
        if (now.row < before.row) return true;
        if (step == last) {
            const int n = m_pz.graph.n;
            return run >= (now.rightwards ? n / 2 : (n - 1) / 2);
        }
        return false;
    }

    uint64_t keyAfter(uint64_t key, const PlaceState& before, const Step& step) const {
        if (step.kind != SearchStepKind::Slide) return m_keys.key(m_state);
        const int v = before.at[step.a];
        return key ^ m_keys.valueKey(step.a, v) ^ m_keys.valueKey(step.b, v);
    }

    // The bound's parts for the position `step` just made, from those before it.
    Heuristic::Parts partsAfter(const Step& step, const Heuristic::Parts& parts) const {
        Heuristic::Parts child = parts;
        if (step.kind == SearchStepKind::Slide && m_h.slidesOnly())
            m_h.afterSlide(m_state, step.a, step.b, child);
        else
            m_h.compute(m_state, child);
        return child;
    }

    // The least steps the position after `step` needs as far as is known without a walk:
    // its bound, or what the table learned.
    int boundAfter(const Step& step, const PlaceState& before, const Heuristic::Parts& parts, uint64_t key) {
        m_pz.apply(m_state, step);
        const int known = std::max(partsAfter(step, parts).h, m_table.atLeast(keyAfter(key, before, step)));
        m_state = before;
        return known;
    }

    // Walks on while g + h stays within `bound`; answers the least g + h beyond it (or
    // kFound), and sets `atLeast` to the steps this position is shown to need: its own
    // bound, or, after a walk through every step, one more than the least any step's
    // position needs (a step left out or cut counts with its own bound).
    int walk(int g, int bound, const Heuristic::Parts& parts, uint64_t key, Step last, bool hasLast, int run,
             int& atLeast) {
        TranspositionTable::Entry* e = m_table.find(key);
        const int h = e ? std::max<int>(parts.h, e->atLeast) : parts.h;
        atLeast = h;
        const int f = g + h;
        if (f > bound) return f;
        if (parts.h == 0 && m_goal.met(m_pz, m_state)) return kFound;
        if ((++m_expanded & 0x3FF) == 0 && m_limits.expired()) m_stopped = true;
        if (m_stopped) return kNone;
        if (e && e->round == m_round && e->depth <= g) return kNone;
        m_table.enter(key, g, m_round);

        // Each depth keeps its own list; a deeper walk may grow the outer vector, so the
        // list is reached through it each time.
        const size_t depth = static_cast<size_t>(g);
        if (m_steps.size() <= depth) m_steps.resize(depth + 1);
        m_steps[depth].clear();
        m_pz.steps(m_state, m_steps[depth]);
        int least = kNone;
        int fewest = Heuristic::kUnreachable;   // the least any step's position needs
        for (size_t i = 0; i < m_steps[depth].size(); ++i) {
            const Step step = m_steps[depth][i];
            const PlaceState before = m_state;
            if (skip(step, last, hasLast, run)) {
                fewest = std::min(fewest, boundAfter(step, before, parts, key));
                continue;
            }
            m_pz.apply(m_state, step);
            const Heuristic::Parts child = partsAfter(step, parts);
            const uint64_t childKey = keyAfter(key, before, step);
            m_path.push_back(step);
            const int sameRun = hasLast && step == last ? run + 1 : 1;
            int childAtLeast = 0;
            const int result = walk(g + 1, bound, child, childKey, step, true, sameRun, childAtLeast);
            if (result == kFound) return kFound;
            m_path.pop_back();
            m_state = before;
            least = std::min(least, result);
            fewest = std::min(fewest, childAtLeast);
            if (m_stopped) return kNone;
        }
        atLeast = std::max(h, std::min(fewest + 1, static_cast<int>(Heuristic::kUnreachable)));
        m_table.learn(key, atLeast);
        return least;
    }

    const Puzzle& m_pz;
    const Heuristic& m_h;
    const GoalTest& m_goal;
    const SearchLimits& m_limits;
    TranspositionTable& m_table;
    PositionKeys m_keys;
    PlaceState m_state;
    std::vector<Step> m_path;
    std::vector<std::vector<Step>> m_steps;
    int64_t m_expanded = 0;
    int m_round = 0;
    bool m_stopped = false;
};

} // namespace

SearchResult IdaStar(const Puzzle& pz, const Heuristic& h, const GoalTest& goal, int below,
                     const SearchLimits& limits, TranspositionTable& table) {
    return Walker(pz, h, goal, limits, table).run(below);
}
