// SPDX-FileCopyrightText: 2026 Zelka-Kvadra developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "solve/PathShortening.h"
#include <unordered_map>
#include <unordered_set>

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
    int parent = -1;
    Step step;
    int depth = 0;
};

} // namespace

std::vector<Step> Shortened(const Puzzle& pz, std::vector<Step> path, int nodesPerPosition,
                            const SearchLimits& limits) {
    const PositionKeys keys(pz);
    std::vector<PlaceState> states = positionsAlong(pz, path);
    std::unordered_multimap<uint64_t, int> indexOf;
    auto index = [&] {
        indexOf.clear();
        for (int i = 0; i < static_cast<int>(states.size()); ++i) indexOf.insert({keys.key(states[i]), i});
    };
    index();

    std::vector<Around> around;
    std::unordered_set<uint64_t> seen;
    std::vector<Step> steps;
    for (int i = 0; i + 1 < static_cast<int>(states.size());) {
        if (limits.expired()) break;
        around.assign(1, {states[i], -1, {}, 0});
        seen.clear();
        seen.insert(keys.key(states[i]));
        int bestGain = 0;
        int bestEnd = -1;
        int bestNode = -1;
        for (size_t q = 0; q < around.size() && static_cast<int>(around.size()) < nodesPerPosition; ++q) {
            steps.clear();
            pz.steps(around[q].state, steps);
            for (const Step& step : steps) {
                PlaceState child = around[q].state;
                pz.apply(child, step);
                const uint64_t key = keys.key(child);
                if (!seen.insert(key).second) continue;
                const int depth = around[q].depth + 1;
                around.push_back({child, static_cast<int>(q), step, depth});
                const auto [from, to] = indexOf.equal_range(key);
                for (auto it = from; it != to; ++it) {
                    const int gain = it->second - i - depth;
                    if (gain > bestGain && states[static_cast<size_t>(it->second)] == child) {
                        bestGain = gain;
                        bestEnd = it->second;
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
        index();
    }
    return path;
}
