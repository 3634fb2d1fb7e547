// SPDX-FileCopyrightText: 2026 Zelka-Kvadra developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "solve/PatternTables.h"
#include <bit>
#include <cstddef>

namespace {

constexpr uint8_t kUnknown = 255;
constexpr size_t kMaxTableBytes = size_t(64) << 20;

// Ways to put `tiles` tiles on different places out of `count`.
size_t arrangements(size_t count, size_t tiles) {
    size_t result = 1;
    for (size_t i = 0; i < tiles; ++i) result *= count - i;
    return result;
}

// The positions of the tiles of table index `index` (the inverse of PatternTables::rank).
void unrank(size_t index, size_t tiles, size_t count, uint8_t* positions) {
    size_t free[8];
    for (size_t i = tiles; i-- > 0;) {
        free[i] = index % (count - i);
        index /= count - i;
    }
    uint64_t taken = 0;
    for (size_t i = 0; i < tiles; ++i) {
        // The free[i]-th place not taken by the tiles before it.
        size_t place = free[i];
        for (uint64_t rest = taken; rest; rest &= rest - 1) {
            if (static_cast<size_t>(std::countr_zero(rest)) > place) break;
            ++place;
        }
        positions[i] = static_cast<uint8_t>(place);
        taken |= 1ULL << place;
    }
}

// Breadth-first from the group's home, backwards along the slides: a tile now on x came
// from a place y whose tile may slide into x, when no other tile of the group is on y.
bool fillTable(const MoveGraph& g, PatternTables::Group& group, const SearchLimits& limits) {
    const size_t count = static_cast<size_t>(g.placeCount());
    const size_t tiles = group.places.size();
    group.table.assign(arrangements(count, tiles), kUnknown);
    const size_t home = PatternTables::rank(group.places.data(), tiles, count);
    group.table[home] = 0;
    std::vector<uint32_t> queue{static_cast<uint32_t>(home)};
    queue.reserve(group.table.size());
    uint8_t position[8];
    for (size_t head = 0; head < queue.size(); ++head) {
        if ((head & 0xFFFF) == 0 && limits.expired()) return false;
        const size_t index = queue[head];
        const uint8_t next = static_cast<uint8_t>(group.table[index] + 1);
        unrank(index, tiles, count, position);
        uint64_t taken = 0;
        for (size_t i = 0; i < tiles; ++i) taken |= 1ULL << position[i];
        for (size_t i = 0; i < tiles; ++i) {
            const uint8_t x = position[i];
            for (uint8_t y : g.slideFrom[x]) {
                if (taken >> y & 1) continue;
                position[i] = y;
                const size_t to = PatternTables::rank(position, tiles, count);
                position[i] = x;
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
    // Two blocks of two columns by three rows and the bottom row: the larger the groups,
    // the more of the tiles' getting in each other's way the tables see.
    return {{0, 1, 2, 4, 5}, {3, 6, 7, 10, 11}, {8, 9, 12, 13, 14}, {15}};
}

std::shared_ptr<const PatternTables> PatternTables::Build(const MoveGraph& g,
                                                          const std::vector<std::vector<uint8_t>>& groups,
                                                          const SearchLimits& limits) {
    auto tables = std::make_shared<PatternTables>();
    tables->m_placeCount = static_cast<size_t>(g.placeCount());
    for (const std::vector<uint8_t>& places : groups) {
        if (places.empty() || places.size() > 8) return nullptr;
        if (places.size() > tables->m_placeCount ||
            arrangements(tables->m_placeCount, places.size()) > kMaxTableBytes)
            return nullptr;
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
