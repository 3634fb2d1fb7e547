// SPDX-FileCopyrightText: 2026 Zelka-Kvadra developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// A solution fast at every size, where one search over the whole board would drown:
// the field is filled a little at a time, each stage a small best-first search that
// places a few more cells and keeps those placed before (they may step aside and come
// back meanwhile). A stage sees only the tiles its cells want; every other tile is a
// wildcard to it, so its positions are few.
//
// The order follows the way people fill such a board: line by line (rows or columns,
// from one side or the other), a cell at a time, the last two cells of a line
// together, then the last two lines a pair of cells at a time across and the final
// two-by-two block at once. The empty cells have to end in the ring, so the order ends
// next to the open ring cells. A pair that does not fall into place quickly is set up
// first as people do it: the tile for the line's end cell goes into the cell before it,
// the tile for that cell beside it in the next line; from there a few steps finish it.
//
// In Pendoly mode a row turns as a whole and the slot above the top row carries tiles
// to any column: the rows are filled from the bottom up, a cell at a time, and a row
// two below the ones still to fill no longer moves.
//
// For colour targets each tile is given a name of its own, and each stage asks for the
// nearest free tile of the colour its new cells want: a stage then sees as few tiles
// as with numbers.
#include "solve/SearchSupport.h"
#include <cstddef>

// The orders tried: 0 is the one that ends next to the open ring cells, 1.. others.
constexpr int kStagedOrders = 8;

SearchResult StagedSearch(const Puzzle& pz, int goal, int order, size_t memoryBytes, const SearchLimits& limits);
