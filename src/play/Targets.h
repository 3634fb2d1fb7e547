// SPDX-FileCopyrightText: 2026 Zelka-Kvadra developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// What ends a game: the arrangements of the field that the chosen type accepts, and
// which of them are still open. The end-of-game check, the start checks and the
// solver all ask here, so the rules of a target live in this one file.
//
// Numbers: 1..N² row by row or column by column, ascending or descending; the order
// reached first in a rearrangement game is the one left for its second stage.
// Diagonal bands and random colours: a row-wise and a column-wise form. A target map
// ("by pattern" and stored games): the colour of each map cell, one form only.
#include "play/GameState.h"
#include <vector>

enum class TargetForm { RowWise, ColumnWise, Map };
enum class NumberOrder { Ascending, Descending };

struct Target {
    TargetForm form = TargetForm::RowWise;
    NumberOrder order = NumberOrder::Ascending;   // the number type only
    friend bool operator==(const Target&, const Target&) = default;
};

// The targets the end-of-game check accepts now: the map while one is shown;
// otherwise the forms the stage of a rearrangement game leaves open (both before its
// first target), and for numbers each order still open.
std::vector<Target> OpenTargets(const GameState& s);

// Whether `value` is what target `t` wants in field cell `cell`.
bool FitsTarget(const GameState& s, const Target& t, Cell cell, int value);

// Whether every field cell holds what target `t` wants there.
bool FieldMatches(const GameState& s, const Target& t);

// The tile value target `t` wants in field cell `cell`; for a map target, the first
// colour index whose colour is the map cell's, or 0 when none is.
int WantedValue(const GameState& s, const Target& t, Cell cell);
