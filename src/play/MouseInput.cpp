// SPDX-FileCopyrightText: 2026 Zelka-Kvadra developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "play/MouseInput.h"
#include "play/BoardChanged.h"
#include "play/GameModes.h"
#include "play/Messages.h"
#include "play/MoveRules.h"
#include "play/TileGeometry.h"
#include "ui/Platform.h"
#include <cmath>
#include <cstdlib>

namespace {

constexpr int kFrameLimit = 5000;
constexpr int kRowPointerTop = 760;
constexpr int kSelectionLabel = kMaxNumberLabels;   // mg(37), the "C" of a selected tile

int twips(double v) { return static_cast<int>(std::lround(v)); }

bool isCorner(const Board& b, Cell c) {
    const int far = b.borderIdx();
    return (c.row == 0 || c.row == far) && (c.col == 0 || c.col == far);
}

} // namespace

Cell MouseInput::cellAt(double x, double y) const {
    const int size = m_s.cellSize > 0 ? m_s.cellSize : 1;
    const Cell cell{static_cast<int>(std::floor((y - 25) / size)),
                    static_cast<int>(std::floor((x - 25) / size))};
    return m_s.board.contains(cell) ? cell : Cell{-1, -1};
}

void MouseInput::MouseDown(int button, int shift, double x, double y) {
    for (int k = 1; k < kSelectionLabel; ++k) {
        const LabelControl& l = m_s.controls.numberLabels[k];
        if (l.visible && x >= l.left && x < l.left + l.width && y >= l.top && y < l.top + l.height) {
            mg_MouseDown(k, button, shift, x, y);
            return;
        }
    }
    keret_MouseDown(button, shift, x, y);
}

void MouseInput::keret_MouseDown(int, int, double x, double y) {
    const Cell cell = cellAt(x, y);
    if (cell.row < 0 || cell.col < 0) return;
    if (m_s.gameRunning)
        gameClick(cell, x, y);
    else
        setUpClick(cell);
}

// ---------------------------------------------------------------- set-up

// Picks the tile in `cell` for an exchange: the marker "C" takes the place of its number.
void MouseInput::select(Cell cell) {
    GameState& s = m_s;
    s.selected = cell;
    s.selCtl = s.board.ctl(cell);
    if (s.numberTypeSelected() && s.selCtl >= 1 && s.selCtl < kSelectionLabel)
        s.controls.numberLabels[s.selCtl].visible = false;
    LabelControl& marker = s.controls.numberLabels[kSelectionLabel];
    marker.caption = QStringLiteral("C");
    // Placed as a one-digit number's label on the selected tile.
    marker.left = GetTileLeft(s, s.selCtl, 1) + sizeOffsets(s.N() - 3, 0);
    marker.top = GetTileTop(s, s.selCtl) + sizeOffsets(s.N() - 3, 1);
    marker.visible = true;
}

void MouseInput::setUpClick(Cell cell) {
    GameState& s = m_s;
    if (awaitingResultName(s)) return;
    Board& b = s.board;
    const int value = b.value(cell);
    const bool ringEditable = capturingStoredStart(s) || !s.pendolyMode;
    const int marker = b.ctl(cell);
    auto showWall = [&](bool visible) {
        if (marker >= 1 && marker <= s.controls.wallCount()) s.controls.walls[marker].visible = visible;
    };
    if (value == kEmpty) {
        if (!ringEditable || !b.isRing(cell)) return;
        b.setValue(cell, kWall);
        showWall(true);
    } else if (value == kWall) {
        if (!ringEditable || isCorner(b, cell)) return;
        b.setValue(cell, kEmpty);
        showWall(false);
    } else if (!pausedAtFirstTarget(s)) {
        setUpTileClick(cell);
    }
}

void MouseInput::setUpTileClick(Cell cell) {
    GameState& s = m_s;
    if (s.exchangeCount >= 2) {
        ShowMessage(s, m_p, 3, MsgIcon::Information);
        return;
    }
    if (s.selected == Cell{}) {
        select(cell);
        return;
    }
    const Cell picked = s.selected;
    EndSelection(s);
    if (picked == cell) return;
    if (!capturingStoredStart(s)) ++s.exchangeCount;
    m_rules.ExchangeTiles(picked, cell);
    if (s.exchangeCount > 1 || !s.numberTypeSelected()) {
        // The board no longer is the stored shuffled state it was loaded from.
        s.shuffleNo = 0;
        s.panel.kvall.visible = false;
    }
}

// ---------------------------------------------------------------- during a game

void MouseInput::gameClick(Cell cell, double x, double y) {
    GameState& s = m_s;
    s.down = cell;
    const int value = s.board.value(cell);
    if (value == kEmpty) return;
    if (value == kWall) {
        s.kbRow = cell.row;
        s.controls.rowPointer.top = kRowPointerTop + s.cellSize * cell.row;
        if (s.pendolyMode) m_rules.BorderMove(cell);
        return;
    }
    gameTileClick(cell, x, y);
}

