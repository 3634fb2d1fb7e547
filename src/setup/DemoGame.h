// SPDX-FileCopyrightText: 2026 Zelka-Kvadra developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// The demo game: a fixed 4 x 4 random-colours start that plays itself. It feeds a
// script of key presses, one every 0.8 s, to the window's own keyboard handler, so
// every demo move is checked and applied exactly as a player's key would be.
//
// It is a state machine driven by tick(nowMs), never a waiting loop: the window's
// timer calls tick, and everything else the player does meanwhile (Space pauses and
// resumes, Esc or the new-game button stop; see KeyboardInput and Shuffling) only
// switches `demoState`, which the next tick reads. A stopped or finished demo says so
// with message 171 and leaves a fresh game.
#include "setup/StepTimer.h"
#include <QString>
#include <QtGlobal>
#include <functional>

struct GameState;
struct Platform;

// Time between two script keys, and between the start and the first key.
constexpr qint64 kDemoStepMs = 800;

// Colours of the start, one digit per field cell row by row; row i's target is 5 - i.
inline constexpr char kDemoStart[] = "4324243431223111";

// The script: move letters U, D, L, R and, in Pendoly mode, row digits.
QString DemoScript(bool pendoly);
// The key code a script character reaches the keyboard handler as: the arrows for
// U, D, L, R, any other character its own code (a digit d is 48 + d).
int DemoKeyCode(QChar c);

// What the demo needs from the window.
struct DemoHooks {
    std::function<void(int keyCode, int shift)> sendKey; // the keyboard handler
    std::function<void()> startGame;                     // the start button
    std::function<void()> newGame;                       // a fresh game, no stored states offered
    std::function<void()> showState;                     // shows the board before the question
};

class DemoGame {
public:
    DemoGame(GameState& state, Platform& platform) : m_s(state), m_p(platform) {}

    void setHooks(DemoHooks hooks) { m_hooks = std::move(hooks); }

    // The menu item: chooses random colours on 4 x 4, asks (messages 168..170), and on
    // anything but No sets up the start and starts the game. True when the demo runs.
    bool demo_jatek_Click();

    // Plays the next key when its time has come, or ends the demo when the script is
    // through or `demoState` was switched off. Safe to call at any time; true when it
    // changed something to show.
    bool tick(qint64 nowMs);

    // Ends a running demo at once, without its closing message: the window is about
    // to act on something the player asked for (leaving the program).
    void stopNow();

    bool active() const { return m_stage == Stage::Playing; }
    // Script characters played so far.
    int played() const { return m_next; }

private:
    enum class Stage { Idle, Playing };

    void chooseTypeAndSize();
    void setUpStart();
    void finish(bool tellPlayer);

    GameState& m_s;
    Platform& m_p;
    DemoHooks m_hooks;
    Stage m_stage = Stage::Idle;
    QString m_script;
    int m_next = 0;        // index of the next script character
    StepTimer m_timer;     // when it is due
};
