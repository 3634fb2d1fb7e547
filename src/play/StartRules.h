// SPDX-FileCopyrightText: 2026 Zelka-Kvadra developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// Which starts can be won with a single open ring cell.
//
// A tile in a ring cell can only go back to the field cell beside it, and no other
// tile can enter that ring cell while it is taken. With one open cell, then, the
// tile that stands beside it at the start stands there at the end: the game can be
// won only if that tile already holds its value for a target still open.
//
// Numbers add a second condition. Once that tile has stepped into the ring, the field
// is an N x N sliding puzzle whose empty cell must end where it began, and such a
// puzzle reaches exactly the orders that differ from the start by an even
// permutation. Colour tiles of one colour stand in for each other, so for them the
// first condition is the whole story. Two or more open cells lift both conditions.
#include "play/GameState.h"
#include <optional>
#include <vector>

enum class OneGapRefusal {
    None,                    // not a one-gap board, or a target is within reach
    TileBesideGapOutOfPlace, // the tile beside the only open cell holds no open target's value
    OddArrangement,          // numbers: every target that tile allows is an odd permutation away
};

// Why the board as it stands, with exactly one open ring cell, can never reach any of
// the targets still open (Targets.h); None when it can, or when another rule
// decides (two or more open cells, the Pendoly mode's rotating rows). The board may be
// a start (the ring cell empty) or a game under way (its tile out in the ring cell
// and the empty cell somewhere in the field).
OneGapRefusal OneGapStartRefusal(const GameState& s);

// Whether the permutation that takes the field's values to those `wanted` holds, cell
// by cell in row order, is even. Both hold each value once; nothing when they do not.
std::optional<bool> EvenPermutationBetween(const std::vector<int>& field, const std::vector<int>& wanted);
