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

void TranspositionTable::store(uint64_t key, int depth, int atLeast, int round) {
    Entry& e = m_entries[key & m_mask];
    e = {key, static_cast<uint16_t>(depth), static_cast<uint16_t>(std::max(0, atLeast)),
         static_cast<uint16_t>(round), 1};
}

void TranspositionTable::clear() {
    std::fill(m_entries.begin(), m_entries.end(), Entry{});
    m_round = 0;
}

int TranspositionTable::nextRound() {
    // Rounds are told apart by number; when the numbers run out the table starts afresh.
    if (m_round == UINT16_MAX) clear();
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
            const int next = walk(0, bound, parts, key, Step{}, false, 0);
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

    int walk(int g, int bound, const Heuristic::Parts& parts, uint64_t key, Step last, bool hasLast, int run) {
        const int f = g + parts.h;
        if (f > bound) return f;
        if (parts.h == 0 && m_goal.met(m_pz, m_state)) return kFound;
        if ((++m_expanded & 0x3FF) == 0 && m_limits.expired()) m_stopped = true;
        if (m_stopped) return kNone;
        if (TranspositionTable::Entry* e = m_table.find(key); e && e->round == m_round && e->depth <= g)
            return kNone;
        m_table.store(key, g, 0, m_round);

        // Each depth keeps its own list; a deeper walk may grow the outer vector, so the
        // list is reached through it each time.
        const size_t depth = static_cast<size_t>(g);
        if (m_steps.size() <= depth) m_steps.resize(depth + 1);
        m_steps[depth].clear();
        m_pz.steps(m_state, m_steps[depth]);
        int least = kNone;
        for (size_t i = 0; i < m_steps[depth].size(); ++i) {
            const Step step = m_steps[depth][i];
            if (skip(step, last, hasLast, run)) continue;
            const PlaceState before = m_state;
            m_pz.apply(m_state, step);
            Heuristic::Parts child = parts;
            if (step.kind == SearchStepKind::Slide && m_h.slidesOnly())
                m_h.afterSlide(m_state, step.a, step.b, child);
            else
                m_h.compute(m_state, child);
            const uint64_t childKey = keyAfter(key, before, step);
            m_path.push_back(step);
            const int sameRun = hasLast && step == last ? run + 1 : 1;
            const int result = walk(g + 1, bound, child, childKey, step, true, sameRun);
            if (result == kFound) return kFound;
            m_path.pop_back();
            m_state = before;
            least = std::min(least, result);
            if (m_stopped) return kNone;
        }
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
