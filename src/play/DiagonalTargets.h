// SPDX-FileCopyrightText: 2026 Zelka-Kvadra developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// The targets of the diagonal type: colour bands along the falling diagonals (read
// row by row) and along the rising ones. Each band takes the colour of a row marker,
// so new row colours change the target too.
struct GameState;

// Fills `targetPatterns` (k = 1..N², column 0 falling, 1 rising) for the current
// size from the row colours.
void BuildDiagonalTargets(GameState& s);
