#include "presentation/TileColours.h"
#include "play/GameState.h"

void SetDefaultTileColours(GameState& state) {
    for (int i = 1; i <= 6; ++i) state.tileColours[i] = kDefaultTileColours[i];
}
