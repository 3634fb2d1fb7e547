// SPDX-FileCopyrightText: 2026 Zelka-Kvadra developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// Passing input state belongs to the board it was made for: a choice of candidate
// moves on display with the digits typed for it, a tile picked in set-up, a tile
// being dragged. Whatever changes the board (a move, a take-back, a shuffle, a
// loaded start) calls OnBoardChanged, so none of them outlives its board.
struct GameState;

void OnBoardChanged(GameState& s);

// Ends a choice of candidates on display: its labels go back to normal and the list
// and the typed digits are emptied.
void EndCandidateChoice(GameState& s);
// Ends the set-up selection: the "C" marker goes, the tile's own number comes back.
void EndSelection(GameState& s);
// Lets go of a dragged tile: its destination markers go; the tile itself returns to
// its cell with the next placing of the tiles.
void EndDrag(GameState& s);
