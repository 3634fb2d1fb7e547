// SPDX-FileCopyrightText: 2026 Zelka-Kvadra developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "play/GameState.h"
#include "play/DefaultColours.h"

GameState::GameState() {
    tileColours[0] = kSysButtonFace;
    for (int i = 1; i <= 6; ++i) tileColours[i] = kDefaultTileColours[i];
    tileColours[7] = kDefaultWallColour;
    holeColour = tileColours[0];
}
