// SPDX-FileCopyrightText: 2026 Zelka-Kvadra developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "play/BoardRing.h"
#include "play/GameState.h"

int WallMarkerOf(const Board& b, Cell cell) {
    if (!b.isRing(cell)) return 0;
    const int span = b.gridSpan();
    if (cell.row == 0) return cell.col + 1;
    if (cell.row == b.borderIdx()) return span + 2 * b.size() + cell.col + 1;
    return span + 2 * (cell.row - 1) + (cell.col == 0 ? 1 : 2);
}

int CountOpenRingCells(const Board& b) {
    int open = 0;
    for (int r = 0; r <= b.borderIdx(); ++r)
        for (int q = 0; q <= b.borderIdx(); ++q)
            if (b.isRing({r, q}) && b.value({r, q}) != kWall) ++open;
    return open;
}

void ShowRingAsBoardHolds(GameState& s) {
    const Board& b = s.board;
    for (int r = 0; r <= b.borderIdx(); ++r) {
        for (int q = 0; q <= b.borderIdx(); ++q) {
            const int m = WallMarkerOf(b, {r, q});
            if (m >= 1 && m <= s.controls.wallCount()) s.controls.walls[m].visible = b.value({r, q}) == kWall;
        }
    }
}

void CloseRing(GameState& s) {
    Board& b = s.board;
    const int far = b.borderIdx();
    for (int r = 0; r <= far; ++r) {
        for (int q = 0; q <= far; ++q) {
            const Cell cell{r, q};
            if (b.isRing(cell) && b.value(cell) == kEmpty) b.setValue(cell, kWall);
        }
    }
    for (int m = 1; m <= s.controls.wallCount(); ++m) s.controls.walls[m].visible = true;
}
