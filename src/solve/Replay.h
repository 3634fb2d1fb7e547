// SPDX-FileCopyrightText: 2026 Zelka-Kvadra developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// Every solution is played through the game's own rules before anyone sees it: the
// search's compact steps become the game's moves, each goes through ApplyMove on a copy
// of the position, the steps are counted as MoveResult counts them, and the end is
// judged by the end-of-game check. A solution the rules refuse is never reported.
#include "play/GameState.h"
#include "play/Move.h"
#include "solve/Puzzle.h"
#include <optional>
#include <vector>

struct Solution {
    std::vector<Move> moves;   // the game's moves, an empty slot's free travel included
    int steps = 0;             // as the game counts them
};

// Whether the field meets a target the game accepts now: the end-of-game check.
bool GameAcceptsField(const GameState& s);

// The game's moves for `steps` from `s`, played on a copy through the rules. It ends at
// the first step after which the end-of-game check accepts the field (the game ends
// there too). Nothing when a move is refused or the field never meets a target.
std::optional<Solution> ReplayThroughRules(const GameState& s, const Puzzle& pz, const std::vector<Step>& steps);

// Plays game moves on a copy of `s`; how many steps they count, or nothing when the
// rules refuse one or the end-of-game check does not accept the field at the end.
std::optional<int> CheckSolution(const GameState& s, const std::vector<Move>& moves);
