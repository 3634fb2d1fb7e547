// SPDX-FileCopyrightText: 2026 Zelka-Kvadra developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// A game that a hint or the solver helped. It is marked while it runs; at its end the
// name entry is not offered, and the mark says why: the results file has no place to
// record the help, so such a result is never stored.
#include "play/GameState.h"
#include "play/Move.h"

// The game is helped from now on; the mark shows above the board.
void MarkAssisted(GameState& s);
// A new game starts without help.
void ClearAssisted(GameState& s);
// The end of a helped game: the name entry stays hidden and the mark, in its place,
// says that the result cannot be stored.
void ShowAssistedEnd(GameState& s);

// Marks the tile `move` moves next and the cell it goes to (a row rotation: its first
// tile on its way; the top ring row's slot: where it goes), as the drag shows its
// destinations. The markers go at the next change of the board.
void ShowMoveHint(GameState& s, const Move& move);
