// SPDX-FileCopyrightText: 2026 Zelka-Kvadra developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "setup/StartSetUp.h"
#include "play/BoardChanged.h"
#include "play/BoardRing.h"
#include "play/GameModes.h"
#include "play/GameState.h"
#include "play/TileGeometry.h"
#include "setup/Arrangement.h"
#include "setup/GameTypes.h"
#include "setup/ShuffledStates.h"
#include "setup/StoredGameRecord.h"
#include "setup/StoredGames.h"
#include "setup/StoredGamesFile.h"
#include "setup/TargetMapText.h"
#include <algorithm>

namespace {

bool isPermutation(std::vector<int> values, int n) {
    if (static_cast<int>(values.size()) != n) return false;
    std::sort(values.begin(), values.end());
    for (int i = 0; i < n; ++i)
        if (values[static_cast<size_t>(i)] != i + 1) return false;
    return true;
}

bool isSoundField(const GameStart& start) {
    const int n = start.n;
    if (static_cast<int>(start.field.size()) != n * n) return false;
    if (start.type == StartType::Numbers) return isPermutation(start.field, n * n);
    std::vector<int> counts(static_cast<size_t>(n + 1), 0);
    for (int v : start.field) {
        if (v < 1 || v > n) return false;
        ++counts[static_cast<size_t>(v)];
    }
    return std::all_of(counts.begin() + 1, counts.end(), [n](int c) { return c == n; });
}

bool usesRowColours(StartType t) { return t == StartType::Diagonal || t == StartType::RandomColours; }

void selectSize(GameState& s, Platform& p, int n) {
    switch (n) {
    case 4: Option1_Click(s, p); break;
    case 5: Option2_Click(s, p); break;
    default: Option3_Click(s, p); break;
    }
}

void selectType(GameState& s, Platform& p, StartType type) {
    switch (type) {
    case StartType::Numbers: szamsor_Click(s, p); break;
    case StartType::Diagonal: atlos_Click(s, p); break;
    case StartType::RandomColours:
    case StartType::Pattern: generalt_Click(s, p); break;
    case StartType::Stored: tarolt_Click(s, p); break;
    }
}

void putField(GameState& s, const GameStart& start) {
    Board& b = s.board;
    for (int k = 1; k <= start.n * start.n; ++k) {
        const Cell cell = b.fieldCell(k);
        const int value = start.field[static_cast<size_t>(k - 1)];
        b.set(cell, value, k);
        PlaceTileControls(s, k, value, cell);
        DrawTileLook(s, k, value);
    }
}

void putRing(GameState& s, const GameStart& start) {
    CloseRing(s);
    if (start.pendoly) return;
    OpenRingCells(s, start.openRing);
}

void putMarkers(GameState& s, const GameStart& start) {
    for (int i = 1; i <= start.n; ++i) {
        if (usesRowColours(start.type)) {
            s.rowColours[static_cast<size_t>(i)] = start.rowColours[static_cast<size_t>(i - 1)];
            s.controls.rowMarkers[static_cast<size_t>(i)].colourIndex = s.rowColours[static_cast<size_t>(i)];
        }
        if (start.type == StartType::RandomColours) {
            s.colColours[static_cast<size_t>(i)] = start.colColours[static_cast<size_t>(i - 1)];
            s.controls.colMarkers[static_cast<size_t>(i)].colourIndex = s.colColours[static_cast<size_t>(i)];
        }
    }
}

// The map without its openings: the ring of the board says which cells are open.
QString walledMap(const GameStart& start) {
    QString text = start.targetMapText.left((start.n + 2) * (start.n + 2));
    for (int r = 0; r < start.n + 2; ++r)
        for (int q = 0; q < start.n + 2; ++q)
            if (IsMapRingCell(start.n, r, q)) text[r * (start.n + 2) + q] = QLatin1Char('7');
    return text;
}

// The map beside the board, in place of the type and size choices, as choosing a
// stored game or drawing a pattern leaves it.
void putMap(GameState& s, const GameStart& start) {
    PanelControls& c = s.panel;
    CopyTargetMap(s, walledMap(start));
    s.targetMapText = start.targetMapText;
    c.alapall.visible = true;
    if (start.type == StartType::Pattern) {
        c.skev.visible = false;
        c.okev.visible = false;
        for (size_t i = 1; i < s.controls.rowMarkers.size(); ++i) s.controls.rowMarkers[i].visible = false;
        for (size_t i = 1; i < s.controls.colMarkers.size(); ++i) s.controls.colMarkers[i].visible = false;
        c.uj.caption = s.texts.messages.value(0);
    } else {
        for (ControlState* off : {&c.uj_jatek, &c.jatek_tor, &c.kevall}) off->enabled = false;
    }
}

void putOrigin(GameState& s, const GameStart& start) {
    s.storedGameNo = start.storedGameNo;
    s.storedGameName = start.storedGameName;
    s.shuffleNo = start.shuffleNo;
    s.panel.kvall.visible = start.shuffleNo != 0;
    if (start.shuffleNo != 0)
        s.panel.kvall.caption = s.panel.kever.caption.left(1) + QLatin1Char(':') + QString::number(start.shuffleNo);
}

} // namespace

