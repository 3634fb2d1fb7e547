// SPDX-FileCopyrightText: 2026 Zelka-Kvadra developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// A fresh random arrangement of the field, drawn: the values are permuted and tile
// control k is put into field cell k, row by row, with the look of its value.
struct GameState;
class RandomSource;

void NewArrangement(GameState& s, RandomSource& rnd);
// Gives the tile in `cell`-order position k the look of the cell's value (colour types)
// or of the number-tile colour with its number label shown (number sequence).
void DrawTileLook(GameState& s, int k, int value);
