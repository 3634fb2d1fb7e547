// SPDX-FileCopyrightText: 2026 Zelka-Kvadra developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// Additive pattern tables for the number type in one geometry. The field places are
// split into groups; the table of a group holds, for every way the group's tiles can
// stand on the places of the geometry, the fewest moves of those tiles alone that bring
// them home, other tiles taken off the board. Each move moves one tile of one group, so
// the groups' values add up to a lower bound. The tables depend on the geometry only
// (which tile a target wants on a place is looked up at use), so one set serves every
// number target, and is kept for as long as the geometry is played.
//
// A table has one entry for each way its k tiles can stand on k different places of the
// P places: P · (P - 1) · ... · (P - k + 1) bytes, so a group of six on a board with four
// open ring cells (20 places) takes 28 MB.
#include "solve/MoveGraph.h"
#include "solve/SearchSupport.h"
#include <bit>
#include <cstdint>
#include <memory>
#include <vector>

class PatternTables {
public:
    struct Group {
        std::vector<uint8_t> places;   // the field places the group's tiles are wanted on
        std::vector<uint8_t> table;    // indexed by rank(positions)
    };

    // Tables for `g` over `groups` (field places), or null when stopped first.
    static std::shared_ptr<const PatternTables> Build(const MoveGraph& g,
                                                      const std::vector<std::vector<uint8_t>>& groups,
                                                      const SearchLimits& limits = {});
    // The groups used for a geometry of size n with `places` places, or none when the
    // tables would be too large for it.
    static std::vector<std::vector<uint8_t>> GroupsFor(int n, int places);

    // The value for group `group` whose i-th tile stands on positions[i].
    int lookup(int group, const uint8_t* positions) const {
        const Group& gr = m_groups[static_cast<size_t>(group)];
        return gr.table[rank(positions, gr.places.size(), m_placeCount)];
    }
    // The index of `tiles` tiles on the different places positions[0..tiles) out of
    // `placeCount`: each position counted among the places the tiles before it left free.
    static size_t rank(const uint8_t* positions, size_t tiles, size_t placeCount) {
        size_t index = 0;
        uint64_t taken = 0;
        for (size_t i = 0; i < tiles; ++i) {
            const uint64_t below = taken & ((1ULL << positions[i]) - 1);
            index = index * (placeCount - i) + (positions[i] - static_cast<size_t>(std::popcount(below)));
            taken |= 1ULL << positions[i];
        }
        return index;
    }
    const std::vector<Group>& groups() const { return m_groups; }
    size_t bytes() const;

private:
    size_t m_placeCount = 0;
    std::vector<Group> m_groups;
};
