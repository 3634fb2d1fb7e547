// SPDX-FileCopyrightText: 2026 Zelka-Kvadra developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// One game from its start to its end: the start button with the check of the empty
// cells, the clock, the end-of-move check against the target, the pause at the
// first target of a rearrangement game, and the end that opens the name entry.
//
// Elapsed time is measured on the platform's monotonic clock, so a game that runs
// across midnight (or a clock change) keeps its true time.
#include "play/GameState.h"
#include "play/Targets.h"
#include <functional>

struct Platform;
class MoveRules;

class GameFlow {
public:
    // What choosing a stored game at the start came to.
    enum class StoredChoice {
        Cancelled,        // the chooser was cancelled: no start
        ShownWithoutStart,// a game without a stored start is on show; the next start plays it
        Ready,            // the game and its start are loaded: go on
    };

    // Installs CheckSolved as the end-of-move check of `rules`, and the step sound.
    GameFlow(GameState& state, Platform& platform, MoveRules& rules);

    // Seams to the parts that come from elsewhere; each may stay empty.
    std::function<StoredChoice()> chooseStoredGame; // loads a stored game (number in sorsz or chooser)
    std::function<void()> prepareSound;             // opens the step sound for the new state
    std::function<void()> loadPlayerNames;          // fills the name box `neve`
    std::function<QString()> endNote;               // a line added to the end-of-game box
    std::function<void()> gameEnded;                // a player's game reached its end (record complete)

    void kezd_Click();
    bool ValidateStart();
    void Timer1_Timer();
    void CheckSolved();
    // Row-wise and column-wise form of the target of the chosen type.
    bool MatchTargetA();
    bool MatchTargetB();
    void FirstTargetReached();
    void folytat_Click();
    // The second stage of a paused rearrangement game begins with the ring as it is
    // now; folytat_Click after its check of the open cells.
    void ResumeSecondStage();

    // Moves the clock's start on by the time since its last update, so a pause
    // costs nothing; used when a paused game continues or is stored.
    void TakePauseOutOfClock();

    // "5:07", "1:5:07": the clock label's text for a split time.
    static QString ClockText(int hours, int minutes, int seconds);
    // The time line of the end-of-game box.
    static QString EndTimeText(const GameState& s, int hours, int minutes, int seconds);

private:
    void applyStoredGameHoles();
    void openPendolySlot();
    void lockSetUp();
    void updateElapsed();
    void showClock();
    bool matchForm(TargetForm form);
    void endGame();

    GameState& m_s;
    Platform& m_p;
    MoveRules& m_rules;
};

// The board side of the pause at the first target: the take-back history ends and
// every ring cell that holds no tile becomes a wall again, its marker shown.
void CloseRingAtFirstTarget(GameState& s);
// Pendoly: the top ring row has one open cell, above column 1, as at a start.
void OpenPendolySlot(GameState& s);
