// SPDX-FileCopyrightText: 2026 Zelka-Kvadra developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "solve/PatternTables.h"
#include <cstddef>

namespace {

constexpr uint8_t kUnknown = 255;
constexpr size_t kMaxTableBytes = size_t(64) << 20;

size_t power(size_t base, size_t exponent) {
    size_t result = 1;
    for (size_t i = 0; i < exponent; ++i) result *= base;
    return result;
}

// Breadth-first from the group's home, backwards along the slides: a tile now on x came
// from a place y whose tile may slide into x, when no other tile of the group is on y.
bool fillTable(const MoveGraph& g, PatternTables::Group& group, const SearchLimits& limits) {
    const size_t count = static_cast<size_t>(g.placeCount());
    const size_t tiles = group.places.size();
    group.table.assign(power(count, tiles), kUnknown);
    std::vector<size_t> weight(tiles);
    for (size_t i = 0; i < tiles; ++i) weight[i] = power(count, i);
    size_t home = 0;
    for (size_t i = 0; i < tiles; ++i) home += group.places[i] * weight[i];
    group.table[home] = 0;
    std::vector<uint32_t> queue{static_cast<uint32_t>(home)};
    uint8_t position[8];
    for (size_t head = 0; head < queue.size(); ++head) {
        if ((head & 0xFFFF) == 0 && limits.expired()) return false;
        const size_t index = queue[head];
        const uint8_t next = static_cast<uint8_t>(group.table[index] + 1);
        uint64_t taken = 0;
        size_t rest = index;
        for (size_t i = 0; i < tiles; ++i) {
            position[i] = static_cast<uint8_t>(rest % count);
            rest /= count;
            taken |= 1ULL << position[i];
        }
        for (size_t i = 0; i < tiles; ++i) {
            const size_t x = position[i];
            for (uint8_t y : g.slideFrom[x]) {
                if (taken >> y & 1) continue;
                const size_t to = index + (static_cast<size_t>(y) - x) * weight[i];
                if (group.table[to] != kUnknown) continue;
                group.table[to] = next;
                queue.push_back(static_cast<uint32_t>(to));
            }
        }
    }
    return true;
}

} // namespace

std::vector<std::vector<uint8_t>> PatternTables::GroupsFor(int n, int places) {
    if (n != 4 || places > 24) return {};
    // Field places row by row:  0  1  2  3 /  4  5  6  7 /  8  9 10 11 / 12 13 14 15
    return {{0, 1, 2, 4, 5}, {3, 6, 7, 10, 11}, {8, 9, 12, 13, 14}, {15}};
}

std::shared_ptr<const PatternTables> PatternTables::Build(const MoveGraph& g,
                                                          const std::vector<std::vector<uint8_t>>& groups,
                                                          const SearchLimits& limits) {
    auto tables = std::make_shared<PatternTables>();
    tables->m_placeCount = static_cast<size_t>(g.placeCount());
    for (const std::vector<uint8_t>& places : groups) {
        if (places.empty() || places.size() > 8) return nullptr;
        if (power(tables->m_placeCount, places.size()) > kMaxTableBytes) return nullptr;
        Group group;
        group.places = places;
        if (!fillTable(g, group, limits)) return nullptr;
        tables->m_groups.push_back(std::move(group));
    }
    return tables;
}

size_t PatternTables::bytes() const {
    size_t total = 0;
    for (const Group& g : m_groups) total += g.table.size();
    return total;
}
