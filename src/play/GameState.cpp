#include "play/GameState.h"
#include "presentation/TileColours.h"

GameState::GameState() {
    for (int i = 0; i < 172; ++i) messages.append(QString());
    tileColours[0] = kSysButtonFace;
    SetDefaultTileColours(*this);
    tileColours[7] = kDefaultWallColour;
    holeColour = tileColours[0];
}
