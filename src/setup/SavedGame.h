// SPDX-FileCopyrightText: 2026 Zelka-Kvadra developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// A game kept for later, and its bytes in the continue file.
//
// The file is binary, little-endian, versioned and checked:
//
//   offset  size  field
//   0       7     "ZKGAME1" - names the file; the digit is the format's version
//   7       1     0 (reserved)
//   8       4     payload length L
//   12      L     payload
//   12+L    4     CRC-32 of the payload (the polynomial of zip and PNG)
//
// The payload, field after field:
//   u8 n, u8 Pendoly mode, u8 type (StartType), u8 rearrangement
//   n² u8       the start's field, row by row
//   u32         the start's open ring cells (mask over OpenableRingCells)
//   u8 k, k u8  row marker colours;  u8 k, k u8  column marker colours
//   u16 k, k u8 the target map text (ASCII digits)
//   i16         stored game serial;  u8 k, k u16  its name (UTF-16);  i16 shuffled state
//   i64         elapsed playing time in ms;  u8 flags: 1 paused at the first target,
//               2 a hint or the solver helped (its result is never stored);  i32 step count
//   (n+2)² u8   the board the steps lead to, row by row, ring included
//   u32 k       then k steps of 5 bytes each: a code and four bytes
//       0 slide      from row, from col, to row, to col
//       1 rotation   row, 1 when towards column n, 0, 0
//       2 slot move  from col, to col, 0, 0
//       3 exchange   row, col, row, col of the two tiles
//       4 take-back  0, 0, 0, 0
//       5 first target   stage left (1 or 2), ascending open, descending open, 0
//       6 second stage   open ring cells (3 bytes, low first), gap count
//
// The step count and the board are what the steps must lead to: a file that is whole
// but whose steps do not lead there is not this game's, and is refused like a damaged
// one (GameRestore checks it). A decoder never trusts a length: every field is read
// within the bytes there are.
#include "play/GameRecord.h"
#include <QByteArray>
#include <optional>
#include <vector>

struct SavedGame {
    GameRecord record;        // start and steps; `recording` is not stored
    qint64 elapsedMs = 0;     // playing time so far; pauses and a closed program excluded
    bool paused = false;      // a rearrangement game waits at its first target
    bool assisted = false;    // a hint or the solver helped: the result stays unstorable
    int stepCount = 0;        // what the steps must lead to ...
    std::vector<int> board;   // ... (n+2)² cell values row by row

    friend bool operator==(const SavedGame& a, const SavedGame& b) {
        return a.record == b.record && a.elapsedMs == b.elapsedMs && a.paused == b.paused && a.assisted == b.assisted &&
               a.stepCount == b.stepCount && a.board == b.board;
    }
};

// The most steps a file may hold; a longer game would take more than a minute to play
// back at start-up and is not a game a person plays.
constexpr quint32 kMaxSavedSteps = 2'000'000;

enum class SavedGameProblem {
    None,
    NotAGameFile,   // does not begin as the continue file does
    NewerVersion,   // written by a later version of the game
    Damaged,        // cut short, or the check does not match
    Unsound,        // whole, but holds values no game can have
};

struct DecodedSavedGame {
    std::optional<SavedGame> game;
    SavedGameProblem problem = SavedGameProblem::None;
};

QByteArray EncodeSavedGame(const SavedGame& game);
DecodedSavedGame DecodeSavedGame(const QByteArray& bytes);

// CRC-32 (reflected, polynomial 0xEDB88320) of `bytes`.
quint32 Crc32(const QByteArray& bytes);
