// SPDX-FileCopyrightText: 2026 Zelka-Kvadra developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "play/Assistance.h"
#include "play/OwnTexts.h"

namespace {

void placeMarker(GameState& s, int index, Cell cell) {
    ShapeControl& marker = s.controls.moveMarkers[static_cast<size_t>(index)];
    marker.left = s.cellSize * cell.col + kMoveMarkerInset;
    marker.top = s.cellSize * cell.row + kMoveMarkerInset;
    marker.visible = true;
}

} // namespace

void MarkAssisted(GameState& s) {
    s.assisted = true;
    ControlState& mark = s.panel.segitseg;
    mark.caption = OwnTextIn(OwnText::AssistedMark, s.texts);
    mark.visible = true;
}

void ClearAssisted(GameState& s) {
    s.assisted = false;
    s.panel.segitseg.visible = false;
}

void ShowAssistedEnd(GameState& s) {
    if (!s.assisted) return;
    PanelControls& c = s.panel;
    for (ControlState* hidden : {&c.Label3, &c.neve, &c.ment}) hidden->visible = false;
    c.segitseg.caption = OwnTextIn(OwnText::AssistedNotStorable, s.texts);
    c.segitseg.visible = true;
    c.focusRequest = QStringLiteral("megse");
}

void ShowMoveHint(GameState& s, const Move& move) {
    Cell tile = move.from;
    Cell to = move.to;
    if (move.kind == MoveKind::RotateRow) {
        const int n = s.N();
        tile = {move.from.row, move.rightwards ? 1 : n};
        to = {move.from.row, move.rightwards ? 2 : n - 1};
    }
    placeMarker(s, 1, tile);
    placeMarker(s, 2, to);
}
