// SPDX-FileCopyrightText: 2026 Zelka-Kvadra developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "setup/Arrangement.h"
#include "play/BoardChanged.h"
#include "play/GameState.h"
#include "play/TileGeometry.h"
#include "presentation/BoardLayout.h"

void DrawTileLook(GameState& s, int k, int value) {
    if (k < 1 || k > s.controls.tileCount()) return;
    TileControl& tile = s.controls.tiles[k];
    LabelControl* label = k <= kMaxNumberLabels ? &s.controls.numberLabels[k] : nullptr;
    if (s.numberTypeSelected()) {
        tile.visible = s.numberTileColour != 0;
        tile.colourIndex = s.numberTileColour;
        if (label) {
            label->caption = QString::number(value);
            label->visible = true;
        }
    } else {
        tile.colourIndex = value;
        if (label) label->visible = false;
    }
}

void NewArrangement(GameState& s, RandomSource& rnd) {
    FillInitialBoard(s, rnd);
    const int n = s.N();
    for (int k = 1; k <= n * n; ++k) {
        const Cell cell = s.board.fieldCell(k);
        const int value = s.board.value(cell);
        s.board.setCtl(cell, k);
        PlaceTileControls(s, k, value, cell);
        DrawTileLook(s, k, value);
    }
    OnBoardChanged(s);
}
