// SPDX-FileCopyrightText: 2026 Zelka-Kvadra developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// The solver in the player's hands: the hint for the next move, the rest of a game
// played on the board, the answer for a position that can reach no target, and the
// shortest solution from the game's start for the end-of-game box.
//
// Every search runs in a worker thread (SolverRun); the window only waits for one at
// the end of a game, and then a few seconds at most while it keeps painting. A new
// game or the window's end cancels them. The solution is played through the game's
// own move rules, one step on each tick, as the demo plays.
#include "play/Move.h"
#include "solve/SolverRun.h"
#include <QObject>
#include <QString>
#include <functional>
#include <optional>
#include <vector>

struct GameState;
struct Platform;
class MoveRules;
class QTimer;

// A hint is the first solution found, within this many seconds (most come in a
// fraction of one; a busy machine may need more).
constexpr double kHintSeconds = 3.0;
// A solve takes this long to find a short solution.
constexpr double kSolveSeconds = 2.0;
// The rest of a game plays one step this often.
constexpr int kSolveStepMs = 400;
// The shortest solution from the start is searched this long in the background, at
// the lowest priority. On a 4 x 4 open board most proofs take seconds; on the larger
// boards and in Pendoly mode one rarely comes at all, so the search stops soon there
// rather than keep a core busy for the whole game.
constexpr double kShortestSeconds = 120.0;
constexpr double kShortestSecondsLarge = 20.0;
// The end-of-game box waits this long for it, if it is not known yet.
constexpr int kEndWaitMs = 3000;

class SolverAssist : public QObject {
    Q_OBJECT
public:
    SolverAssist(GameState& state, Platform& platform, MoveRules& rules, QObject* parent = nullptr);
    ~SolverAssist() override;

    // Shows the result of an action (the window's syncView).
    std::function<void()> changed;
    // A line for the window's status, once the shortest solution is known after the
    // end-of-game box has gone without it.
    std::function<void(const QString&)> showStatus;

    // Menu item "hint" and F2: asks before the first help of a game, then marks the
    // next move, or says why no target can be reached.
    void hint();
    // Menu item "solve": the rest of the game, one step every kSolveStepMs.
    void solve();
    bool playing() const;
    // While the solution plays: Space pauses and goes on, Esc stops. True when the key
    // was taken.
    bool playbackKey(int keyCode);
    void stopPlayback();

    // After every action: follows the game (a new one starts the shortest-solution
    // search, set-up or the demo cancel every search), and sets the menu items.
    void sync();
    // The end-of-game box's line: the shortest solution, when it is known now or
    // within kEndWaitMs.
    QString endNote();
    // Cancels every search (the window closes).
    void cancelAll();

    // The shortest solution from this game's start, once proven.
    std::optional<int> shortestSteps() const { return m_shortest; }
    // How long the end-of-game box waits for it.
    int endWaitMs = kEndWaitMs;

private:
    enum class Purpose { None, Hint, Solve };
    bool canHelp() const;
    bool askBeforeFirstHelp();
    void startHelp(Purpose purpose);
    void helpFound(const SolveReport& report);
    void shortestFound(const SolveReport& report);
    void playNextStep();
    void gameStarted();
    void tell(const QString& text);

    GameState& m_s;
    Platform& m_p;
    MoveRules& m_rules;
    SolverRun m_help;       // a hint or a solve
    SolverRun m_shortestRun{SolverRun::Priority::Background};
    Purpose m_purpose = Purpose::None;
    std::vector<int> m_askedOn;     // the board the help was asked on
    std::vector<Move> m_solution;   // the moves still to play, next first
    size_t m_next = 0;
    bool m_paused = false;
    QTimer* m_stepTimer = nullptr;
    bool m_gameSeen = false;        // the running game's search has been started
    bool m_endShown = false;        // the end-of-game box has gone
    std::optional<int> m_shortest;
};
