// SPDX-FileCopyrightText: 2026 Zelka-Kvadra developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// A game as a value: its start and every step the player took from there. Playing the
// steps on the start through the move rules gives the board the game stands at, so a
// record is all a continued game, a replay and a shared start need.
//
// The start is what the set-up decided before the first move: size, mode, type and
// rearrangement, the field, the ring cells left open, the colours the targets are
// made of (row and column markers, the target map), and where the start came from in
// the player's own files (stored game, shuffled state).
//
// The steps are the moves the rules applied (slides, row rotations, moves of the top
// slot, exchanges), the take-backs, and the two events between the stages of a
// rearrangement game: the pause at the first target, which closes the ring, and the
// continuation, with the ring cells the player opened for the second stage.
#include "play/Board.h"
#include "play/Move.h"
#include <QString>
#include <QtGlobal>
#include <vector>

struct GameState;

enum class StartType : quint8 {
    Numbers,       // "Számsor"
    Diagonal,      // "Átlós"
    RandomColours, // "Véletlen"
    Pattern,       // "Minta szerint": random colours played to a target map
    Stored,        // "Tárolt": a stored game's target map
};
constexpr int kStartTypeCount = 5;

inline bool playsToMap(StartType t) { return t == StartType::Pattern || t == StartType::Stored; }

struct GameStart {
    int n = 4;
    bool pendoly = false;
    StartType type = StartType::Numbers;
    bool rearrangement = false;     // the atrend box; only the three types without a map use it
    std::vector<int> field;         // n² values, field cells row by row
    quint32 openRing = 0;           // bit i: OpenableRingCells(n)[i] starts open (not in Pendoly mode)
    std::vector<int> rowColours;    // n marker colours (diagonal and random types)
    std::vector<int> colColours;    // n marker colours (random type)
    QString targetMapText;          // (n+2)² map digits (pattern and stored types)
    // Where the start came from in the player's own files.
    int storedGameNo = 0;
    QString storedGameName;
    int shuffleNo = 0;

    friend bool operator==(const GameStart&, const GameStart&) = default;
};

enum class StepKind : quint8 {
    Move,        // a move the rules applied
    TakeBack,    // the newest counted move was taken back
    FirstTarget, // a rearrangement game reached its first target: the ring closed
    SecondStage, // the second stage began with the ring cells in `openRing`
};

struct RecordStep {
    StepKind kind = StepKind::Move;
    Move move;                 // Move
    int rearrangePhase = 0;    // FirstTarget: 1 or 2, the form that is left
    bool ascendingOpen = true; // FirstTarget: number orders left for the second stage
    bool descendingOpen = true;
    quint32 openRing = 0;      // SecondStage: the ring cells open, as in GameStart
    int gapCount = 0;          // SecondStage: the count recorded with the result

    static RecordStep played(const Move& m) { return {StepKind::Move, m, 0, true, true, 0, 0}; }
    static RecordStep takeBack() { return {StepKind::TakeBack, {}, 0, true, true, 0, 0}; }

    friend bool operator==(const RecordStep&, const RecordStep&) = default;
};

struct GameRecord {
    GameStart start;
    std::vector<RecordStep> steps;
    bool recording = false;   // a player's game is under way: its steps are appended
    quint64 revision = 0;     // grows with every change, so a keeper sees what is new

    void append(const RecordStep& step) {
        if (!recording) return;
        steps.push_back(step);
        ++revision;
    }
    // Two records are the same game when start and steps agree.
    friend bool operator==(const GameRecord& a, const GameRecord& b) {
        return a.start == b.start && a.steps == b.steps;
    }
};

// The ring cells a player can open, in row order: every ring cell but the four corners.
std::vector<Cell> OpenableRingCells(int n);
// The open ring cells of the board as a mask over OpenableRingCells.
quint32 OpenRingMask(const Board& b);
// Number of bits set in a mask.
int MaskCount(quint32 mask);

// The type of the game the window has set up, as the result type code names it.
StartType StartTypeOf(const GameState& s);
// The start of the game set up on the board now.
GameStart CaptureStart(const GameState& s);

