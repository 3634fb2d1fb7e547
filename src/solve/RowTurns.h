// SPDX-FileCopyrightText: 2026 Zelka-Kvadra developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// What the row turns of the Pendoly mode cost at the least. A tile of the field changes
// its column only while its whole row turns (or while the slot carries it), so the
// tiles that never leave their row all end up moved by the same turn of that row: the
// others must leave the row, which costs slides up or down, and the turn itself costs
// as many rotations as its columns the short way round.
//
// For each row and each net turn (0..N-1 columns to the right) the counts here say how
// many of the row's tiles could stay: the target accepts each of them that many columns
// on. Which tiles are counted is up to the caller: for numbers those wanted in the row
// (a tile wanted elsewhere leaves anyway, and its slides are counted with its rows); for
// colours every tile of the row.
#include "solve/Puzzle.h"
#include <array>
#include <cstdint>

class RowTurns {
public:
    static constexpr int kMaxN = 8;

    // The counts for `s` against goal `goal`; `wantedInRowOnly`: count only the tiles
    // the goal accepts somewhere in their own row.
    RowTurns(const Puzzle& pz, const Goal& goal, const PlaceState& s, bool wantedInRowOnly);

    // The fewest of the counted tiles that must leave their rows, whatever the turns.
    int mustLeave() const;
    // The least, over the net turns of every row, of `leaveCost` slides for each counted
    // tile that cannot stay plus the rotations of the turns.
    int leavingOrTurning(int leaveCost) const;
    // The least, over the net turns of every row, of the rotations of the turns plus the
    // larger of `vertical` (the slides up and down known to be needed) and `extra` plus
    // the counted tiles that cannot stay (one slide each at least).
    int turnsAndSlides(int vertical, int extra) const;

    // Rotations for a net turn of `turn` columns: the short way round.
    static int Rotations(int turn, int n) { return turn <= n - turn ? turn : n - turn; }

private:
    int m_n = 0;
    std::array<std::array<int8_t, kMaxN>, kMaxN> m_stay{};   // [row - 1][turn]
    std::array<int8_t, kMaxN> m_tiles{};                       // [row - 1] tiles counted
};
