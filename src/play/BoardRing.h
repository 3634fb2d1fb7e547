#pragma once
// The ring of border cells and its wall markers. Marker m shows ring cell m in row
// order: the whole top row, then both ends of each field row, then the bottom row.
// A marker is hidden while its cell is open.
#include "play/Board.h"

struct GameState;

// The number of the wall marker of ring cell `cell`; 0 for a cell off the ring.
int WallMarkerOf(const Board& b, Cell cell);

// Number of hidden wall markers: the open cells of the ring.
int CountOpenRingCells(const GameState& s);

// Every empty ring cell becomes a wall again and every wall marker is shown, so the
// board and the markers always agree.
void CloseRing(GameState& s);
