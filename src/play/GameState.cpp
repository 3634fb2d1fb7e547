#include "play/GameState.h"
#include "play/DefaultColours.h"

GameState::GameState() {
    tileColours[0] = kSysButtonFace;
    for (int i = 1; i <= 6; ++i) tileColours[i] = kDefaultTileColours[i];
    tileColours[7] = kDefaultWallColour;
    holeColour = tileColours[0];
}
