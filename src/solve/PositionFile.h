// SPDX-FileCopyrightText: 2026 Zelka-Kvadra developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// A position written as JSON, for scripts and tests, and the solver's answer as JSON.
//
// {"size":4, "type":"numbers"|"diagonal"|"rows-or-columns"|"map", "pendoly":false,
//  "slotCol":1, "grid":[["#","#",".","#","#","#"], ["#","5","1","2","3","#"], ...],
//  "rowColours":[..], "colColours":[..], "map":"...", "form":"row"|"column"|"any"}
//
// `grid` is the whole (N+2) x (N+2) board, ring included: "#" a wall, "." an empty
// cell, a tile as its value (numbers 1..N², colours 1..N). The row and column colours
// (1..N, each once) are the markers the diagonal and the rows-or-columns types need;
// `map` is the target map text of the map type; `form` leaves only the row-wise or
// the column-wise form open, as the second stage of a rearrangement game does. The
// reader refuses anything else and says which field is wrong.
#include "play/GameState.h"
#include "solve/Solver.h"
#include <QByteArray>
#include <QString>
#include <optional>

struct PositionRead {
    std::optional<GameState> state;   // the position, ready for the solver
    QString error;                    // otherwise: what is wrong, naming the field
};

PositionRead ReadPosition(const QByteArray& json);

// The answer as one line of JSON:
// {"solvable":true, "steps":37, "shortest":true, "moves":[...], "expanded":123456, "ms":87},
// a move being {"from":[r,c],"to":[r,c]}, {"rotate":r,"side":"left"|"right"} or {"slot":c};
// {"solvable":false, "reason":"..."} when no target can be reached.
QByteArray AnswerJson(const SolveReport& report);
