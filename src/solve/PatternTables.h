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
#include "solve/MoveGraph.h"
#include "solve/SearchSupport.h"
#include <cstdint>
#include <memory>
#include <vector>

class PatternTables {
public:
    struct Group {
        std::vector<uint8_t> places;   // the field places the group's tiles are wanted on
        std::vector<uint8_t> table;    // indexed by Σ position[i] · P^i
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
        size_t index = 0;
        for (size_t i = gr.places.size(); i-- > 0;) index = index * m_placeCount + positions[i];
        return gr.table[index];
    }
    const std::vector<Group>& groups() const { return m_groups; }
    size_t bytes() const;

private:
    size_t m_placeCount = 0;
    std::vector<Group> m_groups;
};
