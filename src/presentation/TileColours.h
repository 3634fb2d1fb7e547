// SPDX-FileCopyrightText: 2026 Zelka-Kvadra developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// The built-in colours as the colour table takes them.
#include "play/DefaultColours.h"

struct GameState;

// tileColours(1..6) := the built-in defaults.
void SetDefaultTileColours(GameState& state);
