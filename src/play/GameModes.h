// SPDX-FileCopyrightText: 2026 Zelka-Kvadra developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// The modes of the window by name: what the logic asks, instead of which control
// happens to show. The phase and the demo state are set at each transition of the
// game flow; the panel controls show them.
#include "play/GameState.h"

// A finished game waits for the player's name to store its result.
inline bool awaitingResultName(const GameState& s) { return s.phase == GamePhase::Finished; }
// A rearrangement game reached its first target and waits to continue or be stored.
inline bool pausedAtFirstTarget(const GameState& s) { return s.phase == GamePhase::Paused; }
// The start of a stored game is being set up on the board, to be saved with it.
inline bool capturingStoredStart(const GameState& s) { return s.phase == GamePhase::CapturingStart; }
// The demo plays itself, or stands paused.
inline bool demoRunning(const GameState& s) { return s.demoState != DemoState::Off; }
// The target is a map beside the board ("by pattern" and stored games), shown in the
// frame `mker`, rather than the chosen type's own arrangement.
inline bool playsToTargetMap(const GameState& s) { return s.panel.mker.visible; }
// The rearrangement option: the row-wise form, then the column-wise one (or the
// other way round).
inline bool rearrangementGame(const GameState& s) { return s.panel.atrend.checked; }
