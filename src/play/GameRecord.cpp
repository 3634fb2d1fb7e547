// SPDX-FileCopyrightText: 2026 Zelka-Kvadra developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "play/GameRecord.h"
#include "play/GameModes.h"
#include "play/GameState.h"
#include <bit>

std::vector<Cell> OpenableRingCells(int n) {
    std::vector<Cell> cells;
    const int far = n + 1;
    for (int r = 0; r <= far; ++r) {
        for (int q = 0; q <= far; ++q) {
            const bool ring = r == 0 || q == 0 || r == far || q == far;
            const bool corner = (r == 0 || r == far) && (q == 0 || q == far);
            if (ring && !corner) cells.push_back({r, q});
        }
    }
    return cells;
}

quint32 OpenRingMask(const Board& b) {
    quint32 mask = 0;
    const std::vector<Cell> cells = OpenableRingCells(b.size());
    for (size_t i = 0; i < cells.size(); ++i)
        if (b.value(cells[i]) != kWall) mask |= quint32{1} << i;
    return mask;
}

int MaskCount(quint32 mask) { return std::popcount(mask); }

StartType StartTypeOf(const GameState& s) {
    const PanelControls& p = s.panel;
    if (p.tarolt.checked) return StartType::Stored;
    if (playsToTargetMap(s)) return StartType::Pattern;
    if (p.generalt.checked) return StartType::RandomColours;
    if (p.szamsor.checked) return StartType::Numbers;
    return StartType::Diagonal;
}

GameStart CaptureStart(const GameState& s) {
    GameStart start;
    const int n = s.N();
    start.n = n;
    start.pendoly = s.pendolyMode;
    start.type = StartTypeOf(s);
    start.rearrangement = !playsToMap(start.type) && rearrangementGame(s);
    for (int p = 1; p <= n * n; ++p) start.field.push_back(s.board.value(s.board.fieldCell(p)));
    // The Pendoly mode's one open cell is always the same at the start.
    start.openRing = s.pendolyMode ? 0 : OpenRingMask(s.board);
    const auto markers = [n](const std::vector<int>& colours) {
        std::vector<int> values;
        for (int i = 1; i <= n; ++i) values.push_back(i < static_cast<int>(colours.size()) ? colours[i] : 0);
        return values;
    };
    if (start.type == StartType::Diagonal || start.type == StartType::RandomColours)
        start.rowColours = markers(s.rowColours);
    if (start.type == StartType::RandomColours) start.colColours = markers(s.colColours);
    if (playsToMap(start.type)) start.targetMapText = s.targetMapText;
    start.storedGameNo = s.storedGameNo;
    start.storedGameName = s.storedGameName;
    start.shuffleNo = s.shuffleNo;
    return start;
}
