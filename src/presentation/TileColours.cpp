// SPDX-FileCopyrightText: 2026 Zelka-Kvadra developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "presentation/TileColours.h"
#include "play/GameState.h"

void SetDefaultTileColours(GameState& state) {
    for (int i = 1; i <= 6; ++i) state.tileColours[i] = kDefaultTileColours[i];
}
