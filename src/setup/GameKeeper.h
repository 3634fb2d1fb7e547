// SPDX-FileCopyrightText: 2026 Zelka-Kvadra developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// Keeps the game under way in the continue file, and offers it back at the next
// start. The window calls afterAction() after everything it does: a game that took a
// step is written (so a crash or a power cut loses at most the step being taken); a
// game that ended or was given up takes its file with it.
//
// At start-up the player is asked whether to continue; No discards the game. A file
// that cannot be decoded, or whose steps do not lead where it says, is moved to a side
// file and the player is told; it is never deleted. When it cannot even be moved, or
// something other than a regular file stands in its place, the player is told and no
// game is kept during the run, so that it is never written over.
#include <QDir>

struct GameState;
struct Platform;

enum class LeaveAnswer {
    NoGame,    // no game under way: leave as ever
    Answered,  // the game is kept or discarded as the player said
    Stay,      // the player goes on playing
};

class GameKeeper {
public:
    GameKeeper(GameState& state, Platform& platform, const QDir& folder)
        : m_s(state), m_p(platform), m_folder(folder) {}

    // At start-up, once the window shows the set-up: offers a kept game.
    void offerKeptGame();
    // After every action of the window.
    void afterAction();

    // Leaving the program: while a game is under way, asks whether to keep it for the
    // next start (Yes), discard it (No) or go on playing (Cancel). Once answered, the
    // game is kept or discarded and nothing more is written this run.
    LeaveAnswer confirmLeave();

private:
    void write();
    void setAside();

    GameState& m_s;
    Platform& m_p;
    QDir m_folder;
    bool m_fileHolds = false;      // the file holds the game under way
    quint64 m_writtenRevision = 0;
    bool m_writeFailTold = false;
    bool m_frozen = false;         // nothing more is written or removed this run
};
