// SPDX-FileCopyrightText: 2026 Zelka-Kvadra developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// The result type code of the game that just ended, from the type the window shows.
#include <QString>

struct GameState;

// Sets state.storing.resultTypeCode ("T", "M", "V", "VR", "S", "SR", "A" or "AR") and
// state.storing.resultTypeIndex (1..8) and returns the code. "R" marks a rearrangement game
// played to its second target; one stored at its intermediate stage has none.
QString DetermineResultType(GameState& state);