void MouseInput::gameTileClick(Cell cell, double x, double y) {
    GameState& s = m_s;
    const Board& b = s.board;
    const int far = b.borderIdx();
    s.selected = {};
    if (s.candidateCount > 1) EndCandidateChoice(s);

    const int k = b.ctl(cell);
    DragState& d = s.drag;
    d.tile = cell;
    d.startTop = d.minTop = d.maxTop = GetTileTop(s, k);
    d.startLeft = d.minLeft = d.maxLeft = GetTileLeft(s, k);

    struct Neighbour {
        Cell cell;
        bool inRange;
        int DragState::*limit;
        int step;
    };
    const int r = cell.row;
    const int q = cell.col;
    const Neighbour neighbours[] = {
        {{r - 1, q}, r > 0 && q > 0 && q < far, &DragState::minTop, -s.cellSize},
        {{r + 1, q}, r < far && q > 0 && q < far, &DragState::maxTop, s.cellSize},
        {{r, q - 1}, q > 0 && r > 0 && r < far, &DragState::minLeft, -s.cellSize},
        {{r, q + 1}, q < far && r > 0 && r < far, &DragState::maxLeft, s.cellSize},
    };
    int m = 0;
    Cell destination;
    for (const Neighbour& n : neighbours) {
        if (!n.inRange || b.value(n.cell) != kEmpty) continue;
        ++m;
        destination = n.cell;
        d.*n.limit += n.step;
        ShapeControl& marker = s.controls.moveMarkers[static_cast<size_t>(m)];
        marker.left = s.cellSize * n.cell.col + kMoveMarkerInset;
        marker.top = s.cellSize * n.cell.row + kMoveMarkerInset;
    }
    if (m == 1) {
        m_rules.MoveTile(cell, destination);
    } else if (m > 1) {
        s.dragging = true;
        s.dragStartX = x;
        s.dragStartY = y;
        for (int i = 1; i <= m; ++i) s.controls.moveMarkers[static_cast<size_t>(i)].visible = true;
        d.markerIdx = m;
    }
}

void MouseInput::keret_MouseMove(int, int, double x, double y) {
    GameState& s = m_s;
    if (!s.dragging || x < 0 || x > kFrameLimit || y < 0 || y > kFrameLimit) return;
    const DragState& d = s.drag;
    const int k = s.board.ctl(d.tile);
    int dY = twips(y - s.dragStartY);
    int dX = twips(x - s.dragStartX);
    const int dragTop = GetTileTop(s, k) + dY;
    const int dragLeft = GetTileLeft(s, k) + dX;
    // A tile slides along its row or column; once it strays more than cellInset off
    // one line, the other direction locks.
    if (dragTop < d.minTop || dragTop > d.maxTop || std::abs(dragLeft - d.startLeft) > s.cellInset)
        dY = 0;
    if (dragLeft < d.minLeft || dragLeft > d.maxLeft || std::abs(dragTop - d.startTop) > s.cellInset)
        dX = 0;
    if (dX != 0) {
        SetTileLeft(s, k, GetTileLeft(s, k) + dX);
        s.dragStartX = x;
    }
    if (dY != 0) {
        SetTileTop(s, k, GetTileTop(s, k) + dY);
        s.dragStartY = y;
    }
    if (s.numberTypeSelected() && k >= 1 && k < kSelectionLabel) {
        const int value = s.board.value(d.tile);
        LabelControl& label = s.controls.numberLabels[k];
        label.left = GetTileLeft(s, k, value) + sizeOffsets(s.N() - 3, 0);
        label.top = GetTileTop(s, k) + sizeOffsets(s.N() - 3, 1);
    }
}

void MouseInput::keret_MouseUp(int, int, double, double) {
    GameState& s = m_s;
    if (s.drag.markerIdx > 0) {
        for (int i = 1; i <= 4; ++i) s.controls.moveMarkers[static_cast<size_t>(i)].visible = false;
        s.drag.markerIdx = 0;
    }
    if (!s.dragging) return;
    s.dragging = false;
    const Cell from = s.drag.tile;
    const int k = s.board.ctl(from);
    auto nearest = [&](int pos) {
        const int size = s.cellSize;
        return pos / size + (2 * (pos % size) > size ? 1 : 0);
    };
    const Cell to{nearest(GetTileTop(s, k)), nearest(GetTileLeft(s, k))};
    // Dropped on its own cell, or where it may not go: back to its own cell.
    if (to == from || m_rules.MoveTile(from, to) != MoveRefusal::None)
        PlaceTileControls(s, k, s.board.value(from), from);
}

void MouseInput::keret_DblClick() {
    if (m_s.pendolyMode && m_s.gameRunning) m_rules.BorderMove(m_s.down);
}

void MouseInput::mg_MouseDown(int index, int button, int shift, double x, double y) {
    GameState& s = m_s;
    if (s.numberTypeSelected()) {
        keret_MouseDown(button, shift, x, y);
        return;
    }
    if (!s.gameRunning) {
        EndSelection(s);
        return;
    }
    if (index < 1 || index > s.candidateCount) return;
    EndCandidateChoice(s);
    m_rules.MoveCandidate(index);
}
