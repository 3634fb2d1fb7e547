// SPDX-FileCopyrightText: 2026 Zelka-Kvadra developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "solve/PathShortening.h"
#include <bit>

namespace {

std::vector<PlaceState> positionsAlong(const Puzzle& pz, const std::vector<Step>& path) {
    std::vector<PlaceState> states{pz.start};
    states.reserve(path.size() + 1);
    for (const Step& step : path) {
        PlaceState next = states.back();
        pz.apply(next, step);
        states.push_back(next);
    }
    return states;
}

struct Around {
    PlaceState state;
    uint64_t key = 0;
    int parent = -1;
    Step step;
    int depth = 0;
};

// The keys met around one position: an open-addressed table, emptied at once for the
// next position by a new stamp.
class KeySet {
public:
    explicit KeySet(int most) : m_keys(std::bit_ceil(static_cast<size_t>(4 * most + 64))), m_stamps(m_keys.size(), 0) {}
    void clear() { ++m_stamp; }
    // True when `key` was not in the set yet.
    bool insert(uint64_t key) {
        const size_t mask = m_keys.size() - 1;
        for (size_t slot = key & mask;; slot = (slot + 1) & mask) {
            if (m_stamps[slot] != m_stamp) {
                m_stamps[slot] = m_stamp;
                m_keys[slot] = key;
                return true;
            }
            if (m_keys[slot] == key) return false;
        }
    }

private:
    std::vector<uint64_t> m_keys;
    std::vector<uint32_t> m_stamps;
    uint32_t m_stamp = 1;
};

// The positions of the path by key: the first index with a key, then the next index
// with the same key.
class PathIndex {
public:
    void build(const PositionKeys& keys, const std::vector<PlaceState>& states) {
        m_slots.assign(std::bit_ceil(4 * states.size() + 16), {0, -1});
        m_next.assign(states.size(), -1);
        const size_t mask = m_slots.size() - 1;
        for (int i = static_cast<int>(states.size()) - 1; i >= 0; --i) {
            const uint64_t key = keys.key(states[static_cast<size_t>(i)]);
            size_t slot = key & mask;
            while (m_slots[slot].second >= 0 && m_slots[slot].first != key) slot = (slot + 1) & mask;
            m_next[static_cast<size_t>(i)] = m_slots[slot].second;
            m_slots[slot] = {key, i};
        }
    }
    int first(uint64_t key) const {
        const size_t mask = m_slots.size() - 1;
        for (size_t slot = key & mask; m_slots[slot].second >= 0; slot = (slot + 1) & mask)
            if (m_slots[slot].first == key) return m_slots[slot].second;
        return -1;
    }
    int next(int index) const { return m_next[static_cast<size_t>(index)]; }

private:
    std::vector<std::pair<uint64_t, int>> m_slots;
    std::vector<int> m_next;
};

// The key after `step` from `p` (key `key`): a slide changes two places of it.
uint64_t keyAfter(const PositionKeys& keys, const PlaceState& p, uint64_t key, const Step& step,
                  const PlaceState& next) {
    if (step.kind != SearchStepKind::Slide) return keys.key(next);
    return key ^ keys.valueKey(step.a, p.at[step.a]) ^ keys.valueKey(step.b, p.at[step.a]);
}

} // namespace

std::vector<Step> Shortened(const Puzzle& pz, std::vector<Step> path, int nodesPerPosition,
                            const SearchLimits& limits) {
    const PositionKeys keys(pz);
    std::vector<PlaceState> states = positionsAlong(pz, path);
    PathIndex index;
    index.build(keys, states);

    std::vector<Around> around;
    KeySet seen(nodesPerPosition);
    std::vector<Step> steps;
    bool stopped = false;
    for (int i = 0; i + 1 < static_cast<int>(states.size()) && !stopped;) {
        around.assign(1, {states[i], keys.key(states[i]), -1, {}, 0});
        seen.clear();
        seen.insert(around.front().key);
        int bestGain = 0;
        int bestEnd = -1;
        int bestNode = -1;
        for (size_t q = 0; q < around.size() && static_cast<int>(around.size()) < nodesPerPosition; ++q) {
            // A few hundred positions take a fraction of a millisecond: the clock is
            // read as often, so that a busy machine does not make the solve late.
            if ((q & 0xFF) == 0 && limits.expired()) {
                stopped = true;
                break;
            }
            steps.clear();
            pz.steps(around[q].state, steps);
            for (const Step& step : steps) {
                PlaceState child = around[q].state;
                pz.apply(child, step);
                const uint64_t key = keyAfter(keys, around[q].state, around[q].key, step, child);
                if (!seen.insert(key)) continue;
                const int depth = around[q].depth + 1;
                around.push_back({child, key, static_cast<int>(q), step, depth});
                for (int at = index.first(key); at >= 0; at = index.next(at)) {
                    const int gain = at - i - depth;
                    if (gain > bestGain && states[static_cast<size_t>(at)] == child) {
                        bestGain = gain;
                        bestEnd = at;
                        bestNode = static_cast<int>(around.size()) - 1;
                    }
                }
            }
        }
        if (bestGain == 0) {
            ++i;
            continue;
        }
        // The steps i..bestEnd give way to the shorter way found; the search goes on
        // from the same position, which may now see further.
        std::vector<Step> shortcut;
        for (int node = bestNode; around[static_cast<size_t>(node)].parent >= 0;
             node = around[static_cast<size_t>(node)].parent)
            shortcut.insert(shortcut.begin(), around[static_cast<size_t>(node)].step);
        path.erase(path.begin() + i, path.begin() + bestEnd);
        path.insert(path.begin() + i, shortcut.begin(), shortcut.end());
        states = positionsAlong(pz, path);
        index.build(keys, states);
    }
    return path;
}
