// SPDX-FileCopyrightText: 2026 Zelka-Kvadra developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "play/TileGeometry.h"
#include "play/GameState.h"

int sizeOffsets(int sizeIdx, int axis) {
    static constexpr int kOffsets[4][2] = {{0, 0}, {320, 250}, {270, 200}, {220, 170}};
    if (sizeIdx < 1 || sizeIdx > 3 || axis < 0 || axis > 1) return 0;
    return kOffsets[sizeIdx][axis];
}

int tileLeftAt(const GameState& s, int col) { return s.cellSize * col + kTileInset; }
int tileTopAt(const GameState& s, int row) { return s.cellSize * row + kTileInset; }

int labelLeftAt(const GameState& s, int col, int tileValue) {
    const int shift = tileValue <= 9 ? kOneDigitShift : 0;
    return s.cellSize * col + sizeOffsets(s.N() - 3, 0) + shift;
}

int labelTopAt(const GameState& s, int row) {
    return s.cellSize * row + kTileInset + sizeOffsets(s.N() - 3, 1);
}

static bool validTile(const GameState& s, int k) { return k >= 1 && k <= s.controls.tileCount(); }

int GetTileLeft(const GameState& s, int k, int tileValue) {
    if (!validTile(s, k)) return 0;
    const int left = s.controls.tiles[k].left;
    return s.numberTypeSelected() && tileValue > 9 ? left - kOneDigitShift : left;
}

int GetTileTop(const GameState& s, int k) {
    return validTile(s, k) ? s.controls.tiles[k].top : 0;
}

void SetTileLeft(GameState& s, int k, int v) {
    if (validTile(s, k)) s.controls.tiles[k].left = v;
}

void SetTileTop(GameState& s, int k, int v) {
    if (validTile(s, k)) s.controls.tiles[k].top = v;
}

void PlaceTileControls(GameState& s, int k, int tileValue, Cell cell) {
    SetTileTop(s, k, tileTopAt(s, cell.row));
    SetTileLeft(s, k, tileLeftAt(s, cell.col));
    if (s.numberTypeSelected() && k >= 1 && k <= kMaxNumberLabels) {
        s.controls.numberLabels[k].left = labelLeftAt(s, cell.col, tileValue);
        s.controls.numberLabels[k].top = labelTopAt(s, cell.row);
    }
}

void PlaceTiles(GameState& s) {
    const Board& b = s.board;
    for (int r = 0; r <= b.borderIdx(); ++r) {
        for (int q = 0; q <= b.borderIdx(); ++q) {
            const Cell cell{r, q};
            if (isTileValue(b.value(cell))) PlaceTileControls(s, b.ctl(cell), b.value(cell), cell);
        }
    }
}
