// SPDX-FileCopyrightText: 2026 Zelka-Kvadra developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// The move rules at play: every move, whatever asked for it, goes through the checked
// apply (Move.h); then the controls follow the board, passing input state ends, and
// a step is sounded, counted, recorded for take-back and checked against the target.
// A refused move changes nothing and says why; the player is not told.
//
// The rules own no device: the step sound and the end-of-game check are hooks that
// the game flow connects.
#include "play/GameState.h"
#include "play/Move.h"
#include <functional>
#include <optional>

class MoveRules {
public:
    explicit MoveRules(GameState& state) : m_s(state) {}

    // Called after every counted move (and the take-back of a border move) to test
    // for the end of the game.
    void setCheckSolved(std::function<void()> hook) { m_checkSolved = std::move(hook); }
    // Called for every step a tile makes, before the end-of-game check.
    void setStepSound(std::function<void()> hook) { m_stepSound = std::move(hook); }

    // Plays one move. A slide, a row rotation and a slot move that carries a tile are
    // steps: counted, recorded, checked. A slot moving empty and an exchange are not.
    MoveRefusal Play(const Move& move);
    // Undoes the newest recorded move; at most two can be taken back. False when there
    // is none, or when the board no longer allows it.
    bool TakeBack();

    // The moves by their classic names.
    MoveRefusal MoveTile(Cell from, Cell to) { return Play(Move::slide(from, to)); }
    // Performs entry k (1..10) of the candidate list.
    void MoveCandidate(int k);
    // Pendoly mode: a click on ring cell `clicked` rotates a row or moves the top slot.
    void BorderMove(Cell clicked);
    // Set-up: two tiles change places; not a step.
    MoveRefusal ExchangeTiles(Cell a, Cell b) { return Play(Move::exchange(a, b)); }

    // Appends to the candidate list the tile that arrow `keyCode` (37..40) would push
    // into the empty cell `hole`.
    void ListCandidates(Cell hole, int keyCode);

private:
    MoveResult apply(const Move& move);
    void countStep(const Move& move);
    void showStepCount();
    void checkSolved();

    GameState& m_s;
    std::function<void()> m_checkSolved;
    std::function<void()> m_stepSound;
};

// The move a click on ring cell `clicked` asks for in Pendoly mode: beside a field
// row its rotation, on the top ring row a move of the open slot. Anything else, and a
// click on the slot's own column, asks for none.
std::optional<Move> BorderClickMove(const GameState& s, Cell clicked);
