// SPDX-FileCopyrightText: 2026 Zelka-Kvadra developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// The exact distances of a coarser puzzle: the tiles are sorted into a few classes and
// tiles of one class are taken as alike (a colour, or "any other tile"). Every move of
// the real puzzle is a move of the coarse one, at the same count of steps, and the
// real target is a coarse target, so a coarse distance is never more than the real
// one. The table holds every coarse position reachable from the target, each with its
// fewest steps, found breadth-first backwards from the target with the real move
// graph (rotations, slot and all). It suits geometries whose coarse positions are few:
// the Pendoly mode with its single slot, or a class and the rest on a small board.
#include "solve/Puzzle.h"
#include "solve/SearchSupport.h"
#include <array>
#include <cstdint>
#include <memory>
#include <vector>

class CoarseTable {
public:
    static constexpr int kMaxClasses = 6;
    using Classes = std::array<uint8_t, 64>;   // [tile value] = class 1..kMaxClasses; [0] stays 0

    // The number of coarse positions (the table's size) for the tiles of `start` sorted
    // by `classOf`.
    static uint64_t Size(const Puzzle& pz, const Classes& classOf);
    // The table of goal `goal` of `pz` under `classOf`; null when the goal does not want
    // one class on each field place, when the table would have more than `maxEntries`
    // entries, or when stopped first. The distances depend only on where the target puts
    // each class, not on which tiles make a class: a table of `built` whose target is the
    // same serves again (the number targets of both orders and both forms want some
    // row's worth of tiles in the same row).
    static std::shared_ptr<const CoarseTable> Build(const Puzzle& pz, int goal, const Classes& classOf,
                                                    uint64_t maxEntries, const SearchLimits& limits = {},
                                                    const std::vector<std::shared_ptr<const CoarseTable>>& built = {});

    // The fewest steps from `s` (real tile values) to the goal, as the coarse puzzle
    // counts them; kFar when the goal cannot be reached.
    int lookup(const PlaceState& s) const;
    size_t bytes() const { return m_table->size(); }
    // The distances, which tables of one target share.
    const std::vector<uint8_t>* distances() const { return m_table.get(); }

    static constexpr int kFar = 255;

private:
    uint64_t rank(const uint8_t* classes, int slotCol) const;
    void unrank(uint64_t index, PlaceState& s) const;

    int m_places = 0;
    int m_classCount = 0;                      // classes besides the empty one
    uint64_t m_slotColumns = 1;                // Pendoly: n + 1 (column 0: the slot empty)
    std::array<int, kMaxClasses + 1> m_count{};  // places of each class, 0 the empty ones
    uint64_t m_arrangements = 0;
    // The arrangements of every count of classes still to place, so that ranking needs
    // no division: m_ways[Σ left[c] · m_stride[c]].
    std::array<uint32_t, kMaxClasses + 1> m_stride{};
    std::vector<uint64_t> m_ways;
    Classes m_classOf{};
    std::array<uint8_t, MoveGraph::kMaxPlaces> m_target{};   // the class on each place at the target
    std::shared_ptr<std::vector<uint8_t>> m_table;
};
