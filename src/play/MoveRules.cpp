// SPDX-FileCopyrightText: 2026 Zelka-Kvadra developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "play/MoveRules.h"
#include "play/BoardChanged.h"
#include "play/BoardRing.h"
#include "play/TileGeometry.h"

void MoveRules::showStepCount() { m_s.panel.Lszm.caption = QString::number(m_s.stepCount); }

void MoveRules::countStep(const Move& move) {
    ++m_s.stepCount;
    showStepCount();
    m_s.moveHistory.record(move);
}

void MoveRules::checkSolved() {
    if (m_checkSolved) m_checkSolved();
}

// The checked apply, then what follows any change of the board: the tile controls
// stand where the board says, the top ring row's markers show its open cell, and
// input state made for the old board ends.
MoveResult MoveRules::apply(const Move& move) {
    const MoveResult result = ApplyMove(m_s, move);
    if (!result.applied()) return result;
    OnBoardChanged(m_s);
    PlaceTiles(m_s);
    if (move.kind == MoveKind::ShiftSlot) {
        for (Cell cell : {move.from, move.to}) {
            const int m = WallMarkerOf(m_s.board, cell);
            if (m >= 1 && m <= m_s.controls.wallCount())
                m_s.controls.walls[m].visible = m_s.board.value(cell) == kWall;
        }
    }
    if (result.step && m_stepSound) m_stepSound();
    return result;
}

MoveRefusal MoveRules::Play(const Move& move) {
    const MoveResult result = apply(move);
    if (result.applied()) m_s.record.append(RecordStep::played(move));
    if (result.applied() && result.step) {
        countStep(move);
        checkSolved();
    }
    return result.refusal;
}

void MoveRules::MoveCandidate(int k) {
    if (k < 1 || k > kMaxCandidates) return;
    const CandidateMove candidate = m_s.candidates[k];
    Play(Move::slide(candidate.tile, candidate.hole));
}

void MoveRules::ListCandidates(Cell hole, int keyCode) {
    const int far = m_s.board.borderIdx();
    const bool rowInside = hole.row > 0 && hole.row < far;
    const bool colInside = hole.col > 0 && hole.col < far;
    Cell tile;
    switch (keyCode) {
    case 37: // Left: the tile to the right moves left
        if (hole.col >= far || !rowInside) return;
        tile = {hole.row, hole.col + 1};
        break;
    case 38: // Up: the tile below moves up
        if (hole.row >= far || !colInside) return;
        tile = {hole.row + 1, hole.col};
        break;
    case 39: // Right
        if (hole.col <= 0 || !rowInside) return;
        tile = {hole.row, hole.col - 1};
        break;
    case 40: // Down
        if (hole.row <= 0 || !colInside) return;
        tile = {hole.row - 1, hole.col};
        break;
    default:
        return;
    }
    if (!isTileValue(m_s.board.value(tile)) || m_s.candidateCount >= kMaxCandidates) return;
    ++m_s.candidateCount;
    m_s.candidates[m_s.candidateCount] = {tile, hole};
}

std::optional<Move> BorderClickMove(const GameState& s, Cell clicked) {
    const int n = s.N();
    const int far = n + 1;
    const int r = clicked.row;
    const int q = clicked.col;
    if (!s.board.contains(clicked)) return std::nullopt;
    if ((q > 0 && q < far && r > 0) || r == far) return std::nullopt;
    if (r >= 1) return Move::rotateRow(r, q == far);
    const int slot = s.slotCol;
    int target = q;
    if (q == far)
        target = slot == n ? 1 : slot + 1;
    else if (q == 0)
        target = slot == 1 ? n : slot - 1;
    else if (q == slot)
        return std::nullopt;
    return Move::shiftSlot(slot, target);
}

void MoveRules::BorderMove(Cell clicked) {
    if (const std::optional<Move> move = BorderClickMove(m_s, clicked)) Play(*move);
}

bool MoveRules::TakeBack() {
    const Move* newest = m_s.moveHistory.newest();
    if (!newest) return false;
    const Move undo = newest->inverse();
    // A tile that came down from the top ring row goes back up into the open slot,
    // which may have travelled on, empty, since: it comes back first, uncounted.
    std::optional<Move> slotBack;
    if (m_s.pendolyMode && undo.kind == MoveKind::Slide && undo.to.row == 0 && m_s.slotCol != undo.to.col) {
        slotBack = Move::shiftSlot(m_s.slotCol, undo.to.col);
        if (!apply(*slotBack).applied()) return false;
    }
    if (!apply(undo).applied()) {
        if (slotBack) apply(slotBack->inverse());
        return false;
    }
    m_s.moveHistory.dropNewest();
    m_s.record.append(RecordStep::takeBack());
    --m_s.stepCount;
    showStepCount();
    // Undoing a border move is a border move: it checks the target as every one does.
    if (undo.kind != MoveKind::Slide) checkSolved();
    return true;
}
