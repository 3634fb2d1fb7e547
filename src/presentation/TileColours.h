#pragma once
// The built-in colours as the colour table takes them.
#include "play/DefaultColours.h"

struct GameState;

// tileColours(1..6) := the built-in defaults.
void SetDefaultTileColours(GameState& state);
