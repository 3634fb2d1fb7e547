// SPDX-FileCopyrightText: 2026 Zelka-Kvadra developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "play/BoardChanged.h"
#include "play/GameState.h"

namespace {
constexpr int kSelectionLabel = kMaxNumberLabels;   // mg(37), the "C" of a selected tile
} // namespace

void EndCandidateChoice(GameState& s) {
    if (s.numberTypeSelected()) {
        // The number type marks a candidate by the colour of its tile's own label.
        for (int k = 1; k <= s.board.cellCount() && k < kSelectionLabel; ++k)
            s.controls.numberLabels[k].colour = kSysButtonText;
    } else {
        for (int m = 1; m <= s.candidateCount && m <= kMaxCandidates; ++m)
            s.controls.numberLabels[m].visible = false;
    }
    s.candidateCount = 0;
    s.typedDigits.clear();
}

void EndSelection(GameState& s) {
    if (s.selected == Cell{}) return;
    s.controls.numberLabels[kSelectionLabel].visible = false;
    if (s.numberTypeSelected() && s.selCtl >= 1 && s.selCtl < kSelectionLabel)
        s.controls.numberLabels[s.selCtl].visible = true;
    s.selected = {};
}

void EndDrag(GameState& s) {
    for (size_t i = 1; i < s.controls.moveMarkers.size(); ++i) s.controls.moveMarkers[i].visible = false;
    s.drag.markerIdx = 0;
    s.dragging = false;
}

void OnBoardChanged(GameState& s) {
    // A single candidate is never on display: it is performed at once.
    if (s.candidateCount > 1) EndCandidateChoice(s);
    s.typedDigits.clear();
    EndSelection(s);
    EndDrag(s);
}
