// SPDX-FileCopyrightText: 2026 Zelka-Kvadra developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// Setting a recorded start up in the window: the size, the mode and the type are
// chosen as the player's clicks would choose them, then the field, the open ring
// cells, the marker colours and the target map take the start's values. The result
// is the set-up state, ready for the start button; the continue file, the replay and
// the start code all come through here.
#include "play/GameRecord.h"
#include <QDir>

struct GameState;
struct Platform;

// Whether `start` describes a board that can be set up: a size of 4..6; a field of
// numbers 1..n² each once (number type) or of colours 1..n each n times; marker
// colours that are permutations of 1..n where the type uses them; a sound target map
// where it needs one; open ring cells only among the openable ones and none in Pendoly
// mode; serials and names a stored-games record can hold.
bool IsSoundStart(const GameStart& start);

// Puts `start` on the window in its set-up state. `start` must be sound.
void PutStartOnWindow(GameState& s, Platform& p, const GameStart& start);

// Opens the walled ring cells of `mask` (over OpenableRingCells) and hides their markers:
// the start's open cells, and those a player opened for a second stage.
void OpenRingCells(GameState& s, quint32 mask);

// A start from a code, in the terms of this player's files. A stored game is this
// player's stored game of that size whose map has the same field (its serial, name and
// map with its openings) when there is one; otherwise the start becomes a pattern game,
// and the function returns true so the player can be told.
bool ResolveCodedStart(GameStart& start, const QDir& folder);
