// SPDX-FileCopyrightText: 2026 Zelka-Kvadra developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// The set-up actions around shuffling: "Kever" (eight quick reshuffles), new row and
// column marker colours, saving and deleting stored shuffled states, and the
// new-game button `uj`, which loads a stored state outside a game and starts a new
// game during one.
#include "setup/ShuffledStateChooser.h"
#include <QDir>
#include <functional>

struct GameState;
struct Platform;

// What the shuffling actions need from the rest of the window.
struct ShufflingHooks {
    std::function<void()> restoreSetupControls;   // back to the set-up state
    std::function<void()> prepareSound;           // open the sound for the new state
    std::function<void()> checkSolved;            // end-of-game check after an exchange
};

class Shuffling {
public:
    Shuffling(GameState& state, Platform& platform, ShuffledStateChooser& chooser,
              const QDir& folder)
        : m_s(state), m_p(platform), m_chooser(chooser), m_folder(folder) {}

    void setHooks(ShufflingHooks hooks) { m_hooks = std::move(hooks); }

    // "Kever": eight fresh arrangements, each shown for a short pause.
    void kever_Click();
    // New row marker colours in four passes.
    void skev_Click();
    // New column marker colours; in the number-sequence type the exchange of two
    // tiles typed as "a-b".
    void okev_Click();
    // Saves the board as a new state (Yes) or over a chosen one (No).
    void kevment_Click();
    // Deletes kever.dat after a warning and a question.
    void kevtor_Click();
    // Stops the demo, or loads a stored state, or abandons the game for a new one.
    void uj_Click();

    // Why the chooser was last shown (ChooserMode).
    int chooserMode() const { return m_chooserMode; }

private:
    void soundPlay();
    void soundStopAndRewind();
    void newMarkerColours(bool rows);
    void exchangeTiles();
    void loadStoredState();
    void startNewGame();

    GameState& m_s;
    Platform& m_p;
    ShuffledStateChooser& m_chooser;
    QDir m_folder;
    ShufflingHooks m_hooks;
    int m_chooserMode = ChooserMode::Load;
};
