// SPDX-FileCopyrightText: 2026 Zelka-Kvadra developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// The two sounds: "step.wav" for each step of a tile during a game and "mix.wav"
// while the board is shuffled. The device holds at most one open file: "step.wav"
// while a game runs, "mix.wav" between games, none while sound is off.
#include "presentation/GameFolders.h"

struct GameState;
class SoundDevice;

inline constexpr char kStepSound[] = "step.wav";
inline constexpr char kShuffleSound[] = "mix.wav";

// Closes the device and, when sound is on, opens the file that suits the game state.
// Called at start-up, when sound is switched, and when a game starts or ends.
void PrepareSound(const GameState& s, SoundDevice& device, const GameFolders& folders);

// Menu item "Hang": switches sound on or off.
void hang_kell_Click(GameState& s, SoundDevice& device, const GameFolders& folders);

// The commands of a step ("prev", "play") and of a shuffle ("play", then "stop",
// "prev") are sent by the move rules and the shuffling, only while soundOn is set.