bool IsSoundStart(const GameStart& start) {
    const int n = start.n;
    if (n < 4 || n > 6) return false;
    if (!isSoundField(start)) return false;
    if (usesRowColours(start.type) ? !isPermutation(start.rowColours, n) : !start.rowColours.empty()) return false;
    if (start.type == StartType::RandomColours ? !isPermutation(start.colColours, n) : !start.colColours.empty())
        return false;
    if (playsToMap(start.type) ? !IsSoundTargetMap(start.targetMapText, n) : !start.targetMapText.isEmpty())
        return false;
    if (playsToMap(start.type) && start.rearrangement) return false;
    const quint32 openable = (quint32{1} << (4 * n)) - 1;
    if ((start.openRing & ~openable) != 0 || (start.pendoly && start.openRing != 0)) return false;
    if (start.storedGameNo < 0 || start.storedGameNo > kMaxStoredGameSerial) return false;
    if (start.storedGameName.size() > kStoredGameNameSize) return false;
    return start.shuffleNo >= 0 && start.shuffleNo <= kMaxShuffledStateId;
}

void PutStartOnWindow(GameState& s, Platform& p, const GameStart& start) {
    if (playsToTargetMap(s)) alapall_Click(s);
    if (s.pendolyMode != start.pendoly) babilon_Click(s);
    selectSize(s, p, start.n);
    selectType(s, p, start.type);
    if (!playsToMap(start.type)) s.panel.atrend.checked = start.rearrangement;
    putField(s, start);
    putRing(s, start);
    putMarkers(s, start);
    if (playsToMap(start.type)) putMap(s, start);
    putOrigin(s, start);
    s.exchangeCount = 0;
    OnBoardChanged(s);
}

bool ResolveCodedStart(GameStart& start, const QDir& folder) {
    if (start.type != StartType::Stored) return false;
    const int n = start.n;
    const auto sameField = [&](const QString& map) {
        for (int i = 1; i <= n; ++i)
            for (int j = 1; j <= n; ++j)
                if (MapDigit(map, n, i, j) != MapDigit(start.targetMapText, n, i, j)) return false;
        return true;
    };
    if (const std::optional<StoredGamesScan> scan = ReadStoredGames(folder)) {
        for (const StoredGame& game : StoredGamesOfSize(*scan, n)) {
            if (!sameField(game.targetMap)) continue;
            start.storedGameNo = game.serial;
            start.storedGameName = game.name;
            start.targetMapText = game.targetMap;
            return false;
        }
    }
    start.type = StartType::Pattern;
    start.storedGameNo = 0;
    start.storedGameName.clear();
    return true;
}

void OpenRingCells(GameState& s, quint32 mask) {
    const std::vector<Cell> cells = OpenableRingCells(s.N());
    for (size_t i = 0; i < cells.size(); ++i) {
        if (!(mask & (quint32{1} << i)) || s.board.value(cells[i]) != kWall) continue;
        s.board.setValue(cells[i], kEmpty);
        const int m = WallMarkerOf(s.board, cells[i]);
        if (m >= 1 && m <= s.controls.wallCount()) s.controls.walls[m].visible = false;
    }
}
