// SPDX-FileCopyrightText: 2026 Zelka-Kvadra developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// A move as a value: what a key, a click, the demo or a take-back asks of the board.
// ApplyMove checks it against the rules and carries it out, or refuses it and says
// why; every source of moves goes through it. It changes the board and the open
// column of the top ring row only: the controls follow in a pass of their own.
#include "play/Board.h"

struct GameState;

enum class MoveKind {
    Slide,     // a tile slides into an empty cell beside it
    RotateRow, // Pendoly: a field row shifts one cell sideways, its end wraps round
    ShiftSlot, // Pendoly: the open cell of the top ring row moves, carrying its tile
    Exchange,  // set-up: two tiles change places
};

struct Move {
    MoveKind kind = MoveKind::Slide;
    Cell from;               // Slide: the tile; ShiftSlot: (0, open column); Exchange: a tile;
                             // RotateRow: (row, 0)
    Cell to;                 // Slide: the empty cell; ShiftSlot: (0, new column); Exchange:
                             // the other tile; RotateRow: (row, 0)
    bool rightwards = false; // RotateRow: the row moves towards column N

    static Move slide(Cell tile, Cell hole) { return {MoveKind::Slide, tile, hole, false}; }
    static Move rotateRow(int row, bool towardsRight) {
        return {MoveKind::RotateRow, {row, 0}, {row, 0}, towardsRight};
    }
    static Move shiftSlot(int fromCol, int toCol) {
        return {MoveKind::ShiftSlot, {0, fromCol}, {0, toCol}, false};
    }
    static Move exchange(Cell a, Cell b) { return {MoveKind::Exchange, a, b, false}; }

    // The move that puts the board back as it was before this one.
    Move inverse() const;

    friend bool operator==(const Move&, const Move&) = default;
};

// Why a move was refused. Rule violations are ignored silently during play; the
// reason serves the callers and the tests.
enum class MoveRefusal {
    None,
    OffTheBoard,       // a cell outside the grid, or a row or column outside the field
    NoTile,            // the cell to move from holds no tile
    NotEmpty,          // the cell to move into is not empty
    NotNeighbours,     // the two cells are not side by side
    AlongTheRing,      // a tile enters or leaves the field; it never runs along the ring
    SidewaysInPendoly, // Pendoly: tiles of the field move only up and down
    PendolyOnly,       // rows rotate and the top slot travels only in Pendoly mode
    NoOpenSlot,        // the top ring row has no open cell where the move starts
    SameCell,          // the slot moves to its own column, or a tile changes with itself
};

struct MoveResult {
    MoveRefusal refusal = MoveRefusal::None;
    bool step = false;   // a tile moved: a step to sound, and to count when played
    bool applied() const { return refusal == MoveRefusal::None; }
};

// Whether `move` is allowed on the board as it stands.
MoveRefusal CheckMove(const GameState& s, const Move& move);
// Checks `move` and, when it is allowed, carries it out on the board (both layers)
// and the open column of the top ring row; a refused move changes nothing.
MoveResult ApplyMove(GameState& s, const Move& move);
