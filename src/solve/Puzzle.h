// SPDX-FileCopyrightText: 2026 Zelka-Kvadra developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// A game position as the search sees it: the move graph of its geometry, the value on
// each place, and the arrangements that end the game (the targets still open, as the
// end-of-game check judges them). Also the compact steps the search takes, and how one
// changes a position.
#include "play/Targets.h"
#include "solve/MoveGraph.h"
#include <QString>
#include <array>
#include <cstdint>
#include <optional>
#include <vector>

// The value on each place (0 empty, else a tile value below 64) and, in Pendoly mode,
// the slot's column; 0 stands for "any" while the slot is empty and may go anywhere free.
struct PlaceState {
    std::array<uint8_t, MoveGraph::kMaxPlaces> at{};
    uint8_t slotCol = 0;
    friend bool operator==(const PlaceState&, const PlaceState&) = default;
};

// One step of the search; each counts one step of the game.
enum class SearchStepKind : uint8_t {
    Slide,   // a: the tile's place, b: the empty place
    Lift,    // Pendoly: a: the field place below the slot, b: the column (the empty slot goes there first, free)
    Drop,    // Pendoly: a: the column, b: the field place below it
    Carry,   // Pendoly: the slot takes its tile from column a to column b
    Rotate,  // Pendoly: rotation number a of the move graph
};

struct Step {
    SearchStepKind kind = SearchStepKind::Slide;
    uint8_t a = 0;
    uint8_t b = 0;
    friend bool operator==(const Step&, const Step&) = default;
};

// A target still open: which values each field place accepts there (bit v of the mask).
struct Goal {
    Target target;
    std::vector<uint64_t> accepts;   // [field place]
};

class Puzzle {
public:
    static constexpr int kMaxValue = 63;

    // The position of `s` with the targets the game accepts now. Nothing, with the reason
    // in `whyNot`, when the board is outside what the search can hold (a tile value of 64
    // or more, a ring the mode does not allow).
    static std::optional<Puzzle> FromGame(const GameState& s, QString* whyNot = nullptr);

    MoveGraph graph;
    std::vector<Goal> goals;     // the targets some arrangement of these tiles can meet
    int openTargets = 0;         // the targets the game accepts, met or not by these tiles
    PlaceState start;

    // The goal the position meets, -1 when none.
    int goalMet(const PlaceState& p) const;
    // Whether the field places in `places` (a mask) all hold what goal `g` wants.
    bool meets(const PlaceState& p, int g, uint64_t places) const;

    // Every step allowed in `p`, appended to `out`.
    void steps(const PlaceState& p, std::vector<Step>& out) const;
    void apply(PlaceState& p, const Step& s) const;
    // The step that undoes `s`.
    Step inverse(const Step& s) const;

    // The place of field cell (row, col), both 1..N.
    int fieldPlace(int row, int col) const { return (row - 1) * graph.n + (col - 1); }
    // Row and column of what stands on place p (the slot: row 0, its column).
    int rowOf(int place) const { return graph.cells[place].row; }
    int colOf(const PlaceState& p, int place) const {
        return place == graph.slot ? p.slotCol : graph.cells[place].col;
    }
    uint64_t allField() const {
        const int f = graph.fieldPlaces();
        return f >= 64 ? ~0ULL : (1ULL << f) - 1;
    }

private:
    void normalizeSlot(PlaceState& p) const;
};
