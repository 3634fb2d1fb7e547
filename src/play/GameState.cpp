#include "play/GameState.h"
#include "play/DefaultColours.h"

GameState::GameState() {
    for (int i = 0; i < 172; ++i) messages.append(QString());
    tileColours[0] = kSysButtonFace;
    for (int i = 1; i <= 6; ++i) tileColours[i] = kDefaultTileColours[i];
    tileColours[7] = kDefaultWallColour;
    holeColour = tileColours[0];
}
