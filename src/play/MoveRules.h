#pragma once
// The move rules: sliding a tile into a neighbouring hole, the Pendoly border moves
// (rotating a row, moving the open slot of the top ring row), taking back the last
// two moves, and exchanging two tiles while a position is set up.
//
// Every counted move plays the step sound, counts a step, records the move for
// take-back and then asks whether the target is reached (the `checkSolved` hook).
// A move that breaks a rule is ignored silently.
#include "play/GameState.h"
#include <functional>

struct Platform;

class MoveRules {
public:
    MoveRules(GameState& state, Platform& platform) : m_s(state), m_p(platform) {}

    // Called after every move, counted or not, to test for the end of the game.
    void setCheckSolved(std::function<void()> hook) { m_checkSolved = std::move(hook); }

    // Slides the tile at `from` into `to`. Callers only ask for an orthogonally
    // adjacent empty `to`; this does not check it.
    void MoveTile(Cell from, Cell to);
    // Performs entry k of the candidate list; always counted. A candidate whose tile
    // no longer stands beside its empty cell is refused.
    void MoveCandidate(int k);
    // Ends a choice of candidates on display: its labels go back to normal and the
    // list and the typed digits are emptied.
    void EndCandidateChoice();
    // Appends to the candidate list the tile that arrow `keyCode` (37..40) would push
    // into the empty cell `hole`.
    void ListCandidates(Cell hole, int keyCode);
    // Pendoly mode: a click on ring cell `clicked` rotates a row or moves the top slot.
    void BorderMove(Cell clicked);
    // Undoes the newest recorded move; at most two moves can be taken back. A choice
    // on display ends first: its candidates were listed for the board before.
    void TakeBack();

    // Set-up helpers: exchange two tiles (positions, labels, both board layers); an
    // exchange leaves no tile selected.
    void ExchangeLabels(Cell a, Cell b);
    void ExchangeTiles(Cell a, Cell b);
    // Asks for "a-b" and exchanges the tiles numbered a and b. False when nothing
    // was exchanged (cancelled, malformed, or no such tile).
    bool ExchangeByNumbers();

    void ShortPause();
    void ShowAllTiles();

private:
    void playStepSound();
    void countAndRecord(const MoveRecord& move);
    void checkSolved();
    void slideTile(Cell from, Cell to);           // controls and board, nothing else
    void rotateRow(int row, bool towardsRight);
    void moveTopSlot(int clickedCol);
    void openTopSlotAt(int col);                  // empty slot jumps to `col`
    Cell findTile(int value) const;
    void showStepCount();

    GameState& m_s;
    Platform& m_p;
    std::function<void()> m_checkSolved;
};

// Parses a whole number the forgiving way typed answers are read: leading blanks,
// an optional sign, then digits; anything else ends the number (0 when none).
int leadingNumber(const QString& text);
