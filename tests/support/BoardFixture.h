// SPDX-FileCopyrightText: 2026 Zelka-Kvadra developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// A built board with the whole input and flow logic around it, on the fake
// platform: pick a type and size, lay out the field as a list of values, open ring
// cells, and drive it through the same handlers the window calls.
#include "FakePlatform.h"
#include "play/BoardRing.h"
#include "play/GameFlow.h"
#include "play/GameState.h"
#include "play/KeyboardInput.h"
#include "play/MouseInput.h"
#include "play/MoveRules.h"
#include <initializer_list>

// Every ring cell is closed on the board and drawn closed: no empty ring cell, every
// wall marker shown.
inline bool RingClosed(const GameState& s) {
    for (int m = 1; m <= s.controls.wallCount(); ++m)
        if (!s.controls.walls[m].visible) return false;
    return CountOpenRingCells(s.board) == 0;
}

struct BoardFixture {
    enum class Type { Numbers, Diagonal, RandomColours, Stored };

    explicit BoardFixture(Type type = Type::Numbers, int n = 4);

    // Field values row by row; tile control k stands in field cell k.
    void setField(std::initializer_list<int> values);
    // Opens (or closes) a ring cell by a set-up click.
    void clickCell(Cell cell);
    // The twips of a cell's centre inside the board frame.
    double centreX(int col) const { return s.cellSize * col + s.cellSize / 2.0; }
    double centreY(int row) const { return s.cellSize * row + s.cellSize / 2.0; }
    void key(int code, int shift = 0) { keys.Form_KeyDown(code, shift); }
    void typeDigits(const char* digits);
    // Numbers of the message boxes raised so far.
    std::vector<int> messageNumbers() const;

    GameState s;
    FakePlatform fp;
    MoveRules rules{s};
    GameFlow flow{s, fp.platform, rules};
    MouseInput mouse{s, fp.platform, rules};
    KeyboardInput keys{s, rules};
};
