// SPDX-FileCopyrightText: 2026 Zelka-Kvadra developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// Continuing a kept game: the start is set up and started as the player started it,
// then every step is played again through the game's own move rules and flow. That
// is the check of the file: a step the rules refuse, a game that would end on the way,
// or a board or step count other than the file says, and the file is not this game's;
// then the window is left exactly as it was.
#include "setup/SavedGame.h"

struct GameState;
struct Platform;

// A player's game is under way (playing, or paused at its first target) and is being
// written down: what the continue file keeps.
bool KeepsAGame(const GameState& s);

// The game under way as the continue file keeps it, with its playing time up to
// `nowMs` on the monotonic clock (up to the pause when it is paused).
SavedGame SavedGameOf(const GameState& s, qint64 nowMs);

// Puts `game` on the window, its clock running on from the time it had. False, with
// the window untouched, when the steps do not lead where the file says.
bool RestoreSavedGame(GameState& s, Platform& p, const SavedGame& game);
