// SPDX-FileCopyrightText: 2026 Zelka-Kvadra developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// Where tiles and their number labels stand, in twips inside the board frame.
// A tile sits 35 twips inside its cell; its number label is offset per board size,
// and a one-digit number stands 35 twips further right so it looks centred.
#include "play/Board.h"

struct GameState;

constexpr int kTileInset = 35;
constexpr int kOneDigitShift = 35;

// sizeOffsets(N-3, 0 = left / 1 = top) for N = 4, 5, 6.
int sizeOffsets(int sizeIdx, int axis);

int tileLeftAt(const GameState& s, int col);
int tileTopAt(const GameState& s, int row);
int labelLeftAt(const GameState& s, int col, int tileValue);
int labelTopAt(const GameState& s, int row);

// Position of tile control k in the current look. In the number-sequence type
// GetTileLeft returns Left less 35 for a two-digit `tileValue`, so that adding the
// size's label offset gives that tile's label position.
int GetTileLeft(const GameState& s, int k, int tileValue = 0);
int GetTileTop(const GameState& s, int k);
void SetTileLeft(GameState& s, int k, int v);
void SetTileTop(GameState& s, int k, int v);

// Moves tile control k, and in the number-sequence type its number label, into `cell`.
void PlaceTileControls(GameState& s, int k, int tileValue, Cell cell);

// Every tile control, and in the number-sequence type its number label, stands in the
// cell the board gives it: the controls follow the board after it changed.
void PlaceTiles(GameState& s);
