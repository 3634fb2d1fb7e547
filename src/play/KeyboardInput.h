// SPDX-FileCopyrightText: 2026 Zelka-Kvadra developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// Keyboard input of the main window (it sees every key first). Arrow keys push a
// tile into a neighbouring empty cell; when several tiles could go, the choice is
// put on display and the next key picks one: its digit in the colour types, the
// tile's number (typed, then Enter, or two digits) in the number type. In Pendoly
// mode digits, Space and Shift+Up/Down pick a row, Left and Right rotate it.
// F1, Delete (take back) and Ctrl+Break act at any time; Space and Esc steer a demo.
#include "play/GameState.h"
#include <functional>

class MoveRules;

// Key codes as the window passes them on, and the Shift bit of the shift mask.
namespace KeyCode {
constexpr int Break = 3;
constexpr int Enter = 13;
constexpr int Escape = 27;
constexpr int Space = 32;
constexpr int Left = 37;
constexpr int Up = 38;
constexpr int Right = 39;
constexpr int Down = 40;
constexpr int Delete = 46;
constexpr int Digit0 = 48;
constexpr int Digit9 = 57;
constexpr int F1 = 112;
} // namespace KeyCode
constexpr int kShiftMask = 1;

class KeyboardInput {
public:
    KeyboardInput(GameState& state, MoveRules& rules) : m_s(state), m_rules(rules) {}

    std::function<void()> openHelp;   // F1: the description of the game
    std::function<void()> quitNow;    // Ctrl+Break: end the program without questions

    void Form_KeyDown(int keyCode, int shift);

private:
    void resolveNumberChoice(int keyCode);
    bool resolveColourChoice(int keyCode);
    bool pendolyKey(int keyCode, int shift);
    void pickRow(int row);
    void arrowKey(int keyCode);
    void showChoice();

    GameState& m_s;
    MoveRules& m_rules;
};
