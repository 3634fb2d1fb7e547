#pragma once
// The two sounds: "step.wav" for each step of a tile during a game and "mix.wav"
// while the board is shuffled. The device holds at most one open file: "step.wav"
// while a game runs, "mix.wav" between games, none while sound is off.
#include <QDir>

struct GameState;
class SoundDevice;

inline constexpr char kStepSound[] = "step.wav";
inline constexpr char kShuffleSound[] = "mix.wav";

// Closes the device and, when sound is on, opens the file that suits the game state.
// Called at start-up, when sound is switched, and when a game starts or ends.
void PrepareSound(const GameState& s, SoundDevice& device, const QDir& folder);

// Menu item "Hang": switches sound on or off.
void hang_kell_Click(GameState& s, SoundDevice& device, const QDir& folder);

// Each counted step of a tile: rewind, then play, so every click starts afresh.
void PlayStepSound(const GameState& s, SoundDevice& device);
// A shuffle begins: the shuffle sound plays until the shuffle ends.
void StartShuffleSound(const GameState& s, SoundDevice& device);
// A shuffle ends: stop, and rewind for the next one.
void EndShuffleSound(const GameState& s, SoundDevice& device);
