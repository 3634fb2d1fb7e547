// SPDX-FileCopyrightText: 2026 Zelka-Kvadra developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "play/Move.h"
#include "play/BoardRing.h"
#include "play/GameState.h"
#include <cstdlib>
#include <utility>

Move Move::inverse() const {
    switch (kind) {
    case MoveKind::Slide: return slide(to, from);
    case MoveKind::RotateRow: return rotateRow(from.row, !rightwards);
    case MoveKind::ShiftSlot: return shiftSlot(to.col, from.col);
    case MoveKind::Exchange: return *this;
    }
    return *this;
}

namespace {

MoveRefusal checkSlide(const GameState& s, Cell tile, Cell hole) {
    const Board& b = s.board;
    if (!b.contains(tile) || !b.contains(hole)) return MoveRefusal::OffTheBoard;
    if (!isTileValue(b.value(tile))) return MoveRefusal::NoTile;
    if (b.value(hole) != kEmpty) return MoveRefusal::NotEmpty;
    if (std::abs(tile.row - hole.row) + std::abs(tile.col - hole.col) != 1) return MoveRefusal::NotNeighbours;
    if (b.isRing(tile) && b.isRing(hole)) return MoveRefusal::AlongTheRing;
    if (s.pendolyMode && tile.row == hole.row) return MoveRefusal::SidewaysInPendoly;
    return MoveRefusal::None;
}

MoveRefusal checkRotation(const GameState& s, int row) {
    if (!s.pendolyMode) return MoveRefusal::PendolyOnly;
    if (row < 1 || row > s.N()) return MoveRefusal::OffTheBoard;
    return MoveRefusal::None;
}

MoveRefusal checkSlotShift(const GameState& s, int fromCol, int toCol) {
    if (!s.pendolyMode) return MoveRefusal::PendolyOnly;
    const int n = s.N();
    if (fromCol < 1 || fromCol > n || toCol < 1 || toCol > n) return MoveRefusal::OffTheBoard;
    if (fromCol == toCol) return MoveRefusal::SameCell;
    if (s.slotCol != fromCol || s.board.value({0, fromCol}) == kWall) return MoveRefusal::NoOpenSlot;
    return MoveRefusal::None;
}

MoveRefusal checkExchange(const GameState& s, Cell a, Cell b) {
    if (!isTileValue(s.board.value(a)) || !isTileValue(s.board.value(b))) return MoveRefusal::NoTile;
    if (a == b) return MoveRefusal::SameCell;
    return MoveRefusal::None;
}

// A cell a tile leaves keeps the number of its wall marker when it is a ring cell,
// as a wall there does; a field cell keeps none.
int ctlLeftBehind(const Board& b, Cell cell) { return b.isRing(cell) ? WallMarkerOf(b, cell) : 0; }

void slide(Board& b, Cell tile, Cell hole) {
    b.set(hole, b.value(tile), b.ctl(tile));
    b.set(tile, kEmpty, ctlLeftBehind(b, tile));
}

// Shifts the row one cell; the cell at the end it moves towards wraps round to the
// other end. Empty cells move along with the tiles.
void rotate(Board& b, int row, bool rightwards) {
    const int n = b.size();
    const int nearEnd = rightwards ? n : 1;
    const int step = rightwards ? -1 : 1;
    const int value = b.value({row, nearEnd});
    const int ctl = b.ctl({row, nearEnd});
    for (int col = nearEnd; col != nearEnd + step * (n - 1); col += step)
        b.set({row, col}, b.value({row, col + step}), b.ctl({row, col + step}));
    const int farEnd = rightwards ? 1 : n;
    b.set({row, farEnd}, value, ctl);
}

// The open cell of the top ring row moves to `toCol`; a tile standing in it goes along.
void shiftSlot(GameState& s, int fromCol, int toCol) {
    Board& b = s.board;
    const Cell from{0, fromCol};
    const Cell to{0, toCol};
    b.set(to, b.value(from), isTileValue(b.value(from)) ? b.ctl(from) : b.ctl(to));
    b.set(from, kWall, WallMarkerOf(b, from));
    s.slotCol = toCol;
}

void exchange(Board& b, Cell a, Cell c) {
    const int value = b.value(a);
    const int ctl = b.ctl(a);
    b.set(a, b.value(c), b.ctl(c));
    b.set(c, value, ctl);
}

} // namespace

MoveRefusal CheckMove(const GameState& s, const Move& move) {
    switch (move.kind) {
    case MoveKind::Slide: return checkSlide(s, move.from, move.to);
    case MoveKind::RotateRow: return checkRotation(s, move.from.row);
    case MoveKind::ShiftSlot: return checkSlotShift(s, move.from.col, move.to.col);
    case MoveKind::Exchange: return checkExchange(s, move.from, move.to);
    }
    return MoveRefusal::OffTheBoard;
}

MoveResult ApplyMove(GameState& s, const Move& move) {
    const MoveRefusal refusal = CheckMove(s, move);
    if (refusal != MoveRefusal::None) return {refusal, false};
    switch (move.kind) {
    case MoveKind::Slide:
        slide(s.board, move.from, move.to);
        return {MoveRefusal::None, true};
    case MoveKind::RotateRow:
        rotate(s.board, move.from.row, move.rightwards);
        return {MoveRefusal::None, true};
    case MoveKind::ShiftSlot: {
        const bool carried = isTileValue(s.board.value(move.from));
        shiftSlot(s, move.from.col, move.to.col);
        return {MoveRefusal::None, carried};
    }
    case MoveKind::Exchange:
        exchange(s.board, move.from, move.to);
        return {MoveRefusal::None, false};
    }
    return {MoveRefusal::OffTheBoard, false};
}
