// SPDX-FileCopyrightText: 2026 Zelka-Kvadra developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "play/KeyboardInput.h"
#include "play/BoardChanged.h"
#include "play/GameModes.h"
#include "play/MoveRules.h"
#include "play/TileGeometry.h"

namespace {

constexpr int kRowPointerTop = 760;

bool isDigit(int keyCode) { return keyCode >= KeyCode::Digit0 && keyCode <= KeyCode::Digit9; }

} // namespace

void KeyboardInput::Form_KeyDown(int keyCode, int shift) {
    GameState& s = m_s;
    if (keyCode == KeyCode::Space && demoRunning(s)) {
        s.demoState = s.demoState == DemoState::Running ? DemoState::Paused : DemoState::Running;
        return;
    }
    if (keyCode == KeyCode::Escape && demoRunning(s)) {
        s.demoState = DemoState::Off;
        return;
    }
    if (keyCode == KeyCode::F1) {
        if (openHelp) openHelp();
        return;
    }
    if (keyCode == KeyCode::Delete) {
        m_rules.TakeBack();
        return;
    }
    if (keyCode == KeyCode::Break) {
        if (quitNow) quitNow();
        return;
    }
    if (!s.gameRunning) return;
    s.selected = {};

    if (s.candidateCount > 1) {
        if (s.numberTypeSelected()) {
            resolveNumberChoice(keyCode);
            return;
        }
        if (resolveColourChoice(keyCode)) return;
    }
    if (s.pendolyMode) {
        if (pendolyKey(keyCode, shift)) return;
    } else if (keyCode < KeyCode::Left || keyCode > KeyCode::Down) {
        return;
    }
    arrowKey(keyCode);
}

// Number type: the player types the number of the tile to move. Any key but a digit
// or Enter cancels the choice.
void KeyboardInput::resolveNumberChoice(int keyCode) {
    GameState& s = m_s;
    if (isDigit(keyCode)) {
        s.typedDigits += QChar(u'0' + (keyCode - KeyCode::Digit0));
        if (s.typedDigits.size() < 2) return;
    }
    int chosen = 0;
    if (keyCode == KeyCode::Enter || isDigit(keyCode)) {
        const int wanted = s.typedDigits.toInt();
        for (int k = 1; k <= s.candidateCount && chosen == 0; ++k)
            if (s.board.value(s.candidates[k].tile) == wanted) chosen = k;
    }
    EndCandidateChoice(s);
    if (chosen > 0) m_rules.MoveCandidate(chosen);
}

// Colour types: digit m picks candidate m; any other key clears the choice and is
// then taken as a fresh key. Returns true when the key was used up.
bool KeyboardInput::resolveColourChoice(int keyCode) {
    GameState& s = m_s;
    const int digit = keyCode - KeyCode::Digit0;
    const bool picked = digit >= 1 && digit <= s.candidateCount;
    EndCandidateChoice(s);
    if (picked) m_rules.MoveCandidate(digit);
    return picked;
}

void KeyboardInput::pickRow(int row) {
    m_s.kbRow = row;
    m_s.controls.rowPointer.top = kRowPointerTop + m_s.cellSize * row;
}

bool KeyboardInput::pendolyKey(int keyCode, int shift) {
    GameState& s = m_s;
    const int n = s.N();
    const bool shifted = (shift & kShiftMask) != 0;
    if (keyCode >= KeyCode::Digit0 && keyCode <= KeyCode::Digit0 + n) {
        pickRow(keyCode - KeyCode::Digit0);
    } else if (keyCode == KeyCode::Space || (keyCode == KeyCode::Down && shifted)) {
        pickRow(s.kbRow >= n ? 0 : s.kbRow + 1);
    } else if (keyCode == KeyCode::Up && shifted) {
        pickRow(s.kbRow <= 0 ? n : s.kbRow - 1);
    } else if (keyCode == KeyCode::Right) {
        m_rules.BorderMove({s.kbRow, n + 1});
    } else if (keyCode == KeyCode::Left) {
        m_rules.BorderMove({s.kbRow, 0});
    } else {
        return false;
    }
    return true;
}

void KeyboardInput::arrowKey(int keyCode) {
    GameState& s = m_s;
    const Board& b = s.board;
    s.candidateCount = 0;
    for (int r = 0; r <= b.borderIdx(); ++r)
        for (int q = 0; q <= b.borderIdx(); ++q)
            if (b.value({r, q}) == kEmpty) m_rules.ListCandidates({r, q}, keyCode);
    if (s.candidateCount == 1) {
        m_rules.MoveCandidate(1);
        s.candidateCount = 0;
    } else if (s.candidateCount > 1) {
        showChoice();
    }
}

void KeyboardInput::showChoice() {
    GameState& s = m_s;
    for (int m = 1; m <= s.candidateCount; ++m) {
        const int ctl = s.board.ctl(s.candidates[m].tile);
        if (s.numberTypeSelected()) {
            if (ctl >= 1 && ctl < kMaxNumberLabels) s.controls.numberLabels[ctl].colour = kSysHighlight;
            continue;
        }
        LabelControl& label = s.controls.numberLabels[m];
        label.caption = QString::number(m);
        label.left = GetTileLeft(s, ctl) + sizeOffsets(s.N() - 3, 0);
        label.top = GetTileTop(s, ctl) + sizeOffsets(s.N() - 3, 1);
        label.visible = true;
    }
}
