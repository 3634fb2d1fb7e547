// SPDX-FileCopyrightText: 2026 Zelka-Kvadra developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// The moves of one geometry (board size, mode, the ring cells that are not walls), read
// off the game's own move rules once and kept in the compact form the search walks.
//
// A place is a cell a tile can stand on: a field cell or an open ring cell. In Pendoly
// mode the top ring row holds one travelling slot; it is a single place whatever its
// column, and the column is part of the position. The graph knows nothing of the rules
// itself: each edge is a move that CheckMove allowed on a probe board, each rotation the
// shift ApplyMove made there, each step count the one MoveResult gave.
#include "play/Board.h"
#include <cstdint>
#include <vector>

struct GameState;

// A row rotation of Pendoly mode and where it takes the content of each field place.
struct RowRotation {
    int row = 0;
    bool rightwards = false;
    std::vector<uint8_t> to;   // to[place] = the place that content goes to
};

class MoveGraph {
public:
    static constexpr int kMaxPlaces = 64;
    static constexpr uint8_t kFar = 255;   // no way between two places

    // The geometry of `s`: its size, its mode, and (outside Pendoly mode) its ring cells
    // that are not walls.
    static MoveGraph Derive(const GameState& s);

    int n = 0;
    bool pendoly = false;
    std::vector<Cell> cells;     // the cell of each place; field places come first, row by row
    int slot = -1;               // Pendoly: the slot's place; its cell's column is 0
    // slideFrom[h]: the places whose tile may slide into an empty place h.
    std::vector<std::vector<uint8_t>> slideFrom;
    // distance[a][b]: the fewest slides a lone tile needs from a to b (kFar: none).
    std::vector<std::vector<uint8_t>> distance;

    // Pendoly mode, indexed by column 1..N (entry 0 unused).
    std::vector<bool> liftAt;    // a tile of (1, col) may rise into the slot standing above it
    std::vector<bool> dropAt;    // a tile in the slot above col may come down into (1, col)
    std::vector<std::vector<bool>> carry;      // [a][b]: the slot carries its tile from a to b
    std::vector<std::vector<bool>> emptyShift; // [a][b]: the empty slot moves from a to b
    bool carryCountsStep = true;               // a carried tile is a step
    bool emptyShiftCountsStep = false;         // an empty slot moving is none
    bool slotGoesAnywhereFree = false;         // every column reaches every other empty
    bool rotationCountsStep = true;            // a rotation is a step
    std::vector<RowRotation> rotations;

    int placeCount() const { return static_cast<int>(cells.size()); }
    int fieldPlaces() const { return n * n; }
    // The place of a cell, -1 when it is none. The slot's place answers for any cell of
    // the top ring row's field columns.
    int placeOf(Cell c) const;
};
