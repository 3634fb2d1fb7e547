// SPDX-FileCopyrightText: 2026 Zelka-Kvadra developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// A lower bound on the steps still needed: the least, over the targets still open, of
// what that target needs at the least. Each part is a known bound:
//
//  - numbers: each tile's distance to its place (along the move graph), plus two steps
//    for each tile that must leave its row or column line to let another pass (linear
//    conflicts), or the sum of additive pattern tables where the geometry has them;
//  - colours: for each colour, the cheapest assignment of its tiles to the cells that
//    want it (tiles of one colour stand in for each other);
//  - Pendoly mode: tiles change rows only one slide at a time, so vertical distances
//    add up; a rotation moves at most N tiles one column and a carry one tile, so the
//    column distances, divided by N, bound the rotations and carries;
//  - where asked and small enough (colours, and the Pendoly mode): the exact distance
//    of a coarser puzzle in which one class of tiles (a colour, or the tiles wanted in
//    one row or one column) is told apart from the rest, the largest over the classes.
//
// A target may be partial: only the field places of a mask count (the staged search
// places a few rows at a time).
#include "solve/Assignment.h"
#include "solve/Puzzle.h"
#include <array>
#include <cstdint>
#include <memory>
#include <vector>

class CoarseTable;
class PatternTables;
struct SearchLimits;

class Heuristic {
public:
    static constexpr int kMaxParts = 192;
    static constexpr int kUnreachable = 1000;

    // What the bound is made of for one position; updated step by step in the search.
    struct Parts {
        std::array<int16_t, kMaxParts> v{};
        int h = 0;
    };

    // `active[g]`: the field places of goal g that count; 0 leaves the goal out, and a
    // goal past the end of `active` counts whole. `tables` (may be null):
    // additive pattern tables of the geometry, used for whole number targets.
    // `coarseEntries` > 0 adds the coarse tables of at most that many entries each,
    // built now (until `limits` runs out; those not built are left out).
    Heuristic(const Puzzle& pz, const std::vector<uint64_t>& active,
              std::shared_ptr<const PatternTables> tables = nullptr, uint64_t coarseEntries = 0,
              const SearchLimits* limits = nullptr);
    // The memory of the coarse tables.
    size_t coarseBytes() const;

    void compute(const PlaceState& s, Parts& parts) const;
    // After a slide from place a to place b (its tile now on b): only the parts that
    // slide can change are worked out again.
    void afterSlide(const PlaceState& s, int a, int b, Parts& parts) const;
    int estimate(const PlaceState& s) const;
    // Turns the bound into a guide for the search of a stage, which needs no proof: it
    // adds how far the nearest empty place is from the nearest tile still to be placed,
    // and in Pendoly mode counts each tile's rows and columns to its cell in full.
    void guide(bool on) { m_guide = on; }
    // Pendoly mode: adds what the row turns cost (RowTurns). Sharper, at some cost per
    // position: for the proof, where the bound decides how much is searched.
    void rowTurns(bool on) { m_rowTurns = on; }
    // Ring places (a mask) that must be empty too; each tile on one adds a step.
    void keepEmpty(uint64_t places) { m_keepEmpty = places; }

    // Whether afterSlide applies (no Pendoly rotations or carries in this geometry).
    bool slidesOnly() const { return !m_pz.graph.pendoly; }
    // The goal whose bound is the least for `parts`.
    int bestGoal(const Parts& parts) const;

private:
    struct Line {
        bool isRow = true;
        int index = 0;                 // the row or column number
        std::vector<uint8_t> places;   // in order along the line
    };
    struct ColourClass {
        uint64_t values = 0;           // the tile values it holds
        std::vector<uint8_t> places;   // the field places that want them
    };
    struct GoalModel {
        int goal = 0;
        bool trivial = false;          // nothing sound to say: bound 0
        bool singles = false;          // each tile value wanted on one place at most
        std::array<int8_t, 64> placeOf{};   // singles: the place value v is wanted on, -1 none
        std::vector<ColourClass> classes;   // otherwise
        std::array<int8_t, 64> classOf{};
        bool usesTables = false;
        std::vector<std::shared_ptr<const CoarseTable>> coarse;
        int coarsePart = -1;           // of its parts: the largest coarse distance
        int offset = 0;                // of its parts: singles md, lines..., groups...; classes one each
        int partCount = 0;
    };

    void buildModel(GoalModel& m, uint64_t active);
    void buildCoarse(GoalModel& m, uint64_t entries, const SearchLimits& limits) const;
    int coarseValue(const GoalModel& m, const PlaceState& s) const;
    int goalValue(const GoalModel& m, const Parts& parts) const;
    int lineConflicts(const GoalModel& m, const Line& line, const PlaceState& s) const;
    // The places of the tiles of class `c` in `s`, written to `places`; their count.
    int tilesOf(const ColourClass& c, const PlaceState& s, int* places) const;
    int classCost(const GoalModel& m, int k, const PlaceState& s) const;
    int tableValue(const GoalModel& m, int group, const PlaceState& s) const;
    int pendolyValue(const GoalModel& m, const PlaceState& s) const;
    int pendolyGuide(const GoalModel& m, const PlaceState& s) const;
    void computeGoal(const GoalModel& m, const PlaceState& s, Parts& parts) const;
    void addCoarse(const PlaceState& s, Parts& parts) const;
    void finish(Parts& parts, const PlaceState& s) const;
    int emptyPlaceGuide(const PlaceState& s) const;
    int holeDistance(const PlaceState& s, int tile, int hole) const;

    const Puzzle& m_pz;
    std::shared_ptr<const PatternTables> m_tables;
    std::vector<GoalModel> m_models;
    std::vector<Line> m_lines;
    std::vector<std::vector<int>> m_linesOfPlace;   // the row line and the column line
    mutable Assignment m_assignment;
    bool m_guide = false;
    bool m_rowTurns = false;
    uint64_t m_keepEmpty = 0;
};
