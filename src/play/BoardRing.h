// SPDX-FileCopyrightText: 2026 Zelka-Kvadra developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// The ring of border cells and its wall markers. Marker m shows ring cell m in row
// order: the whole top row, then both ends of each field row, then the bottom row.
// A marker is hidden while its cell is open.
#include "play/Board.h"

struct GameState;

// The number of the wall marker of ring cell `cell`; 0 for a cell off the ring.
int WallMarkerOf(const Board& b, Cell cell);

// The open cells of the ring as the board holds them: its ring cells that are not
// walls (empty, or holding a tile that stepped out of the field).
int CountOpenRingCells(const Board& b);

// Shows the wall marker of every ring cell that is a wall and hides the others, so the
// drawn ring is the board's.
void ShowRingAsBoardHolds(GameState& s);

// Every empty ring cell becomes a wall again and every wall marker is shown, so the
// board and the markers always agree.
void CloseRing(GameState& s);
