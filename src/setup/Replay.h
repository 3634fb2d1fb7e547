// SPDX-FileCopyrightText: 2026 Zelka-Kvadra developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// The replay of a finished game: its start is set up and started, then its steps are
// played one by one on the step timer the demo plays by, through the game's own move
// rules, with the step counter following. Space pauses and resumes, Esc stops, Right
// and Left step forward and back while paused, Up and Down change the pace. At its end
// the replay waits on the final board until it is stopped.
//
// The window the replay began in comes back whole when it stops: the replay works on
// the window's state and keeps a copy of it. It never ends a game (no end-of-game
// check runs), never writes a record, and takes no input but its keys.
#include "play/GameRecord.h"
#include "setup/StepTimer.h"
#include <memory>

struct GameState;
struct Platform;

class Replay {
public:
    // The paces to choose from, slowest first, as ms between two steps.
    static constexpr qint64 kIntervals[] = {2000, 1000, 500, 250, 125, 62};
    static constexpr int kStartPace = 2;

    Replay(GameState& state, Platform& platform);
    ~Replay();

    // Only from the set-up or a finished game, never over a game under way or a demo.
    bool canStart() const;
    // Begins the replay of `record`; false (nothing changed) when it cannot begin. The
    // replay of a game that reached its end closes the ring at its end, as the game's
    // end did.
    bool start(const GameRecord& record, bool reachedItsEnd = true);
    bool active() const { return m_saved != nullptr; }
    // Plays the next step when it is due; true when the board changed.
    bool tick(qint64 nowMs);
    // A key while the replay runs (classic key codes); true when the replay used it.
    bool key(int keyCode);
    void faster();
    void slower();
    // Ends the replay; the window is as it was before it.
    void stop();

    bool paused() const { return m_paused; }
    int played() const { return m_next; }
    int total() const { return static_cast<int>(m_record.steps.size()); }
    qint64 interval() const { return m_timer.interval(); }

private:
    void stepForward(bool sound);
    void stepBack();
    void showBanner();

    GameState& m_s;
    Platform& m_p;
    GameRecord m_record;
    std::unique_ptr<GameState> m_saved;       // the window before the replay
    std::unique_ptr<GameState> m_startState;  // the start, set up and started
    StepTimer m_timer;
    int m_pace = kStartPace;
    int m_next = 0;
    bool m_paused = false;
    bool m_reachedItsEnd = true;
};
