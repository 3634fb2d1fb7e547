#pragma once
// The start-up of the game window's state, in the order the window loads: the state
// a fresh start has, the settings choosing the size, the type and the rearrangement
// box as if they were clicked, the stored games' file, the language, the sound.
#include "presentation/GameFolders.h"
#include "presentation/LanguageFile.h"

struct GameState;
struct Platform;

// Returns how reading the language went; the window tells the player of a problem.
LanguageResult StartUp(GameState& s, Platform& p, const GameFolders& folders);
